#include "game_options.h"

void DrawGameOptions() {}
