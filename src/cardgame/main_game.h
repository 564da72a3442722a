// The card-game screen ("MAIN-GAME"): one layout is played here.
#pragma once

#include <memory>
#include <string>

#include "app/ekran.h"

class TLevel;
class TMecz;

class TMainGame : public TEkran {
public:
    std::shared_ptr<TLevel> level;  // the layout being played
    std::shared_ptr<TMecz> mecz;    // the match it belongs to
    float pass = 0.0f;   // displayed pass value, follows dPass
    float dPass = 0.0f;  // pass multiplier value
    int seqCombo = 1;    // length of the current run of pairs

    // Takes a layout and its match for the next visit of the screen.
    virtual void setLevel(const std::shared_ptr<TLevel>& newLevel, const std::shared_ptr<TMecz>& newMecz) {
        level = newLevel;
        mecz = newMecz;
    }
    // Not built yet: without a table to play, the screen hands back to the
    // main menu.
    virtual std::string mainLoop(int mode) {
        (void)mode;
        return "MAIN-MENU";
    }
};
