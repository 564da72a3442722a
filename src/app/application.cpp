#include "app/application.h"

#include "app/content_paths.h"
#include "app/control.h"
#include "app/globals.h"
#include "app/loading_screen.h"
#include "app/paths.h"
#include "app/reports.h"
#include "app/singletons.h"
#include "app/texts.h"
#include "menus/branding.h"
#include "menus/main_menu.h"
#include "platform/audio.h"
#include "platform/render.h"
#include "platform/system.h"
#include "platform/window.h"
#include "profiles/options.h"
#include "profiles/profile_manager.h"

void openVirtualScreen(int width, int height, int mode) {
    (void)mode;
    platform::setVirtualScreen(width, height);
    platform::cls();
}

void initApplication() {
    setupUserFolders();
    Paths::getPaths();
    options->loadOptions();
    if (!options->openScreen()) {
        platform::notify("Fieldstack could not open a window or a full-screen mode on this display.", true);
        platform::exitProcess(1);
    }
    platform::seedRandom(static_cast<uint32_t>(platform::millisecs()));
    platform::initAudio();

    pauseText = txtLine(loadTxtFile(contentpath::kGameTexts), 1);
    pauseFont = platform::loadFont(contentpath::kDisplayFont, 72, platform::FONT_SMOOTH);
    pointImage = loadImageChecked(contentpath::kPointImage);

    branding->setup();
    branding->mainLoop();

    loadingScreen->PART1();
    loadingScreen->PART2();
    loadingScreen->PART3();
    loadingScreen->PART4();
    loadingScreen->PART5();

    platform::printLine("myDocsFolder : " + myDocsFolder);
}

void runApplication() {
    mainMenu->_prepareDelta();
    Control::start();
    Control::mainLoop();
}

void shutdownApplication() {
    profileManager->save();
    options->saveOptions();
}

void onExitSaveProfiles() {
    if (profileManager) profileManager->save();
}

int runGame() {
    frameTimer = new TDeltaTime();
    frameTimer->SetFPS(60.0f);
    constructSingletons();
    platform::setWindowTitle(windowTitle);
    userFolderName = "Fieldstack";
    initApplication();
    platform::setExitHook(onExitSaveProfiles);
    runApplication();
    shutdownApplication();
    return 0;
}
