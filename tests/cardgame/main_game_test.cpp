// The rules of play on the game screen's model: picking, pairs and their
// points, runs and the pass meter, the reserve row, the deck and its restore,
// wild cards and the hand, the idle hint, undo and goals.
#include "cardgame/main_game.h"

#include <gtest/gtest.h>

#include <set>
#include <tuple>
#include <string>
#include <vector>

#include "cardgame/cardgame_test_support.h"
#include "cardgame/zdarzenie.h"

namespace {

using cardtest::CardGameTest;
using cardtest::cardIdOf;

class RulesTest : public CardGameTest {
protected:
    // A face-up card lying alone, away from the others.
    CardRef alone(int id) {
        const float x = 100.0f + 110.0f * static_cast<float>(placed_ % 8);
        const float y = 100.0f + 130.0f * static_cast<float>((placed_ / 8) % 3);
        ++placed_;
        return lay(id, x, y);
    }
    // Picks two cards one after the other, as the player clicks them.
    void clickBoth(const CardRef& a, const CardRef& b) {
        mainGame->clickCard(a);
        mainGame->clickCard(b);
    }
    void pairOfRank(int rank) { clickBoth(alone(cardIdOf(rank, 1)), alone(cardIdOf(rank, 2))); }
    CardRef reserveSlot(float x, float y) {
        CardRef slot = level->newCard(findCardData(cardid::kReserveSlot));
        slot->dim = newDimAt(x, y);
        slot->side = 1;
        level->listaRezerwowych.push_back(slot);
        return slot;
    }
    bool onTable(const CardRef& c) const { return containsCard(level->cards, c.get()); }
    std::vector<int> deckIds() const {
        std::vector<int> out;
        for (const CardDataRef& cd : level->deck) out.push_back(cd->id);
        return out;
    }
    int placed_ = 0;
};

TEST_F(RulesTest, PairPointsByColourAndSuit) {
    // Kings: id 2 suit 1, 15 suit 2, 28 suit 3, 41 suit 4; suits 1 and 4 are
    // one colour, 2 and 3 the other. Each card brings half the points, so an
    // odd total loses a point.
    struct Case {
        int a, b;
        float dPass;
        int points;
    };
    const std::vector<Case> cases = {
        {15, 28, 0.0f, 74}, {2, 41, 0.0f, 74}, {15, 15, 0.0f, 74}, {15, 2, 0.0f, 50},  {28, 41, 0.0f, 50},
        {15, 28, 1.0f, 150}, {15, 15, 1.0f, 150}, {15, 2, 1.0f, 100}, {41, 41, 1.0f, 150},
    };
    for (const Case& k : cases) {
        SCOPED_TRACE(std::to_string(k.a) + " with " + std::to_string(k.b) + " at pass " + std::to_string(k.dPass));
        level->score = 0;
        mainGame->dPass = k.dPass;
        mainGame->lastSeqN = 0;
        mainGame->seqCombo = 1;
        const int pairs = mainGame->matchesCounter;
        CardRef a = alone(k.a), b = alone(k.b);
        clickBoth(a, b);
        EXPECT_EQ(level->score, k.points);
        EXPECT_EQ(mainGame->matchesCounter, pairs + 1);
        EXPECT_FALSE(mainGame->picked);
        EXPECT_FALSE(onTable(a));
        EXPECT_FALSE(onTable(b));
        EXPECT_EQ(a->state, "ERASE");
    }
}

TEST_F(RulesTest, RunsGrowByNeighbouringRanksAndPayThePassWhenBroken) {
    struct Step {
        int rank;
        int seqCombo;
        float dPass;
    };
    const std::vector<Step> steps = {
        {5, 1, 0.0f},  {6, 2, 0.0f},  {7, 3, 0.0f},  {6, 4, 0.0f},
        {9, 1, 0.3f},  // 0.1 + 0.1 for each pair past two
        {2, 1, 0.3f},  // a run of one pays nothing
        {14, 2, 0.3f}, // the ace follows the two
        {14, 3, 0.3f}, // so does the same rank
        {2, 4, 0.3f},  // and the two follows the ace
        {13, 1, 0.6f},
    };
    for (const Step& s : steps) {
        pairOfRank(s.rank);
        SCOPED_TRACE("rank " + std::to_string(s.rank));
        EXPECT_EQ(mainGame->seqCombo, s.seqCombo);
        EXPECT_NEAR(mainGame->dPass, s.dPass, 1e-5);
        EXPECT_EQ(mainGame->lastSeqN, s.rank);
    }
    EXPECT_EQ(mainGame->matchesCounter, static_cast<int>(steps.size()));
}

TEST_F(RulesTest, ClicksPickUnpickAndMoveTheSelection) {
    CardRef king = alone(cardIdOf(13, 1)), queen = alone(cardIdOf(12, 1)), otherKing = alone(cardIdOf(13, 3));
    mainGame->clickCard(king);
    EXPECT_EQ(mainGame->picked, king);
    mainGame->clickCard(king);
    EXPECT_FALSE(mainGame->picked);

    mainGame->clickCard(king);
    mainGame->clickCard(queen);  // no pair: the queen is picked instead
    EXPECT_EQ(mainGame->picked, queen);
    EXPECT_TRUE(onTable(king));
    EXPECT_TRUE(onTable(queen));
    EXPECT_EQ(level->score, 0);

    mainGame->clickCard(otherKing);
    mainGame->clickCard(king);
    EXPECT_FALSE(mainGame->picked);
    EXPECT_FALSE(onTable(king));
    EXPECT_FALSE(onTable(otherKing));
    EXPECT_TRUE(onTable(queen));
}

TEST_F(RulesTest, PiecesAndStandInsNeverPair) {
    for (int id : {cardid::kReserveSlot, cardid::kEvent, cardid::kOpponentGoal}) {
        CardRef a = level->newCard(findCardData(id)), b = level->newCard(findCardData(id));
        EXPECT_FALSE(mainGame->matchCards(a, b)) << id;
    }
    CardRef a = level->newCard(placeholderCardData(500)), b = level->newCard(placeholderCardData(500));
    EXPECT_FALSE(mainGame->matchCards(a, b));
    EXPECT_EQ(mainGame->matchesCounter, 0);
}

TEST_F(RulesTest, ReserveSlotParksAFaceUpCard) {
    for (bool slotFirst : {true, false}) {
        SCOPED_TRACE(slotFirst ? "slot, then card" : "card, then slot");
        level->cards.clear();
        level->listaRezerwowych.clear();
        CardRef slot = reserveSlot(700.0f, 570.0f);
        CardRef card = alone(cardIdOf(10, 1));
        if (slotFirst) {
            mainGame->clickCard(slot);
            EXPECT_EQ(mainGame->picked, slot);
            mainGame->clickCard(card);
        } else {
            mainGame->clickCard(card);
            mainGame->clickCard(slot);
        }
        EXPECT_FALSE(mainGame->picked);
        EXPECT_FALSE(onTable(card));
        EXPECT_TRUE(containsCard(level->listaRezerwowych, card.get()));
        EXPECT_EQ(card->state, "REZERWA");
        EXPECT_EQ(slot->state, "ERASE-4");
        settle();
        EXPECT_EQ(card->state, "");
        EXPECT_EQ(card->dim.x, 700.0f);
        EXPECT_EQ(card->dim.y, 570.0f);
        EXPECT_EQ(card->side, 1);
    }
}

TEST_F(RulesTest, UsedReserveSlotLeavesTheReserveRow) {
    CardRef slot = reserveSlot(700.0f, 570.0f);
    CardRef card = alone(cardIdOf(10, 1));
    clickBoth(slot, card);
    settle();
    for (int i = 0; i < 300; ++i) level->updateCards_off();
    EXPECT_EQ(level->listaRezerwowych, (CardList{card}));
}

TEST_F(RulesTest, FifthDrawInARowResetsTheDrawCount) {
    for (int id = 1; id <= 8; ++id) level->deck.push_back(findCardData(id));
    const std::vector<int> counts = {1, 2, 3, 4, 0, 1};
    for (int expected : counts) {
        mainGame->giveDeckCard();
        EXPECT_EQ(mainGame->deckCount, expected);
        settle();
    }
    EXPECT_EQ(level->deck.size(), 2u);

    // A pair starts the count again.
    clickBoth(alone(cardIdOf(9, 1)), alone(cardIdOf(9, 2)));
    EXPECT_EQ(mainGame->deckCount, 0);
}

TEST_F(RulesTest, EmptyDeckIsRestoredWhileRestoresLastThenTheLayoutEnds) {
    alone(cardIdOf(8, 1));
    level->deck = {findCardData(5), findCardData(6)};
    mainGame->giveDeckCard();
    settle();
    mainGame->giveDeckCard();
    settle();
    ASSERT_TRUE(level->deck.empty());

    profile->CRestore = 1;
    mainGame->giveDeckCard();
    EXPECT_EQ(deckIds(), (std::vector<int>{6, 5}));  // 6 was dealt first, 5 last
    EXPECT_EQ(profile->CRestore, 0);
    EXPECT_EQ(mainGame->allreadyWin, 0);

    mainGame->giveDeckCard();
    settle();
    mainGame->giveDeckCard();
    settle();
    mainGame->giveDeckCard();  // empty again, no restore left
    EXPECT_EQ(mainGame->allreadyWin, 1);
    EXPECT_EQ(mainGame->state, "WIN");
}

TEST_F(RulesTest, WildCardJoinsTheHandUnlessItsRankIsHeld) {
    CardRef held = level->newCard(findCardData(cardIdOf(13, 1)));
    held->wild = 1;
    held->side = 1;
    profile->specCards.push_back(held);

    struct Case {
        int id;
        std::string state;
        size_t hand;
    };
    const std::vector<Case> cases = {
        {cardIdOf(13, 2), "ERASE-SPEC", 1},  // a king is in the hand already
        {cardIdOf(12, 2), "FLY-OFF", 2},
    };
    for (const Case& k : cases) {
        SCOPED_TRACE(k.state);
        CardRef wild = alone(k.id);
        wild->wild = 1;
        mainGame->clickCard(wild);
        EXPECT_EQ(wild->state, k.state);
        EXPECT_EQ(profile->specCards.size(), k.hand);
        EXPECT_EQ(containsCard(profile->specCards, wild.get()), k.hand == 2);
        EXPECT_FALSE(onTable(wild));
        EXPECT_FALSE(mainGame->picked);
    }
}

TEST_F(RulesTest, NewWildCardIsOfARankTheHandLacks) {
    for (int rank : {14, 13, 5}) {
        CardRef c = level->newCard(findCardData(cardIdOf(rank, 1)));
        c->wild = 1;
        profile->specCards.push_back(c);
    }
    std::set<int> seen;
    for (uint32_t seed = 1; seed <= 200; ++seed) {
        platform::seedRandom(seed);
        CardDataRef cd = mainGame->getRandomSpecCard();
        ASSERT_TRUE(cd);
        EXPECT_FALSE(profile->getSpecCard(cd->seqN)) << cd->seqN;
        seen.insert(cd->seqN);
    }
    EXPECT_EQ(seen.size(), 10u);

    profile->specCards.clear();
    for (int rank = 2; rank <= 14; ++rank) {
        CardRef c = level->newCard(findCardData(cardIdOf(rank, 3)));
        profile->specCards.push_back(c);
    }
    EXPECT_FALSE(mainGame->getRandomSpecCard());
}

TEST_F(RulesTest, HintAppearsAfterTenIdleSecondsAndEveryClickPutsItOff) {
    CardRef k1 = alone(cardIdOf(13, 1)), q = alone(cardIdOf(12, 1)), k2 = alone(cardIdOf(13, 4));
    platform::setManualClock(1000);
    mainGame->clickCard(q);
    for (int clock : {1000, 6000, 11000}) {
        platform::setManualClock(clock);
        mainGame->_updateHint();
        EXPECT_FALSE(mainGame->hintPair) << clock;
    }
    platform::setManualClock(11001);
    mainGame->_updateHint();
    ASSERT_TRUE(mainGame->hintPair);
    EXPECT_TRUE(mainGame->isHintCard(k1.get()));
    EXPECT_TRUE(mainGame->isHintCard(k2.get()));
    EXPECT_FALSE(mainGame->isHintCard(q.get()));

    platform::setManualClock(15000);
    mainGame->clickCard(q);
    EXPECT_FALSE(mainGame->hintPair);
    platform::setManualClock(25000);
    mainGame->_updateHint();
    EXPECT_FALSE(mainGame->hintPair);
    platform::setManualClock(25001);
    mainGame->_updateHint();
    EXPECT_TRUE(mainGame->hintPair);
}

TEST_F(RulesTest, UndoOfAPairRestoresTheScoreAndBringsTheCardsBack) {
    startMatch(50);
    mecz->punkty = 40;
    mecz->allScore = 140;
    level->score = 10;
    mainGame->lastSeqN = 6;
    mainGame->seqCombo = 3;
    mainGame->pass = mainGame->dPass = 0.5f;
    const CardDataRef runCard = findCardData(cardIdOf(6, 2));
    mainGame->sequenceCard = runCard;

    CardRef a = lay(cardIdOf(10, 1), 200.0f, 200.0f), b = lay(cardIdOf(10, 3), 500.0f, 220.0f);
    CardRef other = lay(cardIdOf(4, 1), 800.0f, 200.0f);
    clickBoth(a, b);  // breaks the run of three: pass paid, points, goals
    ASSERT_EQ(mainGame->zapis.size(), 1u);
    EXPECT_EQ(mainGame->seqCombo, 1);
    EXPECT_GT(mainGame->dPass, 0.5f);
    EXPECT_GT(mecz->wynik1, 0);
    settle();
    EXPECT_TRUE(a->isCardErased());

    mainGame->cofnij();
    EXPECT_TRUE(mainGame->zapis.empty());
    EXPECT_EQ(profile->CUndo, 0);
    EXPECT_EQ(mainGame->seqCombo, 3);
    EXPECT_EQ(mainGame->lastSeqN, 6);
    EXPECT_EQ(mainGame->sequenceCard, runCard);
    EXPECT_EQ(mainGame->dPass, 0.5f);
    EXPECT_EQ(mainGame->pass, 0.5f);
    EXPECT_EQ(level->score, 10);
    EXPECT_EQ(mecz->punkty, 40);
    EXPECT_EQ(mecz->allScore, 140);
    EXPECT_EQ(mecz->wynik1, 0);
    EXPECT_EQ(level->wynik1, 0);
    EXPECT_EQ(a->state, "MOVE-BACK");
    EXPECT_FALSE(containsCard(mainGame->erasedCards, a.get()));
    EXPECT_FALSE(containsCard(mainGame->erasedCards, b.get()));

    settle();
    EXPECT_TRUE(mainGame->backCards.empty());
    for (const auto& [card, x, y] : {std::tuple{a, 200.0f, 200.0f}, std::tuple{b, 500.0f, 220.0f}}) {
        EXPECT_TRUE(onTable(card));
        EXPECT_EQ(card->state, "NORMAL");
        EXPECT_EQ(card->dim.x, x);
        EXPECT_EQ(card->dim.y, y);
        EXPECT_EQ(card->side, 1);
    }
    EXPECT_TRUE(onTable(other));
    EXPECT_EQ(level->cards.size(), 3u);

    // Without undos left nothing is taken back.
    clickBoth(a, b);
    mainGame->cofnij();
    EXPECT_EQ(mainGame->zapis.size(), 1u);
    EXPECT_FALSE(onTable(a));
}

TEST_F(RulesTest, UndoOfADealPutsTheCardBackOnTopOfTheDeck) {
    for (bool parked : {false, true}) {
        SCOPED_TRACE(parked ? "parked in the reserve first" : "on its spot");
        level->cards.clear();
        level->listaRezerwowych.clear();
        mainGame->zapis.clear();
        profile->CUndo = 1;
        level->deck = {findCardData(5), findCardData(6), findCardData(7)};
        mainGame->giveDeckCard();
        settle();
        ASSERT_EQ(level->cards.size(), 1u);
        CardRef dealt = level->cards.back();
        EXPECT_EQ(dealt->cardId(), 7);
        if (parked) {
            CardRef slot = reserveSlot(700.0f, 570.0f);
            clickBoth(slot, dealt);
            settle();
            EXPECT_TRUE(containsCard(level->listaRezerwowych, dealt.get()));
            EXPECT_EQ(deckIds(), (std::vector<int>{5, 6}));  // parking keeps the card out of the deck
        }
        mainGame->cofnij();
        settle();
        for (int i = 0; i < 100; ++i) level->updateCards_off();
        EXPECT_EQ(deckIds(), (std::vector<int>{5, 6, 7}));
        EXPECT_FALSE(onTable(dealt));
        EXPECT_FALSE(containsCard(level->listaRezerwowych, dealt.get()));
        for (const CardRef& c : level->cards) EXPECT_EQ(c->helpDeck, 0) << c->cardId();
    }
}

TEST_F(RulesTest, PointsPastTheOpponentsGoalScoreMakeAGoal) {
    struct Case {
        bool playerSideA;
        int punkty, points;
        int goals, left;
    };
    const std::vector<Case> cases = {
        {true, 990, 37, 1, 27},  {true, 963, 37, 0, 1000}, {true, 0, 37, 0, 37},
        {true, 999, 2, 1, 1},    {false, 990, 37, 1, 27},  {false, 963, 37, 0, 1000},
    };
    for (const Case& k : cases) {
        SCOPED_TRACE(std::to_string(k.punkty) + " + " + std::to_string(k.points));
        startMatch(1000);
        if (!k.playerSideA) std::swap(mecz->sideA, mecz->sideB);
        level->score = 0;
        level->wynik1 = level->wynik2 = 0;
        mecz->punkty = k.punkty;
        mainGame->addScore(k.points, nullptr, nullptr);
        EXPECT_EQ(mecz->punkty, k.left);
        EXPECT_EQ(mecz->allScore, k.points);
        EXPECT_EQ(level->score, k.points);
        EXPECT_EQ(k.playerSideA ? mecz->wynik1 : mecz->wynik2, k.goals);
        EXPECT_EQ(k.playerSideA ? mecz->wynik2 : mecz->wynik1, 0);
        EXPECT_EQ(k.playerSideA ? level->wynik1 : level->wynik2, k.goals);
    }
}

}  // namespace
