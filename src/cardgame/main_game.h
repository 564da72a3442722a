// The card-game screen ("MAIN-GAME"): one layout is played here. This file
// holds the rules of play (which card can be picked, pairs, the pair pile,
// the deck and its restore, the reserve row, wild cards and the hand, special
// pieces, runs, points and the idle hint) and the scoring, goal and end-of-
// layout steps they call.
#pragma once

#include <memory>
#include <string>
#include <vector>

#include "app/ekran.h"
#include "cardgame/card.h"
#include "cardgame/card_data.h"
#include "gui/dim.h"

class TLevel;
class TMecz;
class TZdarzenie;

// Two cards that pair (or, for the decision screen, two identities).
struct TCardPair {
    CardRef card1, card2;
    CardDataRef cardData1, cardData2;
};
using CardPairRef = std::shared_ptr<TCardPair>;

class TMainGame : public TEkran {
public:
    TMainGame();

    std::shared_ptr<TLevel> level;  // the layout being played
    std::shared_ptr<TMecz> mecz;    // the match it belongs to
    std::string state;              // upper case
    int _shuffle = 0;               // 1 while a shuffle runs
    int deckCount = 0;              // deck draws since the last pair
    int matchesCounter = 0;         // pairs made in this layout
    int bestPass = 0;               // longest run in this layout
    float bestMultiplier = 0.0f;
    int allreadyWin = 0;
    int testing = 0;
    int toExit = 0;

    // Rules of play.
    CardRef over, picked, specOver, specClicked, lastOver, lastSpecOver;
    int lastSeqN = 0;
    int seqCombo = 1;                // length of the current run of pairs
    CardDataRef sequenceCard;
    int minPassCombo = 2;
    int countedPaires = 0;
    CardList erasedCards;            // pairs flying to or lying at the pair pile
    CardList backCards;              // cards flying back after an undo
    CardList eventsCards;            // event cards that opened the event panel
    CardList additionalCards;        // new cards flying onto the deck
    TDim eraseDim[2];
    CardPairRef hintPair;
    int hintTime = 0;
    std::vector<std::shared_ptr<TZdarzenie>> zapis;  // undo history, oldest first

    // Pass meter: points of a pair are multiplied by dPass + 1.
    float pass = 0.0f;   // displayed value, follows dPass
    float dPass = 0.0f;
    float maxPass = 2.0f;
    float kickFrame = 0.0f, dKickFrame = 0.0f;
    std::string pickedCommentator;

    // Takes a layout and its match for the next visit of the screen.
    virtual void setLevel(const std::shared_ptr<TLevel>& newLevel, const std::shared_ptr<TMecz>& newMecz);
    virtual void newGame();
    virtual void setState(const std::string& s);
    // Not built yet: without a table to play, the screen hands back to the
    // main menu.
    virtual std::string mainLoop(int mode) {
        (void)mode;
        return "MAIN-MENU";
    }

    // --- rules of play ---
    virtual void _GAME_update_over();
    virtual void clickCard(const CardRef& card);
    virtual int clickRealySpecialCard(const CardRef& card);
    virtual void clickSpecCard(const CardRef& card);
    virtual void clickSpecCardUse(const CardRef& card);
    virtual int matchCards(const CardRef& a, const CardRef& b);
    virtual int theSameColor(const CardDataRef& a, const CardDataRef& b) const;
    virtual int matchSequenceRight(const CardRef& card) const;
    virtual void matchSequence(const CardRef& card);
    virtual void matchSequenceReset(const CardRef& card);
    virtual void sendToRezerwowy(const CardRef& card, const CardRef& slot);
    virtual void giveDeckCard();
    virtual void giveDeckCards();
    virtual TDim getEraseDim(int i) const;
    virtual CardList getShowedCards() const;
    virtual CardList getOnlyGameCards() const;
    virtual std::vector<CardPairRef> getPairesList() const;
    virtual std::vector<CardPairRef> getCardsPairesList() const;
    virtual CardPairRef getPaire(CardList& list, const CardRef& card) const;
    virtual int countPaires() const;
    virtual CardPairRef getRandomPair() const;
    virtual int thereIsPair() const { return 0; }
    virtual void _prepareHint();
    virtual void _updateHint();
    virtual void _updatePaires();
    virtual void _updateSpecCards();
    virtual CardDataRef getRandomSpecCard() const;
    virtual void giveNewRandomSpecCard();
    virtual CardDataList createCardsFiguresList() const;

    // --- scoring, goals, bonuses and the end of a layout ---
    virtual void addScore(int points, const CardRef& cardA, const CardRef& cardB);
    virtual int getGoalScore() const;
    virtual void goal();
    virtual void goalOpponent();
    virtual void addScoreCaption(int value, const std::string& kind, int x, int y);
    virtual void checkIfBonus(const CardRef& card);
    virtual void giveSequencePass();
    virtual void addPass(float x);
    virtual void removePass(float x);
    virtual void eraseErasedCards();
    virtual void specialEvent(const CardRef& card);
    virtual void enemyGoalHit(const CardRef& card);
    virtual void showWyniki() {}
    virtual void WIN();
    // The event state's work once the event panel has closed.
    virtual void _STATE_Event();

    // --- undo ---
    virtual void zdarzenie(const std::shared_ptr<TZdarzenie>& record);
    virtual void cofnij();

    // True when the card is the first or second card of the hint.
    bool isHintCard(const TCard* card) const;
    // True when the player's side is side A of the match.
    bool playerIsSideA() const;
};
