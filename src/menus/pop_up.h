// Pop-up messages and yes/no questions over any screen.
#pragma once

#include "app/ekran.h"

class TPopUp : public TEkran {};
