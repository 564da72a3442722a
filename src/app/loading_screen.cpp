#include "app/loading_screen.h"

#include <algorithm>

#include "app/content_paths.h"
#include "app/numbers.h"
#include "app/reports.h"
#include "app/singletons.h"
#include "app/texts.h"
#include "cardgame/card_data.h"
#include "cardgame/decision.h"
#include "effects/captions.h"
#include "cardgame/level_manager.h"
#include "cardgame/main_game.h"
#include "editor/editor.h"
#include "events/enemy_goal.h"
#include "events/event_panel.h"
#include "events/find3_cards.h"
#include "events/find_ball.h"
#include "events/penalty_kick.h"
#include "events/remis.h"
#include "gui/theme.h"
#include "menus/credits.h"
#include "menus/in_game_menu.h"
#include "menus/main_menu.h"
#include "menus/more_games.h"
#include "menus/pop_up.h"
#include "menus/quest_continue.h"
#include "menus/tutorial_screen.h"
#include "menus/win_screen.h"
#include "platform/input.h"
#include "platform/render.h"
#include "platform/window.h"
#include "profiles/enter_text.h"
#include "profiles/options.h"
#include "profiles/profile_manager.h"
#include "sound/global_snd.h"
#include "tournament/faza_pucharowa.h"
#include "tournament/lose_game.h"
#include "tournament/match_end_info.h"
#include "tournament/match_start_info.h"
#include "tournament/pucharowa_lose.h"
#include "tournament/tabele.h"
#include "tournament/win_cup.h"
#include "tournament/wybor_kraju.h"
#include "tutorial/tutorial_obj.h"

TLoadingScreen::TLoadingScreen() {
    back = loadImageChecked(contentpath::kLoadingBack, platform::IMAGE_NONE);
    dot[0] = loadImageChecked(contentpath::kLoadingMarkOff);
    dot[1] = loadImageChecked(contentpath::kLoadingMarkOn);
    platform::midHandleImage(dot[0]);
    platform::midHandleImage(dot[1]);
    p = 0;
    maxProgress = 5;
}

void TLoadingScreen::_drawBack() {
    platform::setBlend(platform::Blend::ALPHA);
    platform::drawImage(back, 0.0f, 0.0f);
}

int TLoadingScreen::markX(int i, int count, int markWidth, float pictureWidth) {
    int w = markWidth + 50;
    return floatToInt(pictureWidth / 2.0f) - (count * w) / 2 + w / 2 + (i - 1) * w;
}

void TLoadingScreen::_drawProgress() {
    int y = floatToInt(platform::virtualHeight() * 0.9f);
    for (int i = 1; i <= maxProgress; ++i) {
        const platform::ImageRef& mark = i <= p ? dot[1] : dot[0];
        int x = markX(i, maxProgress, platform::imageWidth(dot[0]), platform::virtualWidth());
        platform::drawImage(mark, static_cast<float>(x), static_cast<float>(y));
    }
}

void TLoadingScreen::draw() {
    _drawBack();
    _drawProgress();
}

void TLoadingScreen::drawNormal() {
    platform::resetDrawState();
    draw();
    platform::flip();
    platform::processEvents();
}

void TLoadingScreen::progress() {
    p = std::min(p + 1, maxProgress);
    drawNormal();
}

void TLoadingScreen::PART1() {
    drawNormal();
    // The window theme every window and menu bar uses unless it names its own.
    createTheme("temat1", contentpath::kWindowTheme, nullptr);
    mainGame->setup();
    tabele->setup();
    tutorialObj->setup();
    Teksty::setup();
    globalSnd->setup();
    globalSnd->_setupExctComments(1);
    globalSnd->_setupExctComments(2);
    progress();
}

void TLoadingScreen::PART2() {
    mainMenu->setup();
    winScreen->setup();
    inGameMenu->setup();
    popUp->setup();
    questContinue->setup();
    enterText->setup();
    globalSnd->_setupExctMusic(1);
    globalSnd->_setupExctMusic(9);
    globalSnd->_setupExctComments(3);
    progress();
}

void TLoadingScreen::PART3() {
    wyborKraju->setup();
    levelManager->setup();
    profileManager->setup();
    findBall->setup();
    penaltyKick->setup();
    globalSnd->_setupExctMusic(2);
    globalSnd->_setupExctMusic(5);
    globalSnd->_setupExctMusic(8);
    globalSnd->_setupExctComments(4);
    credits->setup();
    helpScreen->setup();
    remis->setup();
    decision->setup();
    progress();
}

void TLoadingScreen::PART4() {
    options->setup();
    editor->setup();
    loadCardCatalogue();
    loadSpecCardCatalogue();
    loadBackgroundCatalogue();
    setupCaptions();
    eventPanel->setup();
    globalSnd->_setupExctComments(5);
    globalSnd->_setupExctMusic(3);
    globalSnd->_setupExctMusic(6);
    progress();
}

void TLoadingScreen::PART5() {
    profileManager->loadProfiles();
    globalSnd->_setupExctComments(6);
    globalSnd->_setupExctMusic(4);
    globalSnd->_setupExctMusic(7);
    loseGame->setup();
    fazaPucharowa->setup();
    pucharowaLose->setup();
    winCup->setup();
    matchStartInfo->setup();
    matchEndInfo->setup();
    moreGames->setup();
    find3Cards->setup();
    enemyGoal->setup();
    progress();
    platform::flushMouse();
    platform::flushKeys();
}
