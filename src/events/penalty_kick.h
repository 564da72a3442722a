// The penalty-kick mini-game.
#pragma once

#include "app/ekran.h"

class TPenaltyKick : public TEkran {};
