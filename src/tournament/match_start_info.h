// The match start information.
#pragma once

#include "app/ekran.h"

class TMatchStartInfo : public TEkran {};
