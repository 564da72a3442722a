// A knock-out match lost.
#pragma once

#include <string>

#include "app/ekran.h"

class TPucharowaLose : public TEkran {
public:
    // Not built yet: the screen hands straight on.
    virtual std::string mainLoop() { return "TABELE"; }
};
