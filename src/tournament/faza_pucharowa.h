// The knock-out phase start screen.
#pragma once

#include <string>

#include "app/ekran.h"

class TFazaPucharowa : public TEkran {
public:
    // Not built yet: the screen hands straight on.
    virtual std::string mainLoop() { return "TABELE"; }
};
