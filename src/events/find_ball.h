// The find-the-ball mini-game.
#pragma once

#include "app/ekran.h"

class TFindBall : public TEkran {};
