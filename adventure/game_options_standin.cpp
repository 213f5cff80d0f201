#include "game_options.h"

void DrawGameOptions() {}
uint32_t RunGameOptions(int16_t) { return 0; }
