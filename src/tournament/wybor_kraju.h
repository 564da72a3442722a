// The country choice.
#pragma once

#include "app/ekran.h"

class TWyborKraju : public TEkran {};
