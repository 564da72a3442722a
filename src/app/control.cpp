#include "app/control.h"

#include "app/globals.h"
#include "app/singletons.h"
#include "app/strings.h"
#include "cardgame/main_game.h"
#include "editor/editor.h"
#include "menus/main_menu.h"
#include "menus/more_games.h"
#include "profiles/profile_manager.h"
#include "tournament/faza_pucharowa.h"
#include "tournament/lose_game.h"
#include "tournament/match_end_info.h"
#include "tournament/mecz.h"
#include "tournament/pucharowa_lose.h"
#include "tournament/tabele.h"
#include "tournament/win_cup.h"
#include "platform/input.h"
#include "platform/system.h"
#include "platform/window.h"

int Control::start() {
    currentScreenId = "MAIN-MENU";
    return 0;
}

int Control::isPlayerPlayingLevel() { return upperCase(currentScreenId) == "MAIN-GAME" ? 1 : 0; }

std::string Control::dispatch(const std::string& screenId) {
    const std::string id = upperCase(screenId);
    if (id == "MAIN-MENU") return mainMenu->mainLoop();
    if (id == "MAIN-GAME") return mainGame->mainLoop(0);
    if (id == "TABELE") return tabele->mainLoop();
    if (id == "EDITOR") return editor->mainLoop();
    if (id == "FAZA-PUCHAROWA-START") return fazaPucharowa->mainLoop();
    if (id == "LOSE-THE-WHOLE-GAME") return loseGame->mainLoop();
    if (id == "FAZA-PUCHAROWA-LOSE") return pucharowaLose->mainLoop();
    if (id == "WIN-ALL") return winCup->mainLoop();
    if (id == "MORE") {
        currentScreenId = "MAIN-MENU";
        moreGames->mainLoop();
        return "MAIN-MENU";
    }
    if (id == "RESUME-QUEST") return RESUME_Quest();
    if (id == "GET-NEXT-LEVEL") return QUEST_getNextLevel();
    if (id == "RESTART-LEVEL") return RESTART_Level();
    if (id == "START-NEW-WORLD-CUP") return START_NEW_WORLD_CUP();
    if (id == "END") return "END";
    // Never produced by a screen; recover to the main menu.
    return "MAIN-MENU";
}

int Control::mainLoop() {
    for (;;) {
        platform::printLine("WHERE : " + upperCase(currentScreenId));
        if (upperCase(currentScreenId) == "END") return 0;
        currentScreenId = dispatch(currentScreenId);
        profileManager->save();
        platform::processEvents();
        platform::flushKeys();
        platform::flushMouse();
    }
}

std::string Control::START_NEW_WORLD_CUP() {
    if (auto& profile = profileManager->profile) {
        profile->QUEST_startNew();
        profile->setNextLevel();
    }
    return "TABELE";
}

std::string Control::RESUME_Quest() {
    gameType = "QUEST";
    if (auto& profile = profileManager->profile) {
        if (mainGame->level != profile->questLevel) mainGame->setLevel(profile->questLevel, profile->mecz);
    }
    return "MAIN-GAME";
}

std::string Control::RESTART_Level() {
    platform::printLine("GAME_TYPE : " + gameType);
    if (auto& profile = profileManager->profile) profile->QUEST_RestartLevel();
    return "MAIN-GAME";
}

std::string Control::QUEST_getNextLevel() {
    mainGame->pass = 0.0f;
    mainGame->dPass = 0.0f;
    mainGame->seqCombo = 0;
    auto& profile = profileManager->profile;
    if (!profile) return "MAIN-MENU";
    if (profile->mecz && static_cast<int>(profile->mecz->levels.size()) == profile->levelId) {
        matchEndInfo->mainLoop();
    }
    return profile->setNextLevel();
}
