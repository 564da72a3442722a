// A national side of the tournament.
#pragma once

#include <string>

#include "platform/image.h"

class TTeam {
public:
    virtual ~TTeam() = default;
    platform::ImageRef flag, img;
    int id = 0;
    std::string name, nameShort;
    int points = 0;
    int goalScore = 0;  // card-game points needed for one goal against this side
    int procent = 0;    // per-layout chance (%) of an opponent-goal card in the deck
    int zwyciestwa = 0, porazki = 0, remisy = 0;
    int bramki1 = 0, bramki2 = 0;
    float punkty = 0.0f;
    int mecze = 0;
};
