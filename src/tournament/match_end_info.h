// The match end information.
#pragma once

#include <string>

#include "app/ekran.h"

class TMatchEndInfo : public TEkran {
public:
    // Not built yet: the screen hands straight on.
    virtual std::string mainLoop() { return ""; }
};
