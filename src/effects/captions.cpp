#include "effects/captions.h"

#include <algorithm>
#include <set>
#include <string>

#include "app/content_paths.h"
#include "app/easing.h"
#include "app/geometry.h"
#include "app/globals.h"
#include "app/numbers.h"
#include "platform/render.h"
#include "platform/system.h"

CaptionList captionList;
platform::ImageRef captionEffectImages[16];
platform::ImageRef digitImages[10];
platform::ImageRef plusImage;
platform::ImageRef captionTextImages[10];

namespace {

constexpr int kCaptionFlags = platform::IMAGE_FILTERED | platform::IMAGE_MIPMAPPED;

CaptionList& listOr(CaptionList* list) { return list ? *list : captionList; }

template <typename Caption>
std::shared_ptr<Caption> joinList(std::shared_ptr<Caption> c, CaptionList* list) {
    CaptionList& l = listOr(list);
    c->list = &l;
    l.push_back(c);
    return c;
}

void penFor(const TCaption& c, float alpha, float scaleX, float scaleY, float rotation) {
    platform::setColor(c.rgb.r, c.rgb.g, c.rgb.b);
    platform::setRotation(rotation);
    platform::setAlpha(alpha);
    platform::setBlend(platform::Blend::ALPHA);
    platform::setScale(scaleX, scaleY);
}

}  // namespace

bool TCaption::_updateAlpha() { return easeToward(a, da, aSpeed * frameDelta); }

void TCaption::_updateScale() {
    easeToward(sx, dsx, sxSpeed * frameDelta);
    easeToward(sy, dsy, sySpeed * frameDelta);
}

bool TCaption::_updatePercent() { return easeToward(p, dp, pSpeed * frameDelta); }

void TCaption::_updateRotation() { r += rSpeed * frameDelta; }

void TCaption::_updatePosition() {
    x += ax * frameDelta;
    y += ay * frameDelta;
}

void TCaption::_updateMotion() {
    _updateScale();
    _updatePercent();
    _updateRotation();
    _updatePosition();
}

void TCaption::update() {
    _updateMotion();
    if (_updateAlpha()) destroy();
}

void TCaption::destroy() {
    if (!list) return;
    CaptionList& l = *list;
    auto it = std::find_if(l.begin(), l.end(), [this](const std::shared_ptr<TCaption>& c) { return c.get() == this; });
    if (it != l.end()) l.erase(it);
}

void TImgCaption::switchMe() {
    time = addSaturated(time, platform::millisecs());
    dp = 0.0f;
    da = 0.0f;
    dsx = dsy = 0.0f;
}

void TImgCaption::update() {
    _updateMotion();
    _updateAlpha();
    if (dp == 1.0f && p == 1.0f) switchMe();
    if (time < platform::millisecs() && dp == 0.0f) destroy();
}

void TImgCaption::draw() {
    penFor(*this, a, sx, sy, r);
    platform::drawImage(img, x, y);
}

void TSpecImgCaption::startKilling() {
    dp = 0.0f;
    da = 0.0f;
    dsx = dsy = 0.0f;
    r = 0.0f;
    rSpeed = 0.0f;
}

void TSpecImgCaption::update() {
    if (time < platform::millisecs() && dp != 0.0f) startKilling();
    _updateMotion();
    if (_updateAlpha()) destroy();
}

void TSpecImgCaption::draw() {
    if (dp != 0.0f) {
        const float b = sinDeg(90.0 * p);
        penFor(*this, b, 2.0f - b, 2.0f - b, 720.0f * b);
    } else {
        penFor(*this, a, sx, sy, r);
    }
    platform::drawImage(img, x, y);
}

void TTextCaption::setup() {
    const char* digits[10] = {contentpath::kCaptionDigit0, contentpath::kCaptionDigit1, contentpath::kCaptionDigit2,
                              contentpath::kCaptionDigit3, contentpath::kCaptionDigit4, contentpath::kCaptionDigit5,
                              contentpath::kCaptionDigit6, contentpath::kCaptionDigit7, contentpath::kCaptionDigit8,
                              contentpath::kCaptionDigit9};
    for (int d = 0; d < 10; ++d) digitImages[d] = platform::loadImage(digits[d], kCaptionFlags);
    plusImage = platform::loadImage(contentpath::kCaptionPlus, kCaptionFlags);
    platform::setImageHandle(plusImage, 0.0f, -10.0f);
    const char* words[8] = {contentpath::kCaptionColorMatch,   contentpath::kCaptionPerfectMatch,
                            contentpath::kCaptionPoints,       contentpath::kCaptionSequence,
                            contentpath::kCaptionSpecialMatch, contentpath::kCaptionSpecialMatch,
                            contentpath::kCaptionSpecialMatch, contentpath::kCaptionSpecialMatch};
    for (int i = 0; i < 8; ++i) captionTextImages[i] = platform::loadImage(words[i], kCaptionFlags);
}

void TTextCaption::countValue() {
    valueList.clear();
    // The digits of the number; a minus sign has no picture and is left out.
    for (char c : std::to_string(v))
        if (c >= '0' && c <= '9') valueList.push_back(digitImages[c - '0']);
    float width = valueList.empty() ? 0.0f : static_cast<float>(platform::imageWidth(plusImage));
    for (const platform::ImageRef& d : valueList) width += static_cast<float>(platform::imageWidth(d));
    width += 10.0f;
    if (imageNumber >= 0 && imageNumber < 10) width += static_cast<float>(platform::imageWidth(captionTextImages[imageNumber]));
    if (x < 50.0f) x = 50.0f;
    if (x + width > 950.0f) x = 950.0f - width;
}

void TTextCaption::draw() {
    penFor(*this, a, 1.0f, 1.0f, 0.0f);
    float pen = x;
    if (!valueList.empty()) {
        platform::drawImage(plusImage, pen, y);
        pen += static_cast<float>(platform::imageWidth(plusImage));
    }
    for (const platform::ImageRef& d : valueList) {
        platform::drawImage(d, pen, y);
        pen += static_cast<float>(platform::imageWidth(d));
    }
    if (imageNumber >= 0 && imageNumber < 10 && captionTextImages[imageNumber])
        platform::drawImage(captionTextImages[imageNumber], pen + 10.0f, y);
}

void setupCaptions() {
    const char* effects[16] = {contentpath::kCaptionNeutral1, contentpath::kCaptionNeutral2, contentpath::kCaptionNeutral3,
                               contentpath::kCaptionWin1,     contentpath::kCaptionWin2,     contentpath::kCaptionWin3,
                               contentpath::kCaptionGoal,     contentpath::kCaptionOpponentGoal,
                               contentpath::kCaptionMatchBegin, contentpath::kCaptionLongPass, contentpath::kCaptionWin4,
                               contentpath::kCaptionBad1,     contentpath::kCaptionBad2,     contentpath::kCaptionBad3,
                               contentpath::kCaptionBad4,     contentpath::kCaptionPerfect};
    for (int i = 0; i < 16; ++i) {
        captionEffectImages[i] = platform::loadImage(effects[i], kCaptionFlags);
        if (captionEffectImages[i])
            captionEffectImages[i]->midHandle();
        else
            platform::printLine("NIE MA : " + std::to_string(i));
    }
    TTextCaption::setup();
}

void updateCaptions(CaptionList* list) {
    const CaptionList snapshot = listOr(list);
    for (const auto& c : snapshot) c->update();
}

void drawCaptions(CaptionList* list) {
    const CaptionList snapshot = listOr(list);
    for (const auto& c : snapshot) c->draw();
}

std::shared_ptr<TImgCaption> createImgCaption(const platform::ImageRef& img, float x, float y, int holdTime,
                                              CaptionList* list) {
    auto c = std::make_shared<TImgCaption>();
    c->img = img;
    c->x = x;
    c->y = y;
    c->time = holdTime;
    c->a = 0.0f;
    c->da = 1.0f;
    c->aSpeed = 0.01f;
    c->sx = c->sy = 1.4f;
    c->dsx = c->dsy = 1.0f;
    c->sxSpeed = c->sySpeed = 0.02f;
    c->p = 0.0f;
    c->dp = 1.0f;
    c->pSpeed = 0.01f;
    c->rSpeed = 0.0f;
    return joinList(c, list);
}

std::shared_ptr<TSpecImgCaption> createSpecImgCaption(const platform::ImageRef& img, float x, float y, int showTime,
                                                      CaptionList* list) {
    auto c = std::make_shared<TSpecImgCaption>();
    c->img = img;
    c->x = x;
    c->y = y;
    c->time = addSaturated(platform::millisecs(), showTime);
    c->a = c->da = 1.0f;
    c->aSpeed = 0.04f;
    c->sx = c->dsx = c->sy = c->dsy = 1.0f;
    c->sxSpeed = c->sySpeed = 0.02f;
    c->p = 0.0f;
    c->dp = 1.0f;
    return joinList(c, list);
}

std::shared_ptr<TTextCaption> createTextCaption(int imageNumber, int value, float x, float y, int delay,
                                                CaptionList* list) {
    auto c = std::make_shared<TTextCaption>();
    c->time = addSaturated(delay, platform::millisecs());
    c->x = x;
    c->y = y;
    c->aSpeed = 0.01f;
    c->sx = c->sy = 2.0f;
    c->dsx = c->dsy = 1.0f;
    c->a = 1.0f;
    c->da = 0.0f;
    c->imageNumber = imageNumber;
    c->v = value;
    c->ax = 0.0f;
    c->ay = -0.1f;
    c->countValue();
    return joinList(c, list);
}

platform::ImageRef captionEffectImage(int index) {
    if (index >= 0 && index < 16) return captionEffectImages[index];
    static std::set<int> reported;
    if (reported.insert(index).second)
        platform::printLine("Napotkano problem : no caption picture " + std::to_string(index));
    return nullptr;
}
