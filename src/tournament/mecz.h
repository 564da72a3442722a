// One match of the tournament, and the match template tying it to its card
// layouts.
#pragma once

#include <memory>
#include <string>
#include <vector>

#include "cardgame/level.h"
#include "tournament/team.h"

class TMecz {
public:
    virtual ~TMecz() = default;
    int id = 0;  // id of the match template it was made from
    std::string name;
    std::vector<std::shared_ptr<TLevelData>> levels;  // the match's layouts, played in order of id
    std::shared_ptr<TTeam> sideA, sideB;
    int wynik1 = 0, wynik2 = 0;  // goals of side A and side B
    int roztrzygniety = 0;
    int fake = 0;
    int punkty = 0;    // card-game points toward the next goal
    int allScore = 0;  // all card-game points of the match

    // The layout reference with number n, or null.
    virtual std::shared_ptr<TLevelData> getLevel(int n) const;
    // The layout numbered n read from its file (a level without cards when
    // there is no such layout).
    virtual LevelRef loadActLevel(int n) const;
};
using MeczRef = std::shared_ptr<TMecz>;
