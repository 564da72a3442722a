// The credits.
#pragma once

#include "app/ekran.h"

class TCredits : public TEkran {};
