// The illustrated help pages.
#pragma once

#include "app/ekran.h"

class TTutorialScreen : public TEkran {};
