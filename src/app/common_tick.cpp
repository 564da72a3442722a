#include "app/common_tick.h"

#include "app/globals.h"
#include "app/numbers.h"
#include "app/singletons.h"
#include "gui/mouse.h"
#include "platform/font.h"
#include "platform/input.h"
#include "platform/render.h"
#include "platform/system.h"
#include "platform/window.h"
#include "profiles/profile_manager.h"
#include "sound/global_snd.h"

void tickFrameTimer() {
    frameTimer->Update();
    frameDelta = frameTimer->CurrDelta();
    platform::processEvents();
}

bool quitRequested() {
    if (platform::closeRequested()) return true;
    return platform::keyDown(platform::KEY_LALT) && platform::keyHit(platform::KEY_F4) > 0;
}

void standardUpdate() {
    tickFrameTimer();
    if (mouse) mouse->update();
    if (quitRequested()) {
        if (profileManager) profileManager->save();
        platform::exitProcess(0);
    }
    if (platform::appSuspended()) pauseScreen();
    if (globalSnd) globalSnd->update();
}

void pauseScreen() {
    if (globalSnd) globalSnd->pauseSounds();
    platform::ImageRef picture = platform::capturePresentedImage(0, 0, 1024, 768);
    do {
        platform::cls();
        tickFrameTimer();
        platform::resetDrawState();
        platform::drawImage(picture, 0.0f, 0.0f);
        platform::setAlpha(0.5f);
        platform::setColor(0, 0, 0);
        platform::drawRect(0.0f, 0.0f, 1024.0f, 768.0f);
        platform::setColor(255, 255, 255);
        platform::setAlpha(1.0f);
        platform::setFont(pauseFont);
        int w = platform::textWidth(pauseText);
        int h = platform::textHeight(pauseText);
        platform::drawText(pauseText, static_cast<float>(512 - w / 2), static_cast<float>(364 - h / 2));
        platform::flip();
        // Leaving from the pause picture ends at once; the exit hook still
        // saves the profiles.
        if (quitRequested()) platform::exitProcess(0);
    } while (platform::appSuspended());
    if (globalSnd) globalSnd->resumeSounds();
}
