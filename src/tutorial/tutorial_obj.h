// The tutorial tips shown over the game screens.
#pragma once

#include "app/ekran.h"

class TTutorialObj : public TEkran {};
