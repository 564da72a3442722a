#include "app/ekran.h"

#include "app/common_tick.h"
#include "app/easing.h"
#include "app/globals.h"
#include "gui/gui.h"
#include "gui/mouse.h"
#include "platform/render.h"

TEkran::TEkran() = default;
TEkran::~TEkran() = default;

void TEkran::setup() {}

void TEkran::sendPixMap() { lastScreen = this; }

void TEkran::_drawGui() {
    if (Gui) Gui->draw();
}

void TEkran::_drawFade() {
    platform::setBlend(platform::Blend::ALPHA);
    platform::setScale(1.0f, 1.0f);
    platform::setRotation(0.0f);
    platform::setAlpha(fade);
    platform::setColor(0, 0, 0);
    platform::drawRect(0.0f, 0.0f, platform::virtualWidth(), platform::virtualHeight());
    platform::setColor(255, 255, 255);
    platform::setAlpha(1.0f);
}

void TEkran::_drawMouse() {
    if (currentMouse) currentMouse->draw();
}

void TEkran::draw() {}

void TEkran::_updatePer() { easeToward(p, dp, pSpeed * frameDelta); }

void TEkran::_updateFade() { easeToward(fade, dFade, fSpeed * frameDelta); }

void TEkran::_updateAlpha() { easeToward(alpha, dAlpha, aSpeed * frameDelta); }

void TEkran::_updateGui() {
    if (!Gui) return;
    for (auto& obj : Gui->_listaObiektow) {
        obj->_alpha = alpha;
        obj->_dAlpha = alpha;
    }
    Gui->update();
}

void TEkran::update() {}

platform::ImageRef TEkran::_getMyScreen() {
    platform::cls();
    draw();
    return platform::captureImage(0, 0, static_cast<int>(platform::virtualWidth()),
                                  static_cast<int>(platform::virtualHeight()));
}

void TEkran::STANDARD_DATA() {
    alpha = 1.0f;
    dAlpha = 1.0f;
    fade = 0.0f;
    dFade = 0.0f;
}

void TEkran::_prepareDelta() {
    for (int i = 0; i < 25; ++i) tickFrameTimer();
}

void TEkran::runFrames(const std::function<void()>& control, const std::function<bool()>& finished) {
    while (_exit == 0) {
        platform::cls();
        update();
        draw();
        platform::flip();
        if (control) control();
        if (finished && finished()) _exit = 1;
    }
}
