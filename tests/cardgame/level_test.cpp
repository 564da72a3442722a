// Layouts: level files read and written back, damaged numbers, the deck and
// its spots, the extras set up when a layout starts, and match files.
#include "cardgame/level.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <array>
#include <string>
#include <vector>

#include "cardgame/cardgame_test_support.h"
#include "cardgame/level_manager.h"
#include "datafile/rcm_file.h"
#include "support/scratch_folder.h"

namespace {

using cardtest::CardGameTest;
using cardtest::fixture;

std::vector<int> ids(const CardDataList& list) {
    std::vector<int> out;
    for (const CardDataRef& cd : list) out.push_back(cd ? cd->id : -1);
    return out;
}

std::vector<int> ids(const CardList& list) {
    std::vector<int> out;
    for (const CardRef& c : list) out.push_back(c->cardId());
    return out;
}

// A level file holding only what is given inside its "level" group.
LevelRef levelOf(const std::string& body) {
    LevelRef l;
    testing::internal::CaptureStdout();
    testing::internal::CaptureStderr();
    l = loadLevelText("level {\n" + body + "}\n", "test level");
    testing::internal::GetCapturedStderr();
    testing::internal::GetCapturedStdout();
    return l;
}

void expectSameLevel(const TLevel& a, const TLevel& b) {
    EXPECT_EQ(a.id, b.id);
    EXPECT_EQ(a.deckX, b.deckX);
    EXPECT_EQ(a.deckY, b.deckY);
    EXPECT_EQ(a.deckImg, b.deckImg);
    ASSERT_TRUE(a.backGround && b.backGround);
    EXPECT_EQ(a.backGround->id, b.backGround->id);
    EXPECT_EQ(a.cardsCounter, b.cardsCounter);
    const int ranges[][2] = {{a.wildShotMin, b.wildShotMin},         {a.wildShotMax, b.wildShotMax},
                             {a.wildCardsMin, b.wildCardsMin},       {a.wildCardsMax, b.wildCardsMax},
                             {a.bonusShuffleMin, b.bonusShuffleMin}, {a.bonusShuffleMax, b.bonusShuffleMax},
                             {a.bonusRetryMin, b.bonusRetryMin},     {a.bonusRetryMax, b.bonusRetryMax},
                             {a.bonusUndoMin, b.bonusUndoMin},       {a.bonusUndoMax, b.bonusUndoMax},
                             {a.bonusRestoreMin, b.bonusRestoreMin}, {a.bonusRestoreMax, b.bonusRestoreMax}};
    for (const auto& r : ranges) EXPECT_EQ(r[0], r[1]);
    ASSERT_EQ(a.cards.size(), b.cards.size());
    for (size_t i = 0; i < a.cards.size(); ++i) {
        SCOPED_TRACE("card " + std::to_string(i + 1));
        const TCard &p = *a.cards[i], &q = *b.cards[i];
        EXPECT_EQ(p.cardId(), q.cardId());
        EXPECT_EQ(p.dim.x, q.dim.x);
        EXPECT_EQ(p.dim.y, q.dim.y);
        EXPECT_EQ(p.rot, q.rot);
        EXPECT_EQ(p.wild, q.wild);
        EXPECT_EQ(p.helpDeck, q.helpDeck);
    }
    ASSERT_EQ(a.listaRezerwowych.size(), b.listaRezerwowych.size());
    for (size_t i = 0; i < a.listaRezerwowych.size(); ++i) {
        EXPECT_EQ(a.listaRezerwowych[i]->cardId(), b.listaRezerwowych[i]->cardId());
        EXPECT_EQ(a.listaRezerwowych[i]->dim.x, b.listaRezerwowych[i]->dim.x);
        EXPECT_EQ(a.listaRezerwowych[i]->dim.y, b.listaRezerwowych[i]->dim.y);
    }
    EXPECT_EQ(ids(a.deck), ids(b.deck));
}

class LevelFileTest : public CardGameTest {};

TEST_F(LevelFileTest, FixtureReadsEveryKey) {
    LevelRef l = loadLevelFile(fixture("layout.dat"));
    EXPECT_EQ(l->id, 4);
    EXPECT_EQ(l->deckX, 170);
    EXPECT_EQ(l->deckY, 570);
    ASSERT_TRUE(l->backGround);
    EXPECT_EQ(l->backGround->id, 2);
    EXPECT_EQ(l->wildShotMin, 1);
    EXPECT_EQ(l->wildShotMax, 2);
    EXPECT_EQ(l->wildCardsMax, 1);
    EXPECT_EQ(l->bonusShuffleMin, 1);
    EXPECT_EQ(l->bonusShuffleMax, 3);
    EXPECT_EQ(l->bonusRetryMax, 2);
    EXPECT_EQ(l->bonusUndoMin, 2);
    EXPECT_EQ(l->bonusRestoreMax, 1);
    EXPECT_EQ(l->cardsCounter, 37);  // the second value of cardsCount

    EXPECT_EQ(ids(l->cards), (std::vector<int>{1, 14, 77, 28, 41}));
    EXPECT_FLOAT_EQ(l->cards[1]->dim.x, 480.25f);
    EXPECT_FLOAT_EQ(l->cards[1]->dim.y, 300.5f);
    EXPECT_FLOAT_EQ(l->cards[1]->rot, 15.5f);
    EXPECT_FLOAT_EQ(l->cards[2]->rot, -33.125f);
    EXPECT_TRUE(l->cards[2]->cd->placeholder);
    EXPECT_EQ(l->cards[3]->wild, 1);
    EXPECT_EQ(l->cards[0]->wild, 0);
    EXPECT_EQ(l->cards[4]->helpDeck, 1);
    for (size_t i = 0; i < l->cards.size(); ++i) {
        EXPECT_EQ(l->cards[i]->numer, static_cast<int>(i) + 1);
        EXPECT_EQ(l->cards[i]->level.lock(), l);
    }
    ASSERT_EQ(l->allCards.size(), 4u);  // the deck card has no layout slot
    EXPECT_EQ(l->allCards[3].h, 4.0f);

    EXPECT_EQ(ids(l->listaRezerwowych), (std::vector<int>{101, 14}));
    EXPECT_EQ(l->listaRezerwowych[1]->dim.x, 790.0f);
    EXPECT_EQ(l->listaRezerwowych[1]->dim.y, 571.0f);
    EXPECT_EQ(l->listaRezerwowych[1]->side, 1);
    EXPECT_EQ(ids(l->deck), (std::vector<int>{5, 52, 104, 9}));  // d4 on top
    EXPECT_EQ(ids(l->deckPom), ids(l->deck));
}

TEST_F(LevelFileTest, SaveAndLoadAgainKeepsTheLayoutByteForByte) {
    ScratchFolder tmp;
    LevelRef first = loadLevelFile(fixture("layout.dat"));
    ASSERT_EQ(first->save(tmp.file("a.dat")), 0);

    // The keys the game's other readers use.
    std::unique_ptr<TRCMFile> f = loadRCMFile(tmp.file("a.dat"));
    EXPECT_EQ(f->getFloat("level::id"), 4.0f);
    EXPECT_EQ(f->getFloat("level::settings::deckX"), 170.0f);
    EXPECT_EQ(f->getFloat("level::settings::background"), 2.0f);
    EXPECT_EQ(f->getFloat("level::settings::cardsCount", 1), 37.0f);
    EXPECT_EQ(f->getFloat("level::settings::bonusShuffle", 1), 3.0f);
    EXPECT_EQ(f->getFloat("level::cards::i"), 5.0f);
    EXPECT_EQ(f->getFloat("level::cards::card2::dim", 2), 15.5f);
    EXPECT_EQ(f->getFloat("level::cards::card3::id"), 77.0f);  // the unknown id, kept
    EXPECT_EQ(f->getFloat("level::cards::card4::spec"), 1.0f);
    EXPECT_EQ(f->getFloat("level::cards::card5::helpDeck"), 1.0f);
    EXPECT_EQ(f->getFloat("level::rezerwowi::rez2", 0), 14.0f);
    EXPECT_EQ(f->getFloat("level::rezerwowi::rez2", 2), 571.0f);
    EXPECT_EQ(f->getFloat("level::deck::i"), 4.0f);
    EXPECT_EQ(f->getFloat("level::deck::d3"), 104.0f);

    LevelRef second = loadLevelFile(tmp.file("a.dat"));
    expectSameLevel(*first, *second);
    ASSERT_EQ(second->save(tmp.file("b.dat")), 0);
    EXPECT_EQ(ScratchFolder::read(tmp.file("a.dat")), ScratchFolder::read(tmp.file("b.dat")));
}

TEST_F(LevelFileTest, DeckHolderLookIsReadFromItsOwnKeyOnly) {
    const std::vector<std::pair<std::string, int>> cases = {
        {"", 0}, {"deckImg = 1", 0}, {"xdeckImg = 1", 1}, {"xdeckImg = 7", 0}, {"xdeckImg = -1", 0},
    };
    for (const auto& [line, look] : cases)
        EXPECT_EQ(levelOf("settings {\n" + line + "\n}\n")->deckImg, look) << line;
}

TEST_F(LevelFileTest, UnknownIdsSurviveASave) {
    ScratchFolder tmp;
    LevelRef l = levelOf(
        "cards {\ni = 1\ncard1 {\nid = 777\ndim = 300, 300, 0\n}\n}\n"
        "rezerwowi {\ni = 1\nrez1 = 999, 700, 570\n}\n"
        "deck {\ni = 2\nd1 = 300\nd2 = 3\n}\n");
    ASSERT_EQ(l->cards.size(), 1u);
    EXPECT_TRUE(l->cards[0]->cd->placeholder);
    ASSERT_EQ(l->save(tmp.file("u.dat")), 0);
    LevelRef back = loadLevelFile(tmp.file("u.dat"));
    EXPECT_EQ(ids(back->cards), (std::vector<int>{777}));
    EXPECT_EQ(ids(back->listaRezerwowych), (std::vector<int>{999}));
    EXPECT_EQ(ids(back->deck), (std::vector<int>{300, 3}));
}

// Numbers too large for a float read as infinite; a leading "nan" or "inf"
// would make the whole entry a string, so they come after a number here.
TEST_F(LevelFileTest, NonFiniteCardPlacesReadZero) {
    LevelRef l = levelOf(
        "cards {\ni = 3\n"
        "card1 {\nid = 1\ndim = 0, inf, nan\n}\n"
        "card2 {\nid = 2\ndim = 1e39, -1e39, -inf\n}\n"
        "card3 {\nid = 3\ndim = 12.5, 7, 1e3\n}\n}\n");
    ASSERT_EQ(l->cards.size(), 3u);
    for (int i = 0; i < 2; ++i) {
        EXPECT_EQ(l->cards[i]->dim.x, 0.0f) << i;
        EXPECT_EQ(l->cards[i]->dim.y, 0.0f) << i;
        EXPECT_EQ(l->cards[i]->rot, 0.0f) << i;
    }
    EXPECT_EQ(l->cards[2]->dim.x, 12.5f);
    EXPECT_EQ(l->cards[2]->dim.y, 7.0f);
    EXPECT_EQ(l->cards[2]->rot, 1000.0f);
}

TEST_F(LevelFileTest, NonFiniteDeckAndReservePlacesReadZero) {
    LevelRef l = levelOf(
        "settings {\ndeckX = 1e39\ndeckY = -1e39\n}\n"
        "rezerwowi {\ni = 1\nrez1 = 101, inf, -1e39\n}\n");
    EXPECT_EQ(l->deckX, 0);
    EXPECT_EQ(l->deckY, 0);
    ASSERT_EQ(l->spot.size(), 2u);
    EXPECT_EQ(l->spot[0].x, 90.0f);
    EXPECT_EQ(l->spot[1].x, 180.0f);
    ASSERT_EQ(l->listaRezerwowych.size(), 1u);
    EXPECT_EQ(l->listaRezerwowych[0]->dim.x, 0.0f);
    EXPECT_EQ(l->listaRezerwowych[0]->dim.y, 0.0f);
}

// A background the catalogue lacks leaves background 1 in place, and that is
// what the layout saves.
TEST_F(LevelFileTest, BackgroundIdTheCatalogueLacksKeepsBackgroundOne) {
    ScratchFolder tmp;
    LevelRef l = levelOf("settings {\nbackground = 9\n}\n");
    ASSERT_TRUE(l->backGround);
    EXPECT_EQ(l->backGround->id, 1);
    ASSERT_EQ(l->save(tmp.file("bg.dat")), 0);
    EXPECT_EQ(loadRCMFile(tmp.file("bg.dat"))->getFloat("level::settings::background"), 1.0f);
    LevelRef shown = levelOf("settings {\nbackground = 3\n}\n");
    ASSERT_EQ(shown->save(tmp.file("bg3.dat")), 0);
    EXPECT_EQ(loadRCMFile(tmp.file("bg3.dat"))->getFloat("level::settings::background"), 3.0f);
}

TEST_F(LevelFileTest, CountsAreCutToTheirLimits) {
    const std::vector<std::pair<std::string, std::array<size_t, 3>>> cases = {
        {"cards {\ni = 1500\n}\ndeck {\ni = 5000\n}\nrezerwowi {\ni = 50\n}\n", {1000, 1000, 10}},
        {"cards {\ni = 1e39\n}\ndeck {\ni = 1e12\n}\nrezerwowi {\ni = 11\n}\n", {1000, 1000, 10}},
        {"cards {\ni = -3\n}\ndeck {\ni = -1e39\n}\nrezerwowi {\ni = -1\n}\n", {0, 0, 0}},
    };
    for (const auto& [body, sizes] : cases) {
        LevelRef l = levelOf(body);
        EXPECT_EQ(l->cards.size(), sizes[0]) << body;
        EXPECT_EQ(l->deck.size(), sizes[1]) << body;
        EXPECT_EQ(l->listaRezerwowych.size(), sizes[2]) << body;
    }
}

TEST_F(LevelFileTest, MissingEmptyOrBrokenFilesGiveAnEmptyLevel) {
    ScratchFolder tmp;
    tmp.write("empty.dat", "");
    tmp.write("broken.dat", "level {\ncards {\ni = 2\ncard1 {\nid = 1\n");
    for (const char* name : {"missing.dat", "empty.dat", "broken.dat"}) {
        testing::internal::CaptureStdout();
        testing::internal::CaptureStderr();
        LevelRef l = loadLevelFile(tmp.file(name));
        const std::string reports = testing::internal::GetCapturedStderr() + testing::internal::GetCapturedStdout();
        ASSERT_TRUE(l) << name;
        EXPECT_TRUE(l->cards.empty()) << name;
        EXPECT_TRUE(l->deck.empty()) << name;
        EXPECT_TRUE(l->listaRezerwowych.empty()) << name;
        EXPECT_FALSE(reports.empty()) << name;
    }
}

// --- the deck and its spots ------------------------------------------------------------------

class DeckTest : public CardGameTest {};

TEST_F(DeckTest, SpotsLieRightOfTheDeckAndTheEmptierOneIsFree) {
    ASSERT_EQ(level->spot.size(), 2u);
    EXPECT_EQ(level->spot[0].x, 260.0f);
    EXPECT_EQ(level->spot[1].x, 350.0f);
    EXPECT_EQ(level->spot[0].y, 570.0f);

    struct Case {
        std::vector<int> onSpot;  // spot number of each card lying there
        float free;
    };
    const std::vector<Case> cases = {
        {{}, 260.0f}, {{1}, 350.0f}, {{1, 2}, 260.0f}, {{2}, 260.0f}, {{1, 1, 2}, 350.0f}, {{2, 2, 1}, 260.0f},
    };
    for (const Case& k : cases) {
        level->cards.clear();
        for (int s : k.onSpot) lay(5, level->spot[static_cast<size_t>(s - 1)].x + 2.0f, 570.0f);
        EXPECT_EQ(level->getFreeSpot().x, k.free) << k.onSpot.size() << " cards";
    }

    // A card still flying to a spot counts there already.
    level->cards.clear();
    CardRef flying = lay(5, 170.0f, 570.0f);
    flying->moveToSpot(level->spot[0]);
    EXPECT_EQ(level->getFreeSpot().x, 350.0f);
}

TEST_F(DeckTest, DealingTakesTheTopCardToAFreeSpot) {
    level->deck = {findCardData(5), findCardData(6), findCardData(7)};
    CardRef first = level->addCardFromDeck();
    ASSERT_TRUE(first);
    EXPECT_EQ(first->cardId(), 7);
    EXPECT_EQ(first->helpDeck, 1);
    EXPECT_EQ(first->state, "MOVE");
    EXPECT_EQ(level->cards.back(), first);
    EXPECT_EQ(ids(level->deck), (std::vector<int>{5, 6}));
    settle();
    EXPECT_EQ(first->dim.x, 260.0f);
    CardRef second = level->addCardFromDeck();
    settle();
    EXPECT_EQ(second->dim.x, 350.0f);
    EXPECT_EQ(first->side, 1);
    EXPECT_EQ(second->side, 1);
}

TEST_F(DeckTest, EmptyDeckIsRestoredFromTheDealtCardsLastDealtOnTop) {
    CardRef table1 = lay(20, 300.0f, 200.0f);
    CardRef dealt1 = lay(5, 260.0f, 570.0f);
    CardRef table2 = lay(21, 500.0f, 200.0f);
    CardRef dealt2 = lay(6, 350.0f, 570.0f);
    CardRef dealt3 = lay(7, 260.0f, 570.0f);
    for (const CardRef& c : {dealt1, dealt2, dealt3}) c->helpDeck = 1;
    EXPECT_FALSE(level->addCardFromDeck());
    EXPECT_EQ(ids(level->deck), (std::vector<int>{5, 6, 7}));
    EXPECT_EQ(ids(level->cards), (std::vector<int>{20, 21}));
    // Dealing again gives the last dealt card first.
    CardRef again = level->addCardFromDeck();
    ASSERT_TRUE(again);
    EXPECT_EQ(again->cardId(), 7);
}

// --- the extras of a layout's start --------------------------------------------------------

TEST_F(DeckTest, OpponentGoalJoinsTheDeckByTheOpponentsChance) {
    TTeam never, always;
    never.procent = 0;
    always.procent = 100;
    for (uint32_t seed = 1; seed <= 40; ++seed) {
        platform::seedRandom(seed);
        for (const TTeam* team : {&never, &always}) {
            level->deck = {findCardData(5), findCardData(6), findCardData(7), findCardData(8)};
            level->_prepareBramki(team);
            const std::vector<int> deck = ids(level->deck);
            const auto goals = std::count(deck.begin(), deck.end(), cardid::kOpponentGoal);
            EXPECT_EQ(goals, team->procent == 100 ? 1 : 0) << "seed " << seed;
            EXPECT_NE(deck.front(), cardid::kOpponentGoal) << "seed " << seed;
        }
    }
    level->deck.clear();
    level->_prepareBramki(&always);
    EXPECT_TRUE(level->deck.empty());
}

TEST_F(DeckTest, TableShuffleLeavesPadlockAndKeyWhereTheyLie) {
    bool moved = false;
    for (uint32_t seed = 1; seed <= 20; ++seed) {
        level->cards.clear();
        const std::vector<int> before = {1, 104, 2, 3, 105, 4, 5, 6, 104};
        for (size_t i = 0; i < before.size(); ++i) lay(before[i], 100.0f * static_cast<float>(i), 100.0f);
        platform::seedRandom(seed);
        level->_prepareCardsShuffle();
        const std::vector<int> after = ids(level->cards);
        for (size_t i = 0; i < before.size(); ++i)
            if (before[i] == 104 || before[i] == 105) {
                EXPECT_EQ(after[i], before[i]) << "seed " << seed;
            }
        std::vector<int> a = after, b = before;
        std::sort(a.begin(), a.end());
        std::sort(b.begin(), b.end());
        EXPECT_EQ(a, b);
        moved = moved || after != before;
    }
    EXPECT_TRUE(moved);
}

TEST(MatchFileTest, TemplateListsItsLayouts) {
    std::shared_ptr<TMecz> m = loadMatchFile(fixture("match.dat"));
    ASSERT_TRUE(m);
    EXPECT_EQ(m->id, 7);
    ASSERT_EQ(m->levels.size(), 3u);
    EXPECT_EQ(m->levels[0]->id, 1);
    EXPECT_EQ(m->levels[0]->url, "data/levels/first.dat");
    EXPECT_EQ(m->levels[1]->dogrywka, 0);
    EXPECT_EQ(m->levels[2]->id, 3);
    EXPECT_EQ(m->levels[2]->url, "data/levels/extra.dat");
    EXPECT_EQ(m->levels[2]->dogrywka, 1);
    EXPECT_EQ(m->getLevel(2), m->levels[1]);
}

}  // namespace
