#include "hero_screen.h"

void RunHeroScreen(int16_t) {}
