// Drawing a card: shadow, face or back, bonus face, hover frame and the hint
// pulse.
#include "app/geometry.h"
#include "app/singletons.h"
#include "cardgame/card.h"
#include "cardgame/main_game.h"
#include "platform/render.h"

namespace {

// The frame drawn around a hovered card; the game screen loads it.
platform::ImageRef& frameImage() {
    static platform::ImageRef img;
    return img;
}

}  // namespace

void setCardFrameImage(const platform::ImageRef& img) { frameImage() = img; }

void TCard::_drawSettings() {
    platform::setBlend(platform::Blend::ALPHA);
    platform::setAlpha(ca);
    platform::setScale(isPadlock() ? 1.0f : sx, sy);
    platform::setRotation(rot);
    platform::setColor(255, 255, 255);
}

void TCard::_drawShadow() {
    platform::setColor(0, 0, 0);
    platform::setAlpha(ca * 0.3f);
    platform::drawImage(revers, dim.x + 2.0f, dim.y + 2.0f);
    platform::setColor(255, 255, 255);
    platform::setAlpha(ca);
}

// The face (with its bonus face) or the back, as the side says. A stand-in
// identity has no face picture and shows the back.
static void drawFaceOrBack(const TCard& c, float x, float y) {
    const bool faceUp = c.side == 1 || c.isPadlock();
    if (faceUp && c.cd && c.cd->img) {
        platform::drawImage(c.cd->img, x, y, c.cd->frame);
        if (c.bonusC > 0) platform::drawImage(bonusCardImage(c.bonusC), x, y);
    } else {
        platform::drawImage(c.revers, x, y);
    }
}

void TCard::_drawSide(const TDim* at) {
    const TDim& p = at ? *at : dim;
    if (wild && !inWildCards()) platform::setColor(200, 200, 0);
    if (isPair()) {
        _drawPair();
        return;
    }
    if (oznacz1) platform::setColor(0, 255, 0);
    if (oznacz2) platform::setColor(255, 0, 0);
    drawFaceOrBack(*this, p.x, p.y);
    platform::setColor(255, 255, 255);
}

void TCard::_drawSpecOver() {
    if (!mainGame || mainGame->specOver.get() != this) return;
    platform::setAlpha(overA);
    platform::drawImage(frameImage(), dim.x, dim.y);
}

void TCard::_drawOver() {
    if (pickedUp) {
        _drawSpecOver();
        return;
    }
    if (overA != 0.0f) {
        platform::setAlpha(overA);
        platform::drawImage(frameImage(), dim.x, dim.y);
    }
}

void TCard::_drawPair() {
    const float s = sinDeg(90.0 * pairP);
    platform::setAlpha(ca);
    platform::setScale(sx + 0.2f * s, sy + 0.2f * s);
    platform::setRotation(rot);
    _drawShadow();
    drawFaceOrBack(*this, dim.x, dim.y);
}

void TCard::_drawErased() {
    _drawSettings();
    drawFaceOrBack(*this, dim.x, dim.y);
}

void TCard::draw() {
    _drawSettings();
    _drawShadow();
    _drawSide();
    _drawOver();
}
