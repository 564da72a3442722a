// The card's queries, commands that start its states, covering and hover.
// The per-frame work of each state is in card_states.cpp, drawing in
// card_draw.cpp.
#include "cardgame/card.h"

#include <algorithm>
#include <cmath>

#include "app/easing.h"
#include "app/geometry.h"
#include "app/globals.h"
#include "app/numbers.h"
#include "app/random.h"
#include "app/singletons.h"
#include "cardgame/level.h"
#include "cardgame/main_game.h"
#include "gui/mouse.h"
#include "platform/collision.h"
#include "platform/system.h"
#include "profiles/profile.h"
#include "sound/global_snd.h"

namespace {

constexpr float kCoverDistance = 150.0f;
constexpr float kEraseReach = 400.0f;
constexpr float kEraseSpecReach = 800.0f;
constexpr float kWildEraseAngle = 225.0f;

TDim truncatedPoint(float x, float y) {
    return newDimAt(static_cast<float>(floatToInt(x)), static_cast<float>(floatToInt(y)));
}

bool isErasing(const std::string& s) {
    return s == "ERASE" || s == "ERASE-1" || s == "ERASE-2" || s == "ERASE-3" || s == "ERASE-4";
}

platform::PlacedImage placedMask(float x, float y, float rot) {
    return platform::PlacedImage{cardMaskImage.get(), 0, x, y, rot};
}

}  // namespace

bool removeCard(CardList& list, const TCard* card) {
    auto it = std::find_if(list.begin(), list.end(), [card](const CardRef& c) { return c.get() == card; });
    if (it == list.end()) return false;
    list.erase(it);
    return true;
}

bool containsCard(const CardList& list, const TCard* card) {
    return std::any_of(list.begin(), list.end(), [card](const CardRef& c) { return c.get() == card; });
}

TDim randomCornerPoint(const TDim& start, const TDim& end) {
    return randomInt(0, 1) == 0 ? truncatedPoint(start.x, end.y) : truncatedPoint(end.x, start.y);
}

TDim dominantAxisCornerPoint(const TDim& start, const TDim& end) {
    if (std::fabs(end.y - start.y) < std::fabs(end.x - start.x)) return truncatedPoint(start.x, end.y);
    return truncatedPoint(end.x, start.y);
}

TDim arcPoint(const TDim& start, const TDim& end) {
    return truncatedPoint(start.x + std::fabs(end.x - start.x) / 2.0f, start.y - 100.0f);
}

TCard::TCard() {
    dim = newDimAt(-250.0f, -250.0f);
}

TLevel* TCard::levelPtr() const {
    if (std::shared_ptr<TLevel> l = level.lock()) return l.get();
    return nullptr;
}

std::string TCard::getStateString() const {
    std::string s = std::to_string(dim.x) + " " + std::to_string(dim.y) + " " + std::to_string(cardId()) + " " +
                    std::to_string(rot) + " " + std::to_string(sx) + " " + std::to_string(sy) + "|";
    for (const CardRef& sub : subCards)
        if (sub) s += sub->getStateString();
    return s;
}

void TCard::giveSubCards(const CardList& list) {
    for (const CardRef& c : list)
        if (c && c.get() != this) subCards.push_back(c);
}

bool TCard::inWildCards() const {
    TProfile* profile = currentProfile();
    return profile && containsCard(profile->specCards, this);
}

bool TCard::isPair() const { return mainGame && mainGame->isHintCard(this); }

CardRef TCard::removeLastSubCard() {
    if (subCards.empty()) return nullptr;
    CardRef last = subCards.back();
    subCards.pop_back();
    return last;
}

void TCard::rotate(float deg) {
    rot += deg;
    for (const CardRef& sub : subCards)
        if (sub) sub->rot += deg;
}

float TCard::countXSCaleBYRot(float angle, int debug) {
    if (debug) platform::printLine("RAD : " + std::to_string(angle));
    double a = std::isfinite(angle) ? angle : 0.0;
    // Into 0..360 (both ends kept: 360 stays 360, 720 becomes 360).
    if (a > 360.0) a = std::fmod(a, 360.0) == 0.0 ? 360.0 : std::fmod(a, 360.0);
    if (a < 0.0) a = std::fmod(a, 360.0) + 360.0;
    if (a == 0.0 || a == 360.0) {
        side = 1;
        return 1.0f;
    }
    if (a == 90.0) {
        side = 1;
        return 0.0f;
    }
    if (a < 90.0) {
        side = 1;
        return static_cast<float>(1.0 - a / 90.0);
    }
    if (a <= 180.0) {
        side = 0;
        return static_cast<float>((a - 90.0) / 90.0);
    }
    if (a <= 270.0) {
        side = 0;
        return static_cast<float>(1.0 - (a - 180.0) / 90.0);
    }
    side = 1;
    return static_cast<float>((a - 270.0) / 90.0);
}

void TCard::countLastDim() { lastDim = subCards.empty() || !subCards.back() ? dim : subCards.back()->dim; }

bool TCard::isSpecFree() const {
    return state == "NORMAL" || state == "PULL-UP" || state == "PULL-DOWN" || state.empty();
}

int TCard::countCwiartka() const {
    const bool right = dim.x > 512.0f, low = dim.y > 384.0f;
    return (low ? 2 : 0) + (right ? 1 : 0);
}

int TCard::randRotFromPosition() const {
    switch (countCwiartka()) {
        case 0: return randomInt(300, 330);
        case 1: return randomInt(30, 60);
        case 2: return randomInt(210, 240);
        default: return randomInt(120, 150);
    }
}

// --- commands ----------------------------------------------------------------------------------

void TCard::showOnBegining(int delay) {
    sx = sy = dsx = 0.0f;
    ca = dca = 0.0f;
    dRot = rot;
    moveP = 0.0f;
    time = addSaturated(platform::millisecs(), delay);
    state = "MOVE-SHOW";
}

void TCard::moveToSpot(const TDim& target) {
    startDim = truncatedPoint(dim.x, dim.y);
    endDim = truncatedPoint(target.x, target.y);
    mDim = arcPoint(startDim, endDim);
    moveP = 0.0f;
    state = "MOVE";
}

void TCard::rezerwa(const CardRef& slotCard) {
    startDim = truncatedPoint(dim.x, dim.y);
    endDim = slotCard ? truncatedPoint(slotCard->dim.x, slotCard->dim.y) : startDim;
    mDim = randomCornerPoint(startDim, endDim);
    dRot = rot;
    moveP = 0.0f;
    state = "REZERWA";
    if (TLevel* l = levelPtr()) l->checkCards(0);
}

void TCard::moveBack(const TDim& target) {
    startDim = truncatedPoint(dim.x, dim.y);
    endDim = truncatedPoint(target.x, target.y);
    moveP = 0.0f;
    TLevel* l = levelPtr();
    whereTo = l ? &l->cards : nullptr;
    state = "MOVE-BACK";
}

void TCard::moveBackSpec(const TDim& target) {
    (void)target;  // the hand decides where the card lies
    TProfile* profile = currentProfile();
    TDim place;
    if (profile) profile->getSpecCardFlyPosition(selfRef(), place);
    startHandFlight("FLY-TO-SPEC-CARDS");
}

// A flight into the hand, to the place the hand gave (scDim).
void TCard::startHandFlight(const char* flightState) {
    state = flightState;
    startDim = truncatedPoint(dim.x, dim.y);
    endDim = scDim;
    mDim = dominantAxisCornerPoint(startDim, endDim);
    sPer = 0.0f;
    rot = std::fmod(rot, 360.0f);
    if (rot < 0.0f) rot += 360.0f;
    startK = rot;
    pickedUp = 1;
}

// A flight along an arc onto the deck, after a delay.
void TCard::startDeckFlight(const TDim& target, int delay, const char* flightState) {
    startDim = truncatedPoint(dim.x, dim.y);
    endDim = truncatedPoint(target.x, target.y);
    mDim = arcPoint(startDim, endDim);
    moveP = 0.0f;
    time = addSaturated(platform::millisecs(), delay);
    state = flightState;
}

void TCard::moveToDeck(const TDim& target, int delay) { startDeckFlight(target, delay, "MOVE-BACK-TO-DECK"); }

void TCard::moveToDeck2(const TDim& target, int delay) { startDeckFlight(target, delay, "MOVE-TO-DECK"); }

void TCard::startEraseFamily(const TDim* target, int delay, float angle, float length) {
    time = addSaturated(platform::millisecs(), delay);
    dRot = rot;
    startDim = truncatedPoint(dim.x, dim.y);
    endDim = target ? truncatedPoint(target->x, target->y)
                    : truncatedPoint(dim.x + cosDeg(angle) * length, dim.y + sinDeg(angle) * length);
    mDim = randomCornerPoint(startDim, endDim);
    moveP = 0.0f;
}

// A card leaving play for the pair pile (or off the screen): it leaves the
// hand or the table, whichever holds it, and joins the game's erased cards.
void TCard::leaveForErasedPile() {
    TProfile* profile = currentProfile();
    if (profile && removeCard(profile->specCards, this)) profile->countSpecCardsRotation();
    if (TLevel* l = levelPtr()) removeCard(l->cards, this);
    CardRef self = selfRef();
    if (mainGame && self && !containsCard(mainGame->erasedCards, this)) mainGame->erasedCards.push_back(self);
}

void TCard::erase(const TDim* target, int delay) {
    startEraseFamily(target, delay, wild ? kWildEraseAngle : static_cast<float>(randRotFromPosition()), kEraseReach);
    state = "ERASE";
    CardRef keep = selfRef();
    leaveForErasedPile();
    if (TLevel* l = levelPtr()) l->checkCards(0);
}

void TCard::destroyMe(const TDim* target, int delay) {
    startEraseFamily(target, delay, wild ? kWildEraseAngle : static_cast<float>(randRotFromPosition()), kEraseReach);
    state = "DESTROY";
    CardRef keep = selfRef();
    leaveForErasedPile();
}

void TCard::eraseSpec() {
    startEraseFamily(nullptr, 0, static_cast<float>(randRotFromPosition()), kEraseSpecReach);
    state = "ERASE-SPEC";
    CardRef keep = selfRef();
    leaveForErasedPile();
    if (TLevel* l = levelPtr()) l->checkCards(0);
}

void TCard::eraseDefinitly(int delay) {
    if (state == "ERASE") {
        state = "ERASE-3";
        return;
    }
    time = addSaturated(platform::millisecs(), delay);
    moveP = 0.0f;
    state = "ERASE-2";
}

void TCard::eraseDefinitly2(const TDim* target, int delay) {
    startEraseFamily(target, delay, static_cast<float>(randRotFromPosition()), kEraseReach);
    state = "ERASE-4";
    if (TLevel* l = levelPtr()) l->checkCards(0);
}

void TCard::flyOut(int delay) {
    dRot = rot;
    startDim = truncatedPoint(dim.x, dim.y);
    endDim = newDimAt(-200.0f, -200.0f);
    mDim = randomCornerPoint(startDim, endDim);
    moveP = 0.0f;
    time = addSaturated(platform::millisecs(), delay);
    state = "FLY-OUT";
}

void TCard::shuffle(int delay, const TDim& slot) {
    TDim target = slot;
    if (helpDeck) {
        // Deck cards leave the table and go back into the deck.
        target = newDimAt(-200.0f, -200.0f);
        target.w = 0.0f;
        target.h = -1.0f;
    }
    numer = floatToInt(target.h);
    dRot = target.w;
    time = addSaturated(platform::millisecs(), delay);
    state = "SHUFFLE1";
    startDim = truncatedPoint(dim.x, dim.y);
    endDim = truncatedPoint(-400.0f, dim.y + static_cast<float>(randomInt(-50, 50)));
    mDim = randomCornerPoint(startDim, endDim);
    moveP = 0.0f;
    dimPam = target;
}

void TCard::shuffle3(int delay) {
    time = addSaturated(platform::millisecs(), delay);
    startDim = truncatedPoint(dim.x, dim.y);
    endDim = truncatedPoint(dimPam.x, dimPam.y);
    mDim = randomCornerPoint(startDim, endDim);
    moveP = 0.0f;
    // Five half-turns lie ahead, each turning the card over once.
    shuffleLandingSide = 1 - side;
    state = "SHUFFLE3";
}

int TCard::pickUp() {
    TProfile* profile = currentProfile();
    TDim place;
    if (!profile || !profile->getSpecCardFlyPosition(selfRef(), place)) {
        eraseSpec();
        return 1;
    }
    startHandFlight("FLY-OFF");
    if (globalSnd) globalSnd->playMySound("spec-card-find");
    return 0;
}

void TCard::setWildCardOnPosition() {
    if (TProfile* profile = currentProfile()) dim = profile->countSpecCardPos(*this);
}

// --- covering ----------------------------------------------------------------------------------

bool TCard::coveredBy(const TCard& upper) const {
    if (isErasing(upper.state) || upper.state == "ERASE-SPEC" || upper.state.rfind("MOVE", 0) == 0) return false;
    return platform::outlinesOverlap(placedMask(dim.x, dim.y, rot), placedMask(upper.dim.x, upper.dim.y, upper.rot));
}

bool TCard::coveredAtSlotBy(const TCard& upper) const {
    if (upper.state == "ERASE" || upper.helpDeck || upper.dimPam.h < 1.0f) return false;
    return platform::outlinesOverlap(placedMask(dimPam.x, dimPam.y, dimPam.w),
                                     placedMask(upper.dimPam.x, upper.dimPam.y, upper.dimPam.w));
}

int TCard::check(const CardList& list, int instant) {
    if (isErasing(state) || state == "MOVE") return 0;
    bool after = false;
    for (const CardRef& other : list) {
        if (!other) continue;
        if (other.get() == this) {
            after = true;
            continue;
        }
        if (!after || dimDistance(dim, other->dim) >= kCoverDistance) continue;
        if (coveredBy(*other)) {
            side = 0;
            return 0;
        }
    }
    if (side == 0) {
        if (instant)
            side = 1;
        else
            showUp();
    }
    return 0;
}

void TCard::checkShuffle(const CardList& list) {
    if (state == "ERASE") return;
    if (isPadlock()) {
        side = 1;
        return;
    }
    bool after = false;
    const TDim at = newDimAt(dimPam.x, dimPam.y);
    for (const CardRef& other : list) {
        if (!other) continue;
        if (other.get() == this) {
            after = true;
            continue;
        }
        if (!after || dimDistance(at, newDimAt(other->dimPam.x, other->dimPam.y)) >= kCoverDistance) continue;
        if (coveredAtSlotBy(*other)) {
            side = 1;
            return;
        }
    }
    side = 0;
}

// --- hover -------------------------------------------------------------------------------------

int TCard::updateOVER(int faceUpOnly) {
    if (state == "ERASE") return 0;
    over = 0;
    if (faceUpOnly && side == 0) return 0;
    if (!isSpecFree()) return 0;
    return updateOverDEBUG();
}

int TCard::updateOverDEBUG() {
    over = 0;
    if (!currentMouse) return 0;
    const platform::PlacedImage back{revers.get(), 0, dim.x, dim.y, rot};
    if (platform::outlineContains(back, static_cast<float>(currentMouse->x), static_cast<float>(currentMouse->y))) {
        over = 1;
        return 1;
    }
    return 0;
}

void TCard::_updateOverAlpha() {
    dOverA = static_cast<float>(over);
    easeToward(overA, dOverA, 0.05f * frameDelta);
}

void TCard::updateEDITOR_OVER() { easeToward(overA, dOverA, 0.05f * frameDelta); }

CardRef cloneCard(const CardRef& source) {
    if (!source) return nullptr;
    auto c = std::make_shared<TCard>();
    c->_parent = source->_parent;
    c->level = source->level;
    c->cd = source->cd;
    c->numer = source->numer;
    c->dim = source->dim;
    c->rot = source->rot;
    c->dRot = source->dRot;
    c->revers = source->revers;
    c->side = source->side;
    c->wild = source->wild;
    c->helpDeck = source->helpDeck;
    c->bonusC = source->bonusC;
    c->moveP = source->moveP;
    c->alpha = source->alpha;
    c->_p = source->_p;
    c->ca = source->ca;
    c->dca = source->dca;
    c->state = source->state;
    c->time = source->time;
    c->sx = c->sy = c->dsx = 1.0f;
    c->copyOf = source;
    if (source->wild) {
        c->scDim = source->scDim;
        c->scSpace = source->scSpace;
        c->scK = source->scK;
        c->dscK = source->dscK;
        c->sPer = source->sPer;
        c->startK = source->startK;
        c->rememberK = source->rememberK;
        c->sSpecOdl = source->sSpecOdl;
        c->specOdl = source->specOdl;
        c->dSpecOdl = source->dSpecOdl;
        c->pickedUp = source->pickedUp;
    }
    return c;
}
