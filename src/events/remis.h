// The draw decider of a knock-out match.
#pragma once

#include "app/ekran.h"

class TRemis : public TEkran {};
