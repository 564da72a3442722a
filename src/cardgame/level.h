// A card layout: the table cards in drawing order, the deck, the reserve row,
// the background, the deck position with its spots, the settings of the
// random extras and the running state of the layout (score, goals). Read from
// and written to level files (the shipped layouts, the editor's layouts and
// the layout a profile keeps for resuming).
#pragma once

#include <memory>
#include <string>
#include <vector>

#include "cardgame/card.h"
#include "cardgame/card_data.h"
#include "gui/dim.h"

class TRCMFile;
class TTeam;

// A layout reference inside a match template.
struct TLevelData {
    virtual ~TLevelData() = default;
    int id = 0;          // number within its match
    std::string url;     // level file
    int dogrywka = 0;    // played as extra time
};

// The inherited id holds the file's "level::id"; url and dogrywka stay empty.
class TLevel : public TLevelData, public std::enable_shared_from_this<TLevel> {
public:
    TLevel();

    int wildShotMin = 0, wildShotMax = 0;
    int wildCardsMin = 0, wildCardsMax = 0;
    int bonusShuffleMin = 0, bonusShuffleMax = 0;
    int bonusRetryMin = 0, bonusRetryMax = 0;
    int bonusUndoMin = 0, bonusUndoMax = 0;
    int bonusRestoreMin = 0, bonusRestoreMax = 0;
    int cardsCounter = 0;  // playable cards at the start (0 = not counted yet)
    int deckX = 512, deckY = 700;
    std::vector<TDim> spot;
    int spotd = 0;
    int spots = 2;
    int reversN = 0;       // card back 0..2
    int deckImg = 0;       // deck holder look 0/1
    CardList listaRezerwowych;
    BackgroundRef backGround;
    int backGroundId = 1;  // id of backGround; 1 when the catalogue lacks even background 1
    CardList cards;        // table, drawing order (later on top), dealt deck cards included
    CardDataList deck;     // last element is the top card
    std::vector<TDim> allCards;  // layout slots: x, y, rotation in w, file index in h
    CardRef over;
    CardDataList allowedSpec;
    CardDataList deckPom;  // the deck as read from the file
    int score = 0;
    int wynik1 = 0, wynik2 = 0;

    virtual ~TLevel() = default;

    virtual void setBackground(int backgroundId);
    virtual void countSpots();
    virtual int countOnlyPlayableCards() const;
    virtual int countPlayableCards() const;
    virtual int countPlayableCardsWin() const;
    // Writes the level file (atomically); 0 on success, -1 (reported) when
    // it could not be written.
    virtual int save(const std::string& path);
    // The level file's keys and values, into a data file.
    void writeTo(TRCMFile& f) const;
    virtual void drawBack();
    virtual void drawRezerwa();
    virtual void drawCards();
    virtual void drawDeckCards();
    virtual void drawErasedCards();
    virtual void drawDeck();
    virtual TDim getDeckDim() const;
    virtual TDim getDeckDim2(int n) const;
    virtual TDim getDeckDimReverse() const;
    virtual void updateCards();
    virtual void updateCards_off();
    virtual void updateCardsEditor();
    virtual bool updateDeckOVER() const;
    virtual bool isDeckCard() const;
    virtual bool isCardMoving() const;
    virtual TDim getFreeSpot() const;
    virtual CardRef addCardFromDeck();
    virtual CardRef addFromDeck(const CardDataRef& data, bool addToTable);
    virtual void addDeckCardsToCards();
    virtual void addDeck(const CardDataList& list);
    virtual void addCard(const CardRef& card);
    virtual CardDataRef getCardFromDeck();
    virtual CardRef getCardByIndex(int i) const;
    virtual CardRef getRandomCard() const;
    virtual CardRef getRandomCardForBonus() const;
    virtual void checkCardsShuffle();
    virtual void checkCards(int instant);
    virtual bool playerWins() const { return countPlayableCardsWin() == 0; }
    virtual bool playerLose() const { return false; }
    virtual void _prepareCardsShuffle();
    virtual void _prepareDeckShuffle();
    virtual void _prepareWildCards();
    virtual void _prepareWildShots();
    virtual void _prepareShuffleBonus();
    virtual void _prepareUndoBonus();
    virtual void _prepareRetryBonus();
    virtual void _prepareRestoreBonus();
    virtual void _prepareBramki(const TTeam* team);
    virtual void _preparePass();
    virtual void prepareAtStart(const TTeam* team);
    virtual void makeDeckAfterShuffle();

    // A new card of this layout, face down with the layout's card back.
    CardRef newCard(const CardDataRef& data);
    platform::ImageRef backImage() const;

private:
    void prepareBonus(int least, int most, int code);
};
using LevelRef = std::shared_ptr<TLevel>;

// Most cards, deck entries and reserve entries a level file may hold; larger
// counts are cut down with a report.
inline constexpr int kMostLevelCards = 1000;
inline constexpr int kMostDeckCards = 1000;
inline constexpr int kMostReserveCards = 10;

// A new level read from a level file. A missing or empty file is reported
// and gives a level without cards.
LevelRef loadLevelFile(const std::string& path);
// The same from the text of a level file (no disk access); `name` is used in
// reports.
LevelRef loadLevelText(const std::string& text, const std::string& name);
// A new empty level for the editor: spots counted, background 1 loaded.
LevelRef newEditorLevel();
