// The tournament lost in the groups.
#pragma once

#include <string>

#include "app/ekran.h"

class TLoseGame : public TEkran {
public:
    // Not built yet: the screen hands straight on.
    virtual std::string mainLoop() { return "TABELE"; }
};
