// One physical card of the game: a table card, a dealt deck card, a reserve
// slot or parked card, a special piece or a wild card in the player's hand.
// It owns its place, turn, scale, alpha and face side, and a small state
// machine whose states are animations (moves, flips, flights, shuffles) that
// run frame by frame until they end in an idle state. It also decides whether
// it lies face up (nothing on top of it) and whether the pointer is over it.
#pragma once

#include <memory>
#include <string>
#include <vector>

#include "cardgame/card_data.h"
#include "gui/dim.h"
#include "platform/image.h"

class TLevel;
class TCard;
using CardRef = std::shared_ptr<TCard>;
using CardList = std::vector<CardRef>;

// Removes card from list when it is there; true when it was.
bool removeCard(CardList& list, const TCard* card);
bool containsCard(const CardList& list, const TCard* card);

class TCard : public std::enable_shared_from_this<TCard> {
public:
    TCard();
    virtual ~TCard() = default;

    std::shared_ptr<TCard> copyOf;  // the card this one was cloned from (undo records)
    TCard* _parent = nullptr;       // the card this one is stacked on (editor)
    platform::ImageRef revers;      // card back, chosen by the level
    std::weak_ptr<TLevel> level;
    int bonusC = 0;                 // bonus code carried (see bonus::)
    CardDataRef cd;                 // identity
    int numer = 0;                  // index in the layout; table order key
    TDim dim;                       // centre
    float rot = 0.0f;
    float dRot = 0.0f;              // rotation remembered at the start of an animation
    float sx = 1.0f, sy = 1.0f;
    float dsx = 1.0f;               // target of sx while a shuffle flips the card
    int side = 0;                   // 1 face up, 0 face down
    TDim startDim, endDim, mDim;    // the current curved move
    TDim dimPam;                    // shuffle slot: x, y, rotation in w, slot number in h
    float moveP = 0.0f;
    int wild = 0;                   // 1 = wild card
    float overA = 0.0f, dOverA = 0.0f;
    int over = 0;
    int helpDeck = 0;               // 1 = came from the deck
    float alpha = 1.0f, _p = 0.0f;  // spare values carried by clones
    float ca = 1.0f, dca = 1.0f;    // draw alpha and its target
    std::string state;              // "" and "NORMAL" are idle
    int time = 0;                   // a delayed state waits until the clock reaches this
    TDim point;
    TDim lastDim;
    CardList subCards;              // stacked cards (editor)
    int released = 1;
    TDim scDim;                     // place in the wild-card hand
    float scSpace = 0.0f, scK = 0.0f, dscK = 0.0f;
    float sPer = 0.0f;              // progress of the wild-card animations
    float startK = 0.0f, rememberK = 0.0f;
    float sSpecOdl = 0.0f, specOdl = 0.0f, dSpecOdl = 0.0f;
    int pickedUp = 0;
    int oznacz1 = 0, oznacz2 = 0;   // debug tints
    std::string _lastState;
    CardList* whereTo = nullptr;    // the list a card flying back joins
    int pairTime = 0;
    float pairP = 0.0f, dPairp = 0.0f;
    int pairCount = 0;
    int shuffleLandingSide = 0;     // the side a shuffled card lands with

    // --- queries ---
    virtual std::string getStateString() const;
    virtual void giveSubCards(const CardList& list);
    virtual bool inWildCards() const;
    virtual bool isPair() const;
    virtual bool isMoving() const { return state == "MOVE"; }
    virtual void setCardData(const CardDataRef& data) { cd = data; }
    virtual CardRef removeLastSubCard();
    virtual bool manyCards() const { return !subCards.empty(); }
    virtual void rotate(float deg);
    // The horizontal scale of a card turned by `angle` about its vertical
    // axis; sets side (face up for 270..90 through 0).
    virtual float countXSCaleBYRot(float angle, int debug = 0);
    virtual void countLastDim();
    virtual int countCards() const { return 1 + static_cast<int>(subCards.size()); }
    virtual bool isFlying() const { return state.rfind("FLY", 0) == 0; }
    virtual bool isSpecFree() const;
    virtual bool isCardErased() const { return moveP == 1.0f && state == "LIE"; }
    // Quarter of the screen the centre lies in: 0 top-left, 1 top-right,
    // 2 bottom-left, 3 bottom-right.
    virtual int countCwiartka() const;
    virtual int randRotFromPosition() const;
    bool isPadlock() const { return cd && cd->id == cardid::kPadlock; }
    int cardId() const { return cd ? cd->id : 0; }

    // --- drawing ---
    virtual void _drawSettings();
    virtual void _drawShadow();
    virtual void _drawSide(const TDim* at = nullptr);
    virtual void _drawSpecOver();
    virtual void _drawOver();
    virtual void _drawErased();
    virtual void _drawPair();
    virtual void draw();

    // --- per frame ---
    virtual void _updateOverAlpha();
    virtual void _updateState();
    virtual void _updatePair();
    virtual void _update_spec_position();
    virtual void _update_spec_kat();
    virtual void _updateSpec();
    virtual int update();
    virtual int update_off();
    virtual int updateOVER(int faceUpOnly);
    virtual int updateOverDEBUG();
    virtual void updateEDITOR_OVER();
    virtual int updateEDITOR() { return updateOVER(0); }

    // --- commands that start a state ---
    virtual void showOnBegining(int delay);
    virtual void showUp() { state = "SHOW"; }
    virtual void moveToSpot(const TDim& target);
    virtual void rezerwa(const CardRef& slotCard);
    virtual void moveBack(const TDim& target);
    virtual void moveBackSpec(const TDim& target);
    virtual void moveToDeck(const TDim& target, int delay);
    virtual void moveToDeck2(const TDim& target, int delay);
    virtual void erase(const TDim* target, int delay);
    virtual void eraseSpec();
    virtual void eraseDefinitly(int delay);
    virtual void eraseDefinitly2(const TDim* target, int delay);
    virtual void destroyMe(const TDim* target, int delay);
    virtual void flyOut(int delay);
    virtual void shuffle(int delay, const TDim& slot);
    virtual void shuffle2() { state = "SHUFFLE2"; }
    virtual void shuffle3(int delay);
    virtual int pickUp();
    virtual void setWildCardOnPosition();
    virtual void setState(const std::string& s) { state = s; }

    // --- covering ---
    // Sets the face side from the cards of `list` lying above this one.
    virtual int check(const CardList& list, int instant);
    // Sets the side a shuffled card must have before its last flips, from
    // the slots of the cards above it.
    virtual void checkShuffle(const CardList& list);
    // True when `upper`, lying at its place, touches this card at its place.
    virtual bool coveredBy(const TCard& upper) const;
    // The same at the shuffle slots.
    virtual bool coveredAtSlotBy(const TCard& upper) const;

private:
    // The card's own reference, kept while an end action may drop the last
    // other holder; null for a card not held by a shared reference.
    CardRef selfRef() { return weak_from_this().lock(); }
    // Animation steps shared by several states.
    void advance(float& progress, float speed);
    void startHandFlight(const char* flightState);
    void startDeckFlight(const TDim& target, int delay, const char* flightState);
    // The spin of cards leaving play: two turns from the start rotation,
    // flipping, along the curve; true when the flight has ended.
    bool spinAway(float speed);
    void curvedMove(float t);
    void flipWhileShuffling();
    bool waiting() const;
    void startEraseFamily(const TDim* target, int delay, float angle, float length);
    void leaveForErasedPile();
    TLevel* levelPtr() const;

    void _update_STATE_MOVE_SHOW();
    void _update_STATE_SHOW();
    void _update_STATE_MOVE();
    void _update_STATE_REZERWA();
    void _update_STATE_MOVE_BACK();
    void _update_STATE_MOVE_BACK_TO_DECK();
    void _update_STATE_MOVE_TO_DECK();
    void _update_STATE_ERASE();
    void _update_STATE_ERASE3();
    void _update_STATE_ERASE2();
    void _update_STATE_ERASE4();
    void _update_STATE_ERASE_SPEC();
    void _update_STATE_DESTROY();
    void _update_STATE_FLY_OUT();
    void _update_STATE_SHUFFLE1();
    void _update_STATE_SHUFFLE3();
    void _update_STATE_FLYOFF();
    void _update_STATE_FLY_PREPARE();
    void _update_STATE_FLY_TO_SPEC();
    void _update_STATE_HIDE_DOWN();
    void _update_STATE_PULL_UP();
    void _update_STATE_PULL_DOWN();
};

// The hover frame every card draws (loaded by the game screen).
void setCardFrameImage(const platform::ImageRef& img);

// A copy of a card for the undo history.
CardRef cloneCard(const CardRef& source);

// Control points of curved moves.
TDim randomCornerPoint(const TDim& start, const TDim& end);
TDim dominantAxisCornerPoint(const TDim& start, const TDim& end);
TDim arcPoint(const TDim& start, const TDim& end);
