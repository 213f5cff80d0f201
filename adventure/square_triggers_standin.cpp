#include "square_triggers.h"
#include "view/play_screen.h"

const std::array<const char*, 26> SoundNames = {};

int16_t DrawEventTextPage(int16_t, int16_t, int16_t) {
    DrawPlayScreen(0, 1, 0, -1, -1, 0);
    return 120;
}
void RunPressurePadEvent(int16_t, int16_t) {}
void RunActivateScriptEvent(int16_t, int16_t) {}
