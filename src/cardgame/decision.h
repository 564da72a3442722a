// The decision screen shown when the table is stuck.
#pragma once

#include "app/ekran.h"

class TDecision : public TEkran {};
