// Until the square triggers are built: a weight leaving the pad lowers its flag.
#include "adventure/square_triggers.h"
#include "data/game_state.h"
#include "data/level.h"

void ReleasePressurePad(int16_t x, int16_t y) {
    if (x < 0 || x > 49 || y < 0 || y > 49 || !EventGrid[size_t(x * 50 + y)]) return;
    const int16_t flag = EventGrid[size_t(x * 50 + y)]->Word[1];
    SetGameFlag(flag, int16_t(GameFlag(flag) - 1));
}
