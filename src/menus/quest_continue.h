// The question whether to resume the tournament or start anew.
#pragma once

#include "app/ekran.h"

class TQuestContinue : public TEkran {};
