// The find-three-cards mini-game.
#pragma once

#include "app/ekran.h"

class TFind3Cards : public TEkran {};
