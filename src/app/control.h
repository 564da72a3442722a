// The screen dispatcher and the quest routing: runs one screen at a time and
// takes the id it returns as the next screen.
#pragma once

#include <string>

class Control {
public:
    static int start();
    static int mainLoop();
    static int isPlayerPlayingLevel();
    static std::string START_NEW_WORLD_CUP();
    static std::string RESUME_Quest();
    static std::string RESTART_Level();
    static std::string QUEST_getNextLevel();

    // Runs the screen for one id and returns the next id; an id the table
    // does not know goes to the main menu.
    static std::string dispatch(const std::string& screenId);
};
