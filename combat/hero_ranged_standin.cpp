#include "hero_ranged.h"

int RunRangedCombat() { return 0; }
