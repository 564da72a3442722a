// The in-game menu.
#pragma once

#include "app/ekran.h"

class TInGameMenu : public TEkran {};
