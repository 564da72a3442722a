// A player's profile: the tournament in progress, the layout being played,
// the assist counters and the hand of collected wild cards.
#pragma once

#include <memory>
#include <string>

#include "cardgame/card.h"
#include "gui/dim.h"

class TLevel;
class TMecz;
class TTeam;

class TProfile {
public:
    virtual ~TProfile() = default;

    std::string name;
    std::shared_ptr<TLevel> questLevel;  // the layout in progress
    std::shared_ptr<TMecz> mecz;         // the current match
    std::shared_ptr<TTeam> team;         // the player's side
    int levelId = 0;                     // number of the current layout in its match
    int meczID = 0;                      // number of the player's match in the tournament
    CardList specCards;                  // the hand of wild cards, by rank
    // Assists left; a counter read from anywhere is taken as at least 0.
    int CReshuffle = 1, CRestore = 1, CUndo = 1, CRetry = 1;
    float wOdl = 800.0f;  // radii of the ellipse the hand fans along
    float hOdl = 200.0f;

    virtual void QUEST_startNew() {}
    virtual void QUEST_RestartLevel() {}
    // The next step of the tournament; without one, back to the main menu.
    virtual std::string setNextLevel() { return "MAIN-MENU"; }

    // --- the wild-card hand ---
    // The hand's card of rank n, or null.
    virtual CardRef getSpecCard(int n) const;
    virtual CardRef haveSpecCard(const TCard& card) const;
    // Orders the hand by rank 1..16; cards outside that range and repeated
    // ranks drop out.
    virtual void sortSpecCards();
    virtual void countSpecCardsRotation();
    virtual void countNewSpecCardPosition(TCard& card);
    virtual TDim countSpecCardPos(const TCard& card) const;
    virtual void setSpecCardStartData(TCard& card);
    virtual void setSpecCardStartData2(TCard& card);
    // Puts the card into the hand and returns where it flies to; false (and
    // nothing changes) when the hand already holds its rank.
    virtual bool getSpecCardFlyPosition(const CardRef& card, TDim& place);
    virtual float getSpecCardRotation(int i) const;
    virtual void setWildCardsPosition();
};

// The current profile, or null.
TProfile* currentProfile();
