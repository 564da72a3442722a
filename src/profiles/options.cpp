#include "profiles/options.h"

#include "app/application.h"
#include "app/control.h"
#include "app/globals.h"
#include "app/numbers.h"
#include "app/singletons.h"
#include "datafile/rcm_file.h"
#include "platform/files.h"
#include "platform/system.h"
#include "platform/window.h"
#include "sound/global_snd.h"

std::vector<TModeAttempt> chooseModeAttempts(int fullScreen, int desktopHeight) {
    std::vector<TModeAttempt> attempts;
    if (fullScreen == 1) {
        if (desktopHeight >= 768) attempts.push_back({1024, 768, 32, false});
        attempts.push_back({800, 600, 32, true});
    } else {
        if (desktopHeight > 768) attempts.push_back({1024, 768, 0, false});
        if (desktopHeight <= 600) {
            attempts.push_back({640, 480, 0, true});
        } else {
            attempts.push_back({819, 614, 0, true});
        }
    }
    return attempts;
}

std::string TOptions::settingsPath() { return myDocsFolder + "/Data/settings.dat"; }

bool TOptions::saveOptions() {
    std::unique_ptr<TRCMFile> file = newRCMFile();
    file->setFloat("settings::fullScreen", static_cast<float>(fullScreen), 0);
    file->setFloat("settings::musicVolume", musicVol, 0);
    file->setFloat("settings::soundVolume", soundVol, 0);
    file->setFloat("settings::commentVolume", commentVol, 0);
    file->setFloat("settings::mute", static_cast<float>(mute), 0);
    return file->saveChecked(settingsPath(), nullptr);
}

void TOptions::loadOptions() {
    if (platform::pathKind(settingsPath()) == platform::PathKind::NONE) saveOptions();
    std::unique_ptr<TRCMFile> file = loadRCMFile(settingsPath());
    file->printAll();
    fullScreen = floatToInt(file->getFloat("settings::fullScreen", 0, 0));
    soundVol = file->getFloat("settings::soundVolume", 0, 0);
    musicVol = file->getFloat("settings::musicVolume", 0, 0);
    commentVol = file->getFloat("settings::commentVolume", 0, 0);
    mute = floatToInt(file->getFloat("settings::mute", 0, 0));
    if (globalSnd) {
        globalSnd->setMusicVol(musicVol);
        globalSnd->setSoundVol(soundVol);
    }
}

void TOptions::openWindowed() {
    fullScreen = 0;
    openScreen();
}

bool TOptions::openScreen() {
    std::vector<TModeAttempt> attempts = chooseModeAttempts(fullScreen, platform::desktopHeight());
    for (const TModeAttempt& a : attempts) {
        if (platform::openGraphics(a.width, a.height, a.depth)) {
            openVirtualScreen(1024, 768, 3);
            return true;
        }
    }
    // Last resort: a window of the size that failed last.
    const TModeAttempt& lastTried = attempts.back();
    if (lastTried.depth != 0 && platform::openGraphics(lastTried.width, lastTried.height, 0)) {
        openVirtualScreen(1024, 768, 3);
        return true;
    }
    return false;
}

void TOptions::switchMute() {
    mute = 1 - mute;
    if (Control::isPlayerPlayingLevel() && globalSnd) {
        if (mute == 1) {
            globalSnd->stopAllMusic();
        } else {
            globalSnd->playMusicBack();
        }
    }
}

void TOptions::checkSoundStuff() {
    if (musicVol < 0.0f) musicVol = 0.0f;
    if (musicVol > 1.0f) musicVol = 1.0f;
    if (soundVol < 0.0f) soundVol = 0.0f;
    if (soundVol > 1.0f) soundVol = 1.0f;
    if (globalSnd) {
        globalSnd->setMusicVol(musicVol);
        globalSnd->setSoundVol(soundVol);
    }
}

void TOptions::switchScreen() {
    fullScreen = 1 - fullScreen;
    openScreen();
}
