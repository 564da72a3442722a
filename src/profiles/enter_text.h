// The profile name entry.
#pragma once

#include "app/ekran.h"

class TEnterText : public TEkran {};
