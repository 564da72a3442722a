// The event cards panel.
#pragma once

#include <string>

#include "app/ekran.h"

class TEventPanel : public TEkran {
public:
    // Runs the panel until it closes. Until the panel exists an event has no
    // effect.
    virtual std::string mainLoop() { return ""; }
};
