// The opponent goal event.
#pragma once

#include "app/ekran.h"

class TEnemyGoal : public TEkran {};
