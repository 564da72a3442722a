// The card catalogue: figure ranks, look-ups across the two card lists, the
// stand-in identity of unknown ids, the shipped catalogue and the face
// pictures of a catalogue file.
#include "cardgame/card_data.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>
#include <set>
#include <string>
#include <vector>

#include "cardgame/cardgame_test_support.h"
#include "support/scratch_folder.h"

namespace {

using cardtest::loadShippedCatalogue;

// Keeps the catalogue globals of the test runner and puts them back, so a
// test may load other content or add entries of its own.
class CatalogueKeeper {
public:
    CatalogueKeeper()
        : cards_(cardCatalogue), actions_(actionCardCatalogue), wilds_(specCardCatalogue), mask_(cardMaskImage) {
        for (int i = 0; i < 3; ++i) backs_[i] = cardReverseImages[i];
        for (int i = 0; i < 5; ++i) bonuses_[i] = bonusCardImages[i];
    }
    ~CatalogueKeeper() {
        cardCatalogue = cards_;
        actionCardCatalogue = actions_;
        specCardCatalogue = wilds_;
        cardMaskImage = mask_;
        for (int i = 0; i < 3; ++i) cardReverseImages[i] = backs_[i];
        for (int i = 0; i < 5; ++i) bonusCardImages[i] = bonuses_[i];
    }

private:
    CardDataList cards_, actions_, wilds_;
    platform::ImageRef mask_, backs_[3], bonuses_[5];
};

CardDataRef identity(int id, const std::string& nazwa) {
    auto cd = std::make_shared<TCardData>();
    cd->id = id;
    cd->nazwa = nazwa;
    return cd;
}

TEST(FigureRankTest, FacesNumbersAndEverythingElse) {
    const std::vector<std::pair<std::string, int>> cases = {
        {"A", 14}, {"K", 13}, {"Q", 12}, {"J", 11}, {"10", 10}, {"2", 2},
        {"X", 0},  {"", 0},   {"LOCK", 0}, {"a", 0}, {"7x", 0}, {"-5", 0},
    };
    for (const auto& [nazwa, rank] : cases) EXPECT_EQ(figureRank(nazwa), rank) << '"' << nazwa << '"';
}

TEST(CardCatalogueTest, LookUpsAcrossBothListsAndTheDealtPool) {
    CatalogueKeeper keep;
    cardCatalogue = {identity(1, "A"), identity(99, "2"), identity(100, "X")};
    actionCardCatalogue = {identity(101, "SLOT"), identity(120, "EXTRA")};

    ASSERT_TRUE(findCardData(100));
    EXPECT_EQ(findCardData(100)->nazwa, "X");
    ASSERT_TRUE(findCardData(120));
    EXPECT_EQ(findCardData(120)->nazwa, "EXTRA");
    EXPECT_FALSE(findCardData(55));

    // Decks are refilled from ids below 100 only.
    std::vector<int> pool;
    for (const CardDataRef& cd : getDeckCardDataList()) pool.push_back(cd->id);
    EXPECT_EQ(pool, (std::vector<int>{1, 99}));

    // An id in both lists is the table card's identity.
    cardCatalogue.push_back(identity(120, "FIRST"));
    EXPECT_EQ(findCardData(120)->nazwa, "FIRST");
}

TEST(CardCatalogueTest, UnknownIdGetsAStandInThatKeepsTheId) {
    CatalogueKeeper keep;
    cardCatalogue = {identity(1, "A")};
    actionCardCatalogue.clear();
    EXPECT_FALSE(findCardData(4242));
    CardDataRef cd = placeholderCardData(4242);
    ASSERT_TRUE(cd);
    EXPECT_EQ(cd->id, 4242);
    EXPECT_TRUE(cd->placeholder);
    EXPECT_EQ(cd->seqN, 0);
    EXPECT_FALSE(cd->img);
    EXPECT_FALSE(findCardData(1)->placeholder);
}

TEST(CardCatalogueTest, ShippedCatalogueHasFiftyTwoCardsAndTheFixedPieces) {
    loadShippedCatalogue();
    const CardDataList pool = getDeckCardDataList();
    ASSERT_EQ(pool.size(), 52u);
    std::set<int> ids;
    for (const CardDataRef& cd : pool) {
        ids.insert(cd->id);
        EXPECT_TRUE(cd->img) << cd->id;
    }
    EXPECT_EQ(*ids.begin(), 1);
    EXPECT_EQ(*ids.rbegin(), 52);
    EXPECT_EQ(ids.size(), 52u);

    // The first 13 are one suit, one of each figure: the wild-card hand's list.
    std::set<int> ranks;
    for (size_t i = 0; i < 13; ++i) {
        EXPECT_EQ(cardCatalogue[i]->kolor, cardCatalogue[0]->kolor) << i;
        ranks.insert(cardCatalogue[i]->seqN);
    }
    EXPECT_EQ(ranks.size(), 13u);
    EXPECT_EQ(*ranks.begin(), 2);
    EXPECT_EQ(*ranks.rbegin(), 14);

    // Ids with a fixed meaning live in the action list; padlock and key pair.
    for (int id : {101, 102, 103, 104, 105}) {
        ASSERT_TRUE(findCardData(id)) << id;
        EXPECT_TRUE(std::any_of(actionCardCatalogue.begin(), actionCardCatalogue.end(),
                                [id](const CardDataRef& cd) { return cd->id == id; }))
            << id;
    }
    EXPECT_EQ(findCardData(104)->nazwa, findCardData(105)->nazwa);
    EXPECT_TRUE(cardMaskImage);
}

// A catalogue file in a game folder of its own: "0 0 0" after a face picture
// means one whole picture, other numbers a strip of cells.
TEST(CardCatalogueTest, FacePicturesAreWholeOrStripsAsTheFileSays) {
    CatalogueKeeper keep;
    ScratchFolder game(true);
    game.write("data/cards.dat", ScratchFolder::read(cardtest::fixture("catalogue/data/cards.dat")));
    std::filesystem::create_directories(game.file("gfx"));
    ASSERT_TRUE(platform::savePNG(game.file("gfx/whole.png"), 30, 40, std::vector<uint8_t>(30 * 40 * 4, 255)));
    ASSERT_TRUE(platform::savePNG(game.file("gfx/strip.png"), 30, 20, std::vector<uint8_t>(30 * 20 * 4, 255)));

    testing::internal::CaptureStderr();  // the backs, bonus faces and mask are not in this folder
    loadCardCatalogue();
    testing::internal::GetCapturedStderr();

    ASSERT_EQ(cardCatalogue.size(), 3u);  // ids 7, 8 and 100
    ASSERT_EQ(actionCardCatalogue.size(), 1u);
    EXPECT_EQ(actionCardCatalogue[0]->id, 120);

    CardDataRef whole = findCardData(7);
    ASSERT_TRUE(whole && whole->img);
    EXPECT_EQ(whole->img->width(), 30);
    EXPECT_EQ(whole->img->height(), 40);
    EXPECT_EQ(whole->img->frameCount(), 1);
    EXPECT_EQ(whole->kolor, 3);
    EXPECT_EQ(whole->seqN, 12);

    CardDataRef cell = findCardData(8);
    ASSERT_TRUE(cell && cell->img);
    EXPECT_EQ(cell->img->width(), 10);
    EXPECT_EQ(cell->img->height(), 20);
    EXPECT_EQ(cell->img->frameCount(), 3);
    EXPECT_EQ(cell->frame, 2);
    EXPECT_EQ(cell->seqN, 10);
    EXPECT_EQ(findCardData(100)->img, cell->img);  // one picture shared by its cards

    std::vector<int> pool;
    for (const CardDataRef& cd : getDeckCardDataList()) pool.push_back(cd->id);
    EXPECT_EQ(pool, (std::vector<int>{7, 8}));
}

}  // namespace
