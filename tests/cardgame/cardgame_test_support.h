// Shared set-up of the card-game tests: the shipped card catalogue (read once
// from the built game folder, so the covering test sees the real card mask),
// the singletons with a fresh profile and a clean game screen, a manual clock
// and frames of one unit, and helpers to lay cards and run their animations.
#pragma once

#include <gtest/gtest.h>

#include <functional>
#include <memory>
#include <string>

#include "app/globals.h"
#include "app/singletons.h"
#include "cardgame/card.h"
#include "cardgame/card_data.h"
#include "cardgame/level.h"
#include "cardgame/main_game.h"
#include "platform/files.h"
#include "platform/system.h"
#include "profiles/profile.h"
#include "profiles/profile_manager.h"
#include "tournament/mecz.h"
#include "tournament/team.h"

namespace cardtest {

inline std::string fixture(const std::string& name) {
    return std::string(FIELDSTACK_TEST_DATA) + "/cardgame/" + name;
}

// Runs fn with the built game folder as the working folder (the loaders read
// fixed relative paths); the previous folder comes back afterwards.
inline void inGameFolder(const std::function<void()>& fn) {
    const std::string previous = platform::currentFolder();
    ASSERT_TRUE(platform::changeFolder(FIELDSTACK_GAME_DIR)) << FIELDSTACK_GAME_DIR;
    fn();
    platform::changeFolder(previous);
}

// The shipped cards, wild cards and backgrounds; read again only when a test
// left other content behind.
inline void loadShippedCatalogue() {
    if (cardCatalogue.size() >= 52 && cardMaskImage && findCardData(cardid::kPadlock) && !backgroundCatalogue.empty())
        return;
    inGameFolder([] {
        loadCardCatalogue();
        loadSpecCardCatalogue();
        loadBackgroundCatalogue();
    });
}

// The id of a figure of a suit: suits hold A, K, Q, J, 10 .. 2 in that order,
// 13 ids each (rank 14 of suit 1 is id 1, rank 2 of suit 4 is id 52).
inline int cardIdOf(int rank, int suit) { return 13 * (suit - 1) + 15 - rank; }

inline bool idle(const TCard& c) { return c.state.empty() || c.state == "NORMAL" || c.state == "LIE"; }

// Idle, or gone for good: falling off the pair pile, or at the end of a
// flight off the table.
inline bool resting(const TCard& c) {
    if (idle(c) || c.state == "ERASE-2") return true;
    return (c.state.rfind("ERASE", 0) == 0 || c.state == "DESTROY") && c.moveP == 1.0f;
}

// Runs the card's frames (without the pointer) until `done` holds; the number
// of frames run, or -1 when it did not happen within `most` frames.
inline int runCard(TCard& c, const std::function<bool(const TCard&)>& done, int most = 2000) {
    for (int n = 0; n < most; ++n) {
        if (done(c)) return n;
        c.update_off();
    }
    return done(c) ? most : -1;
}

class CardGameTest : public ::testing::Test {
protected:
    void SetUp() override {
        loadShippedCatalogue();
        testing::internal::CaptureStderr();  // start-up pictures the singletons miss are reported
        constructSingletons();
        testing::internal::GetCapturedStderr();
        frameDelta = 1.0f;
        platform::setManualClock(0);
        platform::seedRandom(1);
        profile = std::make_shared<TProfile>();
        profileManager->profile = profile;
        level = std::make_shared<TLevel>();
        level->deckX = 170;
        level->deckY = 570;
        level->countSpots();
        resetGame();
    }

    void TearDown() override {
        resetGame();
        mainGame->level = nullptr;
        profileManager->profile.reset();
        platform::clearManualClock();
    }

    // The game screen as a layout starts: nothing picked, no run, no hint.
    void resetGame() {
        TMainGame& g = *mainGame;
        g.setLevel(level, mecz);
        g.picked = g.specClicked = g.over = g.specOver = g.lastOver = g.lastSpecOver = nullptr;
        g.hintPair = nullptr;
        g.hintTime = 0;
        g.allreadyWin = 0;
        g.pass = g.dPass = 0.0f;
        g.seqCombo = 1;
        g.lastSeqN = 0;
        g.sequenceCard = nullptr;
        g.deckCount = 0;
        g.matchesCounter = 0;
        g.bestPass = 0;
        g._shuffle = 0;
        g.erasedCards.clear();
        g.backCards.clear();
        g.eventsCards.clear();
        g.additionalCards.clear();
        g.zapis.clear();
        g.state = "GAME";
    }

    // A match against an opponent worth `goalScore` points a goal, with the
    // player on side A.
    void startMatch(int goalScore) {
        profile->team = std::make_shared<TTeam>();
        profile->team->id = 1;
        auto opponent = std::make_shared<TTeam>();
        opponent->id = 2;
        opponent->goalScore = goalScore;
        mecz = std::make_shared<TMecz>();
        mecz->sideA = profile->team;
        mecz->sideB = opponent;
        mainGame->mecz = mecz;
    }

    // A card of the layout at (x, y), on top of the table.
    CardRef lay(int id, float x, float y, int side = 1) {
        CardRef c = level->newCard(findCardData(id));
        c->dim = newDimAt(x, y);
        c->side = side;
        c->numer = static_cast<int>(level->cards.size()) + 1;
        level->cards.push_back(c);
        return c;
    }

    // Frames of the layout and of the game's flying cards until every card
    // has come to rest (or `most` frames); the frames run.
    int settle(int most = 3000) {
        const CardList* lists[] = {&level->cards, &level->listaRezerwowych, &mainGame->erasedCards,
                                   &mainGame->backCards, &mainGame->additionalCards};
        auto busy = [&] {
            for (const CardList* list : lists)
                for (const CardRef& c : *list)
                    if (!resting(*c)) return true;
            return !mainGame->backCards.empty() || !mainGame->additionalCards.empty();
        };
        int n = 0;
        for (; n < most && busy(); ++n) {
            level->updateCards_off();
            for (const CardList* list : {&mainGame->erasedCards, &mainGame->backCards, &mainGame->additionalCards}) {
                const CardList snapshot = *list;
                for (const CardRef& c : snapshot) c->update_off();
            }
        }
        return n;
    }

    std::shared_ptr<TProfile> profile;
    LevelRef level;
    std::shared_ptr<TMecz> mecz;
};

}  // namespace cardtest
