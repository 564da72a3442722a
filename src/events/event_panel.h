// The event cards panel.
#pragma once

#include "app/ekran.h"

class TEventPanel : public TEkran {};
