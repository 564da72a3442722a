// Which cards lie face up: a card is face down while a card later in the
// table order touches it (by the real card outline, turned as it lies), and
// which cards the pointer is over.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "cardgame/cardgame_test_support.h"
#include "gui/mouse.h"
#include "platform/render.h"

namespace {

using cardtest::CardGameTest;

class CoveringTest : public CardGameTest {};

TEST_F(CoveringTest, LaterCardCoversAnEarlierOneItTouches) {
    // The outline is 72 x 100 with rounded corners, turned about its centre.
    struct Case {
        float dx, dy, rot;
        bool covered;
    };
    const std::vector<Case> cases = {
        {40, 0, 0, true},    {71, 0, 0, true},    {72, 0, 0, false},   {0, 99, 0, true},
        {0, 100, 0, false},  {80, 0, 0, false},   {80, 0, 90, true},   {64, 92, 0, true},
        {71, 99, 0, false},  // the rounded corners miss each other
        {110, 0, 45, false}, {149, 0, 90, false}, {150, 0, 0, false},  {0, -60, 30, true},
    };
    for (const Case& k : cases) {
        SCOPED_TRACE(std::to_string(k.dx) + ", " + std::to_string(k.dy) + " turned " + std::to_string(k.rot));
        level->cards.clear();
        CardRef lower = lay(5, 300.0f, 300.0f, 0);
        CardRef upper = lay(6, 300.0f + k.dx, 300.0f + k.dy, 0);
        upper->rot = k.rot;
        level->checkCards(1);
        EXPECT_EQ(lower->side, k.covered ? 0 : 1);
        EXPECT_EQ(upper->side, 1);
    }
}

TEST_F(CoveringTest, OnlyTheTableOrderDecidesWhichCardIsOnTop) {
    CardRef later = lay(5, 340.0f, 300.0f, 1);
    CardRef earlier = lay(6, 300.0f, 300.0f, 1);
    std::swap(level->cards[0], level->cards[1]);  // 6 first, 5 on top of it
    level->checkCards(1);
    EXPECT_EQ(earlier->side, 0);
    EXPECT_EQ(later->side, 1);
}

TEST_F(CoveringTest, CardsOnTheMoveOrLeavingCoverNothing) {
    const std::vector<std::pair<std::string, bool>> cases = {
        {"", true},          {"NORMAL", true},   {"SHOW", true},     {"MOVE", false},
        {"MOVE-BACK", false}, {"ERASE", false},  {"ERASE-4", false}, {"ERASE-SPEC", false},
    };
    for (const auto& [state, covers] : cases) {
        SCOPED_TRACE("upper card " + state);
        level->cards.clear();
        CardRef lower = lay(5, 300.0f, 300.0f, 1);
        CardRef upper = lay(6, 340.0f, 300.0f, 1);
        upper->state = state;
        level->checkCards(1);
        EXPECT_EQ(lower->side, covers ? 0 : 1);
    }
    // A card that is moving itself keeps its side until it lands.
    level->cards.clear();
    CardRef moving = lay(5, 300.0f, 300.0f, 1);
    lay(6, 340.0f, 300.0f, 1);
    moving->state = "MOVE";
    level->checkCards(1);
    EXPECT_EQ(moving->side, 1);
}

TEST_F(CoveringTest, UncoveredCardTurnsAtOnceOrByItsShowAnimation) {
    CardRef c = lay(5, 300.0f, 300.0f, 0);
    level->checkCards(1);
    EXPECT_EQ(c->side, 1);
    EXPECT_EQ(c->state, "");

    c->side = 0;
    level->checkCards(0);
    EXPECT_EQ(c->side, 0);
    EXPECT_EQ(c->state, "SHOW");
    ASSERT_GE(cardtest::runCard(*c, cardtest::idle), 1);
    EXPECT_EQ(c->side, 1);
    EXPECT_EQ(c->state, "NORMAL");

    // Covering is never animated: the card goes face down at once.
    CardRef top = lay(6, 330.0f, 320.0f, 1);
    level->checkCards(0);
    EXPECT_EQ(c->side, 0);
    EXPECT_EQ(top->side, 1);
}

TEST_F(CoveringTest, PadlockIsDrawnUnscaled) {
    CardRef padlock = lay(cardid::kPadlock, 300.0f, 300.0f);
    CardRef key = lay(cardid::kKey, 500.0f, 300.0f);
    EXPECT_TRUE(padlock->isPadlock());
    EXPECT_FALSE(key->isPadlock());
    float sx = 0.0f, sy = 0.0f;
    for (const CardRef& c : {padlock, key}) c->sx = 0.25f;
    padlock->_drawSettings();
    platform::getScale(sx, sy);
    EXPECT_EQ(sx, 1.0f);  // it never turns over
    key->_drawSettings();
    platform::getScale(sx, sy);
    EXPECT_EQ(sx, 0.25f);
    platform::resetDrawState();
}

TEST_F(CoveringTest, PointerIsOverTheCardAsItIsTurned) {
    TMouse* previous = currentMouse;
    {
        TMouse pointer;  // the current mouse while it lives
        struct Case {
            int x, y;
            float rot;
            int side;
            std::string state;
            int over;
        };
        const std::vector<Case> cases = {
            {345, 300, 0, 1, "", 0},  {345, 300, 90, 1, "", 1},   {300, 345, 0, 1, "", 1},
            {300, 345, 90, 1, "", 0}, {300, 300, 0, 0, "", 0},    // face down: not for picking
            {300, 300, 0, 1, "MOVE", 0}, {300, 300, 0, 1, "NORMAL", 1},
        };
        for (const Case& k : cases) {
            SCOPED_TRACE(std::to_string(k.x) + ", " + std::to_string(k.y) + " turned " + std::to_string(k.rot) +
                         " " + k.state);
            level->cards.clear();
            CardRef c = lay(5, 300.0f, 300.0f, k.side);
            c->rot = k.rot;
            c->state = k.state;
            pointer.x = k.x;
            pointer.y = k.y;
            EXPECT_EQ(c->updateOVER(1), k.over);
            EXPECT_EQ(c->over, k.over);
        }
    }
    currentMouse = previous;
}

}  // namespace
