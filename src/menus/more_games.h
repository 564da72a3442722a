// The page reached by "MORE". Shows nothing; the dispatcher returns to the
// main menu after it.
#pragma once

#include <string>

class TMoreGames {
public:
    virtual ~TMoreGames() = default;
    virtual void setup() {}
    virtual std::string mainLoop() { return "MAIN-MENU"; }
};
