// The cup won.
#pragma once

#include <string>

#include "app/ekran.h"

class TWinCup : public TEkran {
public:
    // Not built yet: the screen hands straight on.
    virtual std::string mainLoop() { return "MAIN-MENU"; }
};
