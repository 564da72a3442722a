// Every screen and manager exists once for the whole run. They are created at
// start-up in a fixed order, before the window opens, and never destroyed, so
// the exit hook can still use them.
#pragma once

class TMainGame;
class TTabele;
class TFindBall;
class TPenaltyKick;
class TFind3Cards;
class TMainMenu;
class TWinScreen;
class TInGameMenu;
class TPopUp;
class TQuestContinue;
class TEnterText;
class TEventPanel;
class TWyborKraju;
class TFazaPucharowa;
class TLoseGame;
class TPucharowaLose;
class TWinCup;
class TMatchStartInfo;
class TMatchEndInfo;
class TEnemyGoal;
class TCredits;
class TDecision;
class TTutorialScreen;
class TRemis;
class TTutorialObj;
class TLevelManager;
class TProfileManager;
class TGlobalSnd;
class TOptions;
class TLoadingScreen;
class TMouse;
class TEditor;
class TMoreGames;
class TBranding;

extern TMainGame* mainGame;
extern TTabele* tabele;
extern TFindBall* findBall;
extern TPenaltyKick* penaltyKick;
extern TFind3Cards* find3Cards;
extern TMainMenu* mainMenu;
extern TWinScreen* winScreen;
extern TInGameMenu* inGameMenu;
extern TPopUp* popUp;
extern TQuestContinue* questContinue;
extern TEnterText* enterText;
extern TEventPanel* eventPanel;
extern TWyborKraju* wyborKraju;
extern TFazaPucharowa* fazaPucharowa;
extern TLoseGame* loseGame;
extern TPucharowaLose* pucharowaLose;
extern TWinCup* winCup;
extern TMatchStartInfo* matchStartInfo;
extern TMatchEndInfo* matchEndInfo;
extern TEnemyGoal* enemyGoal;
extern TCredits* credits;
extern TDecision* decision;
extern TTutorialScreen* helpScreen;
extern TRemis* remis;
extern TTutorialObj* tutorialObj;
extern TLevelManager* levelManager;
extern TProfileManager* profileManager;
extern TGlobalSnd* globalSnd;
extern TOptions* options;
extern TLoadingScreen* loadingScreen;
extern TMouse* mouse;
extern TEditor* editor;
extern TMoreGames* moreGames;
extern TBranding* branding;

// Creates every singleton in the order above (once; later calls do nothing).
void constructSingletons();
