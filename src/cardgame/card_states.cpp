// The card's states: what each does per frame and how it ends. Speeds are per
// 60 Hz frame, multiplied by the frame delta; progress values stop exactly at
// their end so endings can test for equality.
#include <cmath>

#include "app/easing.h"
#include "app/geometry.h"
#include "app/globals.h"
#include "app/numbers.h"
#include "app/singletons.h"
#include "cardgame/card.h"
#include "cardgame/level.h"
#include "cardgame/main_game.h"
#include "platform/system.h"
#include "profiles/profile.h"

void TCard::advance(float& progress, float speed) {
    progress += speed * frameDelta;
    if (progress > 1.0f) progress = 1.0f;
    if (progress < 0.0f) progress = 0.0f;
}

void TCard::curvedMove(float t) {
    dim.x = startDim.x + 2.0f * t * (mDim.x - startDim.x) + t * t * (startDim.x - 2.0f * mDim.x + endDim.x);
    dim.y = startDim.y + 2.0f * t * (mDim.y - startDim.y) + t * t * (startDim.y - 2.0f * mDim.y + endDim.y);
}

bool TCard::spinAway(float speed) {
    advance(moveP, speed);
    rot = dRot * (1.0f - moveP) + 720.0f * moveP;
    sx = countXSCaleBYRot(720.0f * moveP);
    curvedMove(moveP);
    return moveP == 1.0f;
}

void TCard::flipWhileShuffling() {
    const float before = sx;
    easeToward(sx, dsx, 0.1f * frameDelta);
    if (sx == dsx) {
        if (before > dsx) side = 1 - side;
        dsx = dsx == 0.0f ? 1.0f : 0.0f;
    }
}

bool TCard::waiting() const { return platform::millisecs() < time; }

void TCard::_updateState() {
    // One handler per state; a state's end may start another, which runs
    // from the next frame.
    static const struct {
        const char* name;
        void (TCard::*handler)();
        bool delayed;
    } table[] = {
        {"MOVE-SHOW", &TCard::_update_STATE_MOVE_SHOW, true},
        {"SHOW", &TCard::_update_STATE_SHOW, false},
        {"MOVE", &TCard::_update_STATE_MOVE, false},
        {"REZERWA", &TCard::_update_STATE_REZERWA, false},
        {"MOVE-BACK", &TCard::_update_STATE_MOVE_BACK, false},
        {"MOVE-BACK-TO-DECK", &TCard::_update_STATE_MOVE_BACK_TO_DECK, true},
        {"MOVE-TO-DECK", &TCard::_update_STATE_MOVE_TO_DECK, true},
        {"ERASE", &TCard::_update_STATE_ERASE, true},
        {"ERASE-3", &TCard::_update_STATE_ERASE3, true},
        {"ERASE-2", &TCard::_update_STATE_ERASE2, false},
        {"ERASE-4", &TCard::_update_STATE_ERASE4, true},
        {"ERASE-SPEC", &TCard::_update_STATE_ERASE_SPEC, true},
        {"DESTROY", &TCard::_update_STATE_DESTROY, true},
        {"FLY-OUT", &TCard::_update_STATE_FLY_OUT, true},
        {"SHUFFLE1", &TCard::_update_STATE_SHUFFLE1, true},
        {"SHUFFLE3", &TCard::_update_STATE_SHUFFLE3, true},
        {"FLY-OFF", &TCard::_update_STATE_FLYOFF, false},
        {"FLY-PREPARE", &TCard::_update_STATE_FLY_PREPARE, false},
        {"FLY-TO-SPEC-CARDS", &TCard::_update_STATE_FLY_TO_SPEC, false},
        {"HIDE-DOWN", &TCard::_update_STATE_HIDE_DOWN, false},
        {"PULL-UP", &TCard::_update_STATE_PULL_UP, false},
        {"PULL-DOWN", &TCard::_update_STATE_PULL_DOWN, false},
    };
    for (const auto& entry : table) {
        if (state != entry.name) continue;
        if (entry.delayed && waiting()) return;
        (this->*entry.handler)();
        return;
    }
}

void TCard::_update_STATE_MOVE_SHOW() {
    advance(moveP, 0.05f);
    const float s = sinDeg(90.0 * moveP);
    sx = sy = dsx = ca = dca = s;
    rot = dRot + 360.0f * s;
    if (s == 1.0f) state = "";
}

void TCard::_update_STATE_SHOW() {
    if (side == 0) {
        sx -= 0.15f * frameDelta;
        if (sx <= 0.0f) {
            sx = 0.0f;
            side = 1;
        }
    } else {
        sx += 0.15f * frameDelta;
        if (sx > 1.0f) sx = 1.0f;
    }
    if (side == 1 && sx == 1.0f) {
        state = "NORMAL";
        // A wild card is collected as soon as it shows; its flight to the
        // hand replaces the state.
        if (wild && mainGame) mainGame->clickSpecCard(selfRef());
    }
}

void TCard::_update_STATE_MOVE() {
    const float before = moveP;
    advance(moveP, 0.05f);
    curvedMove(moveP);
    sx = moveP <= 0.5f ? 1.0f - moveP / 0.5f : (moveP - 0.5f) / 0.5f;
    if (side == 0 && before <= 0.5f && moveP > 0.5f) side = 1;
    if (side == 1 && moveP == 1.0f) {
        state = "NORMAL";
        CardRef self = selfRef();
        if (std::shared_ptr<TLevel> l = level.lock()) l->checkCards(1);
        if (mainGame && cd) {
            if (cd->id == cardid::kEvent) mainGame->specialEvent(self);
            if (cd->id == cardid::kOpponentGoal) mainGame->enemyGoalHit(self);
        }
    }
}

void TCard::_update_STATE_REZERWA() {
    advance(moveP, 0.04f);
    rot = dRot * (1.0f - moveP) + 720.0f * moveP;
    curvedMove(moveP);
    sx = countXSCaleBYRot(720.0f * sPer);
    if (moveP == 1.0f && sx == 1.0f) {
        // A dealt card parked here stays in the reserve: its identity does
        // not go back into the deck as well.
        state = "";
    }
}

void TCard::_update_STATE_MOVE_BACK() {
    advance(moveP, 0.04f);
    dim.x = static_cast<float>(floatToInt(startDim.x + (endDim.x - startDim.x) * moveP));
    dim.y = static_cast<float>(floatToInt(startDim.y + (endDim.y - startDim.y) * moveP));
    if (moveP == 1.0f) {
        CardRef self = selfRef();
        if (whereTo && self && !containsCard(*whereTo, this)) whereTo->push_back(self);
        if (mainGame) removeCard(mainGame->backCards, this);
        if (std::shared_ptr<TLevel> l = level.lock()) l->checkCards(0);
        state = "NORMAL";
    }
}

void TCard::_update_STATE_MOVE_BACK_TO_DECK() {
    advance(moveP, 0.05f);
    curvedMove(moveP);
    sx = countXSCaleBYRot(180.0f * moveP);
    if (moveP == 1.0f) {
        CardRef self = selfRef();
        // The identity goes back once: the card is idle afterwards.
        state = "";
        if (std::shared_ptr<TLevel> l = level.lock()) {
            l->deck.push_back(cd);
            removeCard(l->cards, this);
        }
    }
}

void TCard::_update_STATE_MOVE_TO_DECK() {
    advance(moveP, 0.01f);
    curvedMove(moveP);
    rot = 360.0f * moveP;
    sx = countXSCaleBYRot(540.0f * moveP);
    if (moveP == 1.0f) {
        CardRef self = selfRef();
        state = "";
        if (std::shared_ptr<TLevel> l = level.lock()) l->deck.push_back(cd);
        if (mainGame) removeCard(mainGame->additionalCards, this);
    }
}

void TCard::_update_STATE_ERASE() {
    advance(moveP, 0.02f);
    rot = 360.0f * moveP;
    sx = countXSCaleBYRot(720.0f * moveP);
    curvedMove(moveP);
    if (moveP == 1.0f) state = "LIE";
}

void TCard::_update_STATE_ERASE3() {
    if (spinAway(0.02f)) state = "ERASE-2";
}

void TCard::_update_STATE_ERASE2() {
    dim.y += 3.0f * frameDelta;
    if (dim.y > 850.0f) {
        dim.y = 850.0f;
        startDim = endDim = mDim = newDimAt(dim.x, 850.0f);
    }
}

void TCard::_update_STATE_ERASE4() {
    if (spinAway(0.02f)) {
        CardRef self = selfRef();
        // A used reserve slot leaves the reserve row too, so it is not saved
        // back as a slot somewhere above the picture.
        if (std::shared_ptr<TLevel> l = level.lock()) {
            removeCard(l->cards, this);
            removeCard(l->listaRezerwowych, this);
        }
    }
}

void TCard::_update_STATE_ERASE_SPEC() {
    if (spinAway(0.01f)) {
        CardRef self = selfRef();
        if (mainGame) removeCard(mainGame->erasedCards, this);
        if (std::shared_ptr<TLevel> l = level.lock()) removeCard(l->cards, this);
    }
}

void TCard::_update_STATE_DESTROY() {
    const bool ended = spinAway(0.02f);
    ca = 1.0f - sinDeg(90.0 * moveP);
    if (ended) {
        CardRef self = selfRef();
        if (std::shared_ptr<TLevel> l = level.lock()) removeCard(l->cards, this);
        if (TProfile* profile = currentProfile()) removeCard(profile->specCards, this);
        if (mainGame) removeCard(mainGame->erasedCards, this);
    }
}

void TCard::_update_STATE_FLY_OUT() {
    advance(moveP, 0.01f);
    rot = dRot + 1440.0f * moveP;
    const float u = sinDeg(90.0 * moveP);
    sx = countXSCaleBYRot(static_cast<float>(floatToInt(720.0f * u)));
    curvedMove(u);
    if (moveP == 1.0f && sx == 1.0f) state = "";
}

void TCard::_update_STATE_SHUFFLE1() {
    advance(moveP, 0.01f);
    rot += 5.0f * frameDelta;
    curvedMove(moveP);
    flipWhileShuffling();
    if (moveP == 1.0f && sx == 1.0f) shuffle2();
}

void TCard::_update_STATE_SHUFFLE3() {
    advance(moveP, 0.01f);
    rot = dRot + 1440.0f * moveP;
    curvedMove(moveP);
    flipWhileShuffling();
    if (moveP == 1.0f && sx == 1.0f) {
        CardRef self = selfRef();
        side = shuffleLandingSide;
        state = "";
        if (helpDeck) {
            std::shared_ptr<TLevel> l = level.lock();
            if (!l && mainGame) l = mainGame->level;
            if (l && removeCard(l->cards, this)) l->deck.push_back(cd);
        }
    }
}

void TCard::_update_STATE_FLYOFF() {
    ca = std::min(1.0f, ca + 0.05f * frameDelta);
    advance(sPer, 0.05f);
    const float f = sinDeg(90.0 * sPer);
    sx = sy = 1.0f + 0.1f * f;
    rot = startK * (1.0f - f);
    if (sPer == 1.0f) {
        state = "FLY-PREPARE";
        sPer = 0.0f;
    }
}

void TCard::_update_STATE_FLY_PREPARE() {
    advance(sPer, 0.05f);
    ca = std::min(1.0f, ca + 0.05f * frameDelta);
    const float e = sinDeg(90.0 * sPer);
    sx = sy = 1.0f + 0.1f * (1.0f - e);
    if (sPer == 1.0f) {
        state = "FLY-TO-SPEC-CARDS";
        sPer = 0.0f;
    }
}

void TCard::_update_STATE_FLY_TO_SPEC() {
    advance(sPer, 0.02f);
    ca = std::min(1.0f, ca + 0.05f * frameDelta);
    const float o = sinDeg(90.0 * sPer);
    rot = 360.0f * o;
    curvedMove(o);
    dim.x = static_cast<float>(floatToInt(dim.x));
    dim.y = static_cast<float>(floatToInt(dim.y));
    sx = countXSCaleBYRot(720.0f * sPer);
    sy = 1.0f;
    if (sPer == 1.0f) {
        state = "HIDE-DOWN";
        sPer = 0.0f;
        side = 1;
        sx = 1.0f;
        ca = 1.0f;
    }
}

void TCard::_update_STATE_HIDE_DOWN() {
    advance(sPer, 0.05f);
    specOdl = (sSpecOdl - dSpecOdl) * (1.0f - sinDeg(90.0 * sPer));
    if (sPer == 1.0f) {
        state = "";
        sPer = 0.0f;
        _update_spec_kat();
    }
}

void TCard::_update_STATE_PULL_UP() {
    if (!mainGame || (mainGame->specOver.get() != this && mainGame->specClicked.get() != this)) {
        state = "PULL-DOWN";
    }
    if (TProfile* profile = currentProfile()) profile->setSpecCardStartData2(*this);
    advance(sPer, 0.04f);
    specOdl = sinDeg(90.0 * sPer) * (dSpecOdl - sSpecOdl);
}

void TCard::_update_STATE_PULL_DOWN() {
    if (TProfile* profile = currentProfile()) profile->setSpecCardStartData2(*this);
    advance(sPer, -0.04f);
    specOdl = sinDeg(90.0 * sPer) * (dSpecOdl - sSpecOdl);
    if (sPer == 0.0f) state = "";
}

void TCard::_updatePair() {
    easeToward(pairP, dPairp, 0.05f * frameDelta);
    if (pairP == dPairp) {
        pairCount += 1;
        dPairp = dPairp == 1.0f ? 0.0f : 1.0f;
    }
    if (pairCount >= 6 && pairP == 0.0f) {
        pairCount = 0;
        if (mainGame) mainGame->_prepareHint();
    }
}

void TCard::_update_spec_position() {
    TProfile* profile = currentProfile();
    if (!profile) return;
    scDim = profile->countSpecCardPos(*this);
    if (isFlying()) {
        endDim = scDim;
    } else {
        dim.x = scDim.x;
        dim.y = scDim.y;
        rot = 0.0f;
    }
}

void TCard::_update_spec_kat() {
    if (scK == dscK && specOdl == dSpecOdl) return;
    easeToward(scK, dscK, 1.0f * frameDelta);
    _update_spec_position();
    if (TProfile* profile = currentProfile()) profile->sortSpecCards();
}

void TCard::_updateSpec() {
    if (state == "ERASE" || state == "ERASE-2" || state == "ERASE-3" || state == "ERASE-4" || state == "LIE") return;
    _update_spec_kat();
}

int TCard::update() {
    CardRef self = selfRef();  // an end action may drop the last other holder
    _updateOverAlpha();
    _updateState();
    const int hovered = updateOVER(1);
    _lastState = state;
    if (wild) _updateSpec();
    return hovered;
}

int TCard::update_off() {
    CardRef self = selfRef();
    over = 0;
    _updateOverAlpha();
    _updateState();
    _lastState = state;
    if (wild) _updateSpec();
    return 0;
}
