// The layout-won summary.
#pragma once

#include "app/ekran.h"

class TWinScreen : public TEkran {};
