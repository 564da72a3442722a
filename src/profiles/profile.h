// A player's profile: the tournament in progress and the layout being played.
#pragma once

#include <memory>
#include <string>

class TLevel;
class TMecz;

class TProfile {
public:
    virtual ~TProfile() = default;

    std::shared_ptr<TLevel> questLevel;  // the layout in progress
    std::shared_ptr<TMecz> mecz;         // the current match
    int levelId = 0;                     // number of the current layout in its match

    virtual void QUEST_startNew() {}
    virtual void QUEST_RestartLevel() {}
    // The next step of the tournament; without one, back to the main menu.
    virtual std::string setNextLevel() { return "MAIN-MENU"; }
};
