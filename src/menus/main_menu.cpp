#include "menus/main_menu.h"

#include "app/common_tick.h"
#include "app/content_paths.h"
#include "app/globals.h"
#include "app/loading_screen.h"
#include "app/singletons.h"
#include "app/texts.h"
#include "platform/input.h"
#include "platform/render.h"

void TMainMenu::setup() {
    lineFont = platform::loadFont(contentpath::kDisplayFont, 26, platform::FONT_SMOOTH);
    auto texts = loadTxtFile(contentpath::kGameTexts);
    subtitle = txtLine(texts, 2);
    hint = txtLine(texts, 3);
}

void TMainMenu::prepare() {
    wynik = "";
    _exit = 0;
    alpha = 0.0f;
    dAlpha = 1.0f;
    fade = 0.0f;
    dFade = 0.0f;
    _prepareDelta();
}

std::string TMainMenu::mainLoop() {
    prepare();
    runFrames([this] { _controlKEYBOARD(); }, [this] { return fadeOutComplete(); });
    return wynik;
}

void TMainMenu::update() {
    standardUpdate();
    _updateAlpha();
    _updateFade();
    _updateGui();
}

void TMainMenu::_controlKEYBOARD() {
    if (platform::keyHit(platform::KEY_ESCAPE) && wynik.empty()) {
        wynik = "END";
        dFade = 1.0f;
    }
}

void TMainMenu::_drawBack() {
    platform::resetDrawState();
    if (loadingScreen) platform::drawImage(loadingScreen->back, 0.0f, 0.0f);
}

namespace {

void drawCentredText(const platform::FontRef& font, const std::string& text, float centreX, float y) {
    platform::setFont(font);
    int w = platform::textWidth(text);
    platform::drawText(text, centreX - static_cast<float>(w / 2), y);
}

}  // namespace

void TMainMenu::_drawTitleCard() {
    // A night-blue band over the foot of the picture (where the loading marks
    // were), with a gold rule on top, holding the two lines of the card.
    const float top = 632.0f;
    platform::setBlend(platform::Blend::ALPHA);
    platform::setColor(8, 20, 40);
    platform::setAlpha(0.88f * alpha);
    platform::drawRect(0.0f, top, 1024.0f, 768.0f - top);
    platform::setColor(226, 184, 74);
    platform::setAlpha(alpha);
    platform::drawRect(0.0f, top, 1024.0f, 2.0f);

    platform::setColor(236, 242, 236);
    drawCentredText(lineFont, subtitle, 512.0f, top + 30.0f);
    platform::setColor(226, 184, 74);
    drawCentredText(lineFont, hint, 512.0f, top + 78.0f);
    platform::resetDrawState();
}

void TMainMenu::draw() {
    _drawBack();
    _drawTitleCard();
    _drawGui();
    _drawFade();
}
