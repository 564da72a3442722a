#include "app/singletons.h"

#include "app/loading_screen.h"
#include "cardgame/decision.h"
#include "cardgame/level_manager.h"
#include "cardgame/main_game.h"
#include "editor/editor.h"
#include "events/enemy_goal.h"
#include "events/event_panel.h"
#include "events/find3_cards.h"
#include "events/find_ball.h"
#include "events/penalty_kick.h"
#include "events/remis.h"
#include "gui/mouse.h"
#include "menus/branding.h"
#include "menus/credits.h"
#include "menus/in_game_menu.h"
#include "menus/main_menu.h"
#include "menus/more_games.h"
#include "menus/pop_up.h"
#include "menus/quest_continue.h"
#include "menus/tutorial_screen.h"
#include "menus/win_screen.h"
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

TMainGame* mainGame = nullptr;
TTabele* tabele = nullptr;
TFindBall* findBall = nullptr;
TPenaltyKick* penaltyKick = nullptr;
TFind3Cards* find3Cards = nullptr;
TMainMenu* mainMenu = nullptr;
TWinScreen* winScreen = nullptr;
TInGameMenu* inGameMenu = nullptr;
TPopUp* popUp = nullptr;
TQuestContinue* questContinue = nullptr;
TEnterText* enterText = nullptr;
TEventPanel* eventPanel = nullptr;
TWyborKraju* wyborKraju = nullptr;
TFazaPucharowa* fazaPucharowa = nullptr;
TLoseGame* loseGame = nullptr;
TPucharowaLose* pucharowaLose = nullptr;
TWinCup* winCup = nullptr;
TMatchStartInfo* matchStartInfo = nullptr;
TMatchEndInfo* matchEndInfo = nullptr;
TEnemyGoal* enemyGoal = nullptr;
TCredits* credits = nullptr;
TDecision* decision = nullptr;
TTutorialScreen* helpScreen = nullptr;
TRemis* remis = nullptr;
TTutorialObj* tutorialObj = nullptr;
TLevelManager* levelManager = nullptr;
TProfileManager* profileManager = nullptr;
TGlobalSnd* globalSnd = nullptr;
TOptions* options = nullptr;
TLoadingScreen* loadingScreen = nullptr;
TMouse* mouse = nullptr;
TEditor* editor = nullptr;
TMoreGames* moreGames = nullptr;
TBranding* branding = nullptr;

void constructSingletons() {
    if (mainGame) return;
    mainGame = new TMainGame();
    tabele = new TTabele();
    findBall = new TFindBall();
    penaltyKick = new TPenaltyKick();
    find3Cards = new TFind3Cards();
    mainMenu = new TMainMenu();
    winScreen = new TWinScreen();
    inGameMenu = new TInGameMenu();
    popUp = new TPopUp();
    questContinue = new TQuestContinue();
    enterText = new TEnterText();
    eventPanel = new TEventPanel();
    wyborKraju = new TWyborKraju();
    fazaPucharowa = new TFazaPucharowa();
    loseGame = new TLoseGame();
    pucharowaLose = new TPucharowaLose();
    winCup = new TWinCup();
    matchStartInfo = new TMatchStartInfo();
    matchEndInfo = new TMatchEndInfo();
    enemyGoal = new TEnemyGoal();
    credits = new TCredits();
    decision = new TDecision();
    helpScreen = new TTutorialScreen();
    remis = new TRemis();
    tutorialObj = new TTutorialObj();
    levelManager = new TLevelManager();
    profileManager = new TProfileManager();
    globalSnd = new TGlobalSnd();
    options = new TOptions();
    loadingScreen = new TLoadingScreen();
    mouse = new TMouse();
    editor = new TEditor();
    moreGames = new TMoreGames();
    branding = new TBranding();
}
