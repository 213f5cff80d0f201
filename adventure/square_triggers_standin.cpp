#include "square_triggers.h"
#include "events/event_screen.h"
#include "platform/fonts.h"

const std::array<const char*, 26> SoundNames = {};

int16_t DrawEventTextPage(int16_t x, int16_t y, int16_t page) {
    DrawEventBackground();
    const EventRecord* e = EventAt(x, y);
    if (!e || page < 0 || page > 1) return 132;
    for (int16_t i = 0; i < 10; ++i) DrawSmallText(465, int16_t(120 + 12 * i), EventLine(*e, page, i), kSmallBlack);
    return int16_t(144 + 12 * LastEventLine(*e, page, 9));
}
void RunPressurePadEvent(int16_t, int16_t) {}
void RunActivateScriptEvent(int16_t, int16_t) {}
