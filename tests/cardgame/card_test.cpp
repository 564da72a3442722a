// A card on its own: the flip scale, and the animation states run frame by
// frame to their ends (where the card lies, which side shows, which lists it
// joins or leaves), delayed starts and the direction erased cards fly off.
#include "cardgame/card.h"

#include <gtest/gtest.h>

#include <cmath>
#include <functional>
#include <string>
#include <vector>

#include "cardgame/cardgame_test_support.h"

namespace {

using cardtest::CardGameTest;
using cardtest::idle;
using cardtest::runCard;

TEST(CardFlipScaleTest, ScaleAndSideFollowTheTurn) {
    struct Case {
        float angle;
        float scale;
        int side;
    };
    const std::vector<Case> cases = {
        {0, 1, 1},    {45, 0.5f, 1}, {90, 0, 1},  {180, 1, 0}, {270, 0, 0}, {360, 1, 1},
        {450, 0, 1},  {-90, 0, 0},   {540, 1, 0}, {720, 1, 1}, {-360, 1, 1}, {315, 0.5f, 1},
        {135, 0.5f, 0},
    };
    for (const Case& k : cases) {
        for (int before : {0, 1}) {
            TCard c;
            c.side = before;
            EXPECT_NEAR(c.countXSCaleBYRot(k.angle), k.scale, 1e-6) << k.angle;
            EXPECT_EQ(c.side, k.side) << k.angle << " from side " << before;
        }
    }
    TCard c;
    EXPECT_EQ(c.countXSCaleBYRot(std::nanf("")), 1.0f);  // a broken angle shows the face, unscaled
    EXPECT_EQ(c.side, 1);
}

class CardStateTest : public CardGameTest {
protected:
    CardRef freshCard(int id = 9) {
        level->cards.clear();
        level->deck.clear();
        mainGame->erasedCards.clear();
        mainGame->backCards.clear();
        mainGame->additionalCards.clear();
        profile->specCards.clear();
        return lay(id, 200.0f, 300.0f);
    }
    bool onTable(const CardRef& c) const { return containsCard(level->cards, c.get()); }
};

void expectAt(const TCard& c, float x, float y) {
    EXPECT_FLOAT_EQ(c.dim.x, x);
    EXPECT_FLOAT_EQ(c.dim.y, y);
}

TEST_F(CardStateTest, EveryCommandRunsToItsEnd) {
    const TDim pile = newDimAt(485.0f, 755.0f);
    struct Case {
        std::string name;
        std::function<void(const CardRef&)> start;
        std::function<bool(const TCard&)> done;
        std::function<void(const CardRef&)> check;
    };
    const std::vector<Case> cases = {
        {"MOVE-SHOW",
         [](const CardRef& c) {
             c->rot = 10.0f;
             c->showOnBegining(0);
         },
         idle,
         [](const CardRef& c) {
             EXPECT_EQ(c->state, "");
             EXPECT_EQ(c->sx, 1.0f);
             EXPECT_EQ(c->sy, 1.0f);
             EXPECT_EQ(c->ca, 1.0f);
             EXPECT_FLOAT_EQ(c->rot, 370.0f);
         }},
        {"SHOW",
         [](const CardRef& c) {
             c->side = 0;
             c->showUp();
         },
         idle,
         [](const CardRef& c) {
             EXPECT_EQ(c->state, "NORMAL");
             EXPECT_EQ(c->side, 1);
             EXPECT_EQ(c->sx, 1.0f);
         }},
        {"MOVE",
         [](const CardRef& c) {
             c->side = 0;
             c->moveToSpot(newDimAt(300.0f, 500.0f));
         },
         idle,
         [](const CardRef& c) {
             EXPECT_EQ(c->state, "NORMAL");
             EXPECT_EQ(c->side, 1);
             expectAt(*c, 300.0f, 500.0f);
         }},
        {"ERASE",
         [&](const CardRef& c) {
             c->erase(&pile, 0);
             EXPECT_FALSE(onTable(c));
             EXPECT_TRUE(containsCard(mainGame->erasedCards, c.get()));
         },
         idle,
         [&](const CardRef& c) {
             EXPECT_EQ(c->state, "LIE");
             EXPECT_TRUE(c->isCardErased());
             expectAt(*c, pile.x, pile.y);
         }},
        {"ERASE, then for good",
         [&](const CardRef& c) {
             c->erase(&pile, 0);
             for (int i = 0; i < 10; ++i) c->update_off();
             c->eraseDefinitly(0);
             EXPECT_EQ(c->state, "ERASE-3");
         },
         [](const TCard& c) { return c.state == "ERASE-2" && c.dim.y == 850.0f; },
         [](const CardRef& c) {
             for (int i = 0; i < 300; ++i) c->update_off();
             EXPECT_EQ(c->state, "ERASE-2");
             EXPECT_EQ(c->dim.y, 850.0f);
             EXPECT_FLOAT_EQ(c->dim.x, 485.0f);
         }},
        {"ERASE-4",
         [&](const CardRef& c) { c->eraseDefinitly2(&pile, 0); },
         [&](const TCard& c) { return !containsCard(level->cards, &c); },
         [&](const CardRef& c) {
             EXPECT_EQ(c->state, "ERASE-4");
             expectAt(*c, pile.x, pile.y);
         }},
        {"DESTROY",
         [&](const CardRef& c) {
             profile->specCards.push_back(c);
             c->destroyMe(&pile, 0);
         },
         [](const TCard& c) { return c.moveP == 1.0f; },
         [&](const CardRef& c) {
             EXPECT_EQ(c->ca, 0.0f);
             EXPECT_FALSE(onTable(c));
             EXPECT_FALSE(containsCard(mainGame->erasedCards, c.get()));
             EXPECT_FALSE(containsCard(profile->specCards, c.get()));
             expectAt(*c, pile.x, pile.y);
         }},
        {"FLY-OUT",
         [](const CardRef& c) { c->flyOut(0); },
         idle,
         [](const CardRef& c) {
             EXPECT_EQ(c->state, "");
             EXPECT_EQ(c->sx, 1.0f);
             expectAt(*c, -200.0f, -200.0f);
         }},
        {"MOVE-BACK",
         [&](const CardRef& c) {
             removeCard(level->cards, c.get());
             lay(3, 600.0f, 100.0f);
             mainGame->backCards.push_back(c);
             c->moveBack(newDimAt(400.0f, 250.0f));
         },
         idle,
         [&](const CardRef& c) {
             EXPECT_EQ(c->state, "NORMAL");
             ASSERT_EQ(level->cards.size(), 2u);
             EXPECT_EQ(level->cards.back(), c);  // back on top of the table
             EXPECT_TRUE(mainGame->backCards.empty());
             expectAt(*c, 400.0f, 250.0f);
         }},
        {"MOVE-BACK-TO-DECK",
         [&](const CardRef& c) {
             level->deck = {findCardData(5)};
             c->moveToDeck(level->getDeckDim(), 0);
         },
         idle,
         [&](const CardRef& c) {
             for (int i = 0; i < 200; ++i) c->update_off();
             ASSERT_EQ(level->deck.size(), 2u);
             EXPECT_EQ(level->deck[0]->id, 5);
             EXPECT_EQ(level->deck[1], c->cd);  // on top, once
             EXPECT_FALSE(onTable(c));
         }},
        {"MOVE-TO-DECK",
         [&](const CardRef& c) {
             removeCard(level->cards, c.get());
             mainGame->additionalCards.push_back(c);
             c->moveToDeck2(level->getDeckDim(), 0);
         },
         idle,
         [&](const CardRef& c) {
             for (int i = 0; i < 200; ++i) c->update_off();
             ASSERT_EQ(level->deck.size(), 1u);
             EXPECT_EQ(level->deck[0], c->cd);
             EXPECT_TRUE(mainGame->additionalCards.empty());
         }},
    };
    for (const Case& k : cases) {
        SCOPED_TRACE(k.name);
        CardRef c = freshCard();
        k.start(c);
        ASSERT_GE(runCard(*c, k.done), 1);
        k.check(c);
    }
}

TEST_F(CardStateTest, FaceDownCardTurnsOverHalfWayThroughItsMove) {
    CardRef c = freshCard();
    c->side = 0;
    c->moveToSpot(newDimAt(260.0f, 570.0f));
    bool turned = false;
    for (int n = 0; n < 200 && c->state == "MOVE"; ++n) {
        c->update_off();
        if (c->state != "MOVE") break;
        EXPECT_EQ(c->side, c->moveP > 0.5f ? 1 : 0) << c->moveP;
        turned = turned || c->side == 1;
    }
    EXPECT_TRUE(turned);
    EXPECT_EQ(c->state, "NORMAL");
}

TEST_F(CardStateTest, DelayedStatesWaitForTheClock) {
    const TDim target = newDimAt(600.0f, 100.0f);
    const std::vector<std::pair<std::string, std::function<void(const CardRef&)>>> starts = {
        {"MOVE-SHOW", [](const CardRef& c) { c->showOnBegining(300); }},
        {"MOVE-BACK-TO-DECK", [&](const CardRef& c) { c->moveToDeck(target, 300); }},
        {"MOVE-TO-DECK", [&](const CardRef& c) { c->moveToDeck2(target, 300); }},
        {"ERASE", [&](const CardRef& c) { c->erase(&target, 300); }},
        {"ERASE-4", [&](const CardRef& c) { c->eraseDefinitly2(&target, 300); }},
        {"DESTROY", [&](const CardRef& c) { c->destroyMe(&target, 300); }},
        {"FLY-OUT", [](const CardRef& c) { c->flyOut(300); }},
    };
    for (const auto& [name, start] : starts) {
        SCOPED_TRACE(name);
        platform::setManualClock(1000);
        CardRef c = freshCard();
        start(c);
        const TDim at = c->dim;
        const float sx = c->sx, rot = c->rot, ca = c->ca;
        for (int clock : {1000, 1150, 1299}) {
            platform::setManualClock(clock);
            for (int i = 0; i < 30; ++i) c->update_off();
            EXPECT_EQ(c->state, name);
            EXPECT_EQ(c->moveP, 0.0f);
            EXPECT_EQ(c->dim.x, at.x);
            EXPECT_EQ(c->dim.y, at.y);
            EXPECT_EQ(c->sx, sx);
            EXPECT_EQ(c->rot, rot);
            EXPECT_EQ(c->ca, ca);
        }
        platform::setManualClock(1300);
        c->update_off();
        EXPECT_GT(c->moveP, 0.0f);
    }
}

// Where an erased card without a target ends: 400 px from where it lay, in
// the direction its quarter of the screen gives; a wild card always at 225°.
TEST_F(CardStateTest, ErasedCardsFlyOffByTheirQuarterOrAsWildCards) {
    struct Case {
        int wild;
        float x, y;
        float least, most;  // degrees, clockwise from the x axis (y down)
    };
    const std::vector<Case> cases = {
        {0, 200.0f, 200.0f, 300.0f, 330.0f},
        {1, 200.0f, 200.0f, 225.0f, 225.0f},
        {1, 800.0f, 600.0f, 225.0f, 225.0f},
    };
    for (const Case& k : cases) {
        for (uint32_t seed = 1; seed <= 12; ++seed) {
            SCOPED_TRACE("wild " + std::to_string(k.wild) + " seed " + std::to_string(seed));
            platform::seedRandom(seed);
            CardRef c = freshCard();
            c->dim = newDimAt(k.x, k.y);
            c->wild = k.wild;
            c->erase(nullptr, 0);
            ASSERT_GE(runCard(*c, idle), 1);
            const double dx = c->dim.x - k.x, dy = c->dim.y - k.y;
            EXPECT_NEAR(std::hypot(dx, dy), 400.0, 1.5);
            double angle = std::atan2(dy, dx) * 180.0 / 3.14159265358979323846;
            if (angle < 0) angle += 360.0;
            EXPECT_GE(angle, k.least - 0.5);
            EXPECT_LE(angle, k.most + 0.5);
        }
    }
}

}  // namespace
