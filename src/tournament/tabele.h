// The tournament tables screen shown before every match.
#pragma once

#include <string>

#include "app/ekran.h"

class TTabele : public TEkran {
public:
    // Not built yet: the screen hands straight on.
    virtual std::string mainLoop() { return "MAIN-MENU"; }
};
