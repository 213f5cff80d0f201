// The USE ITEM FROM BACKPACK EVENT, fired after the hero screen for the item just used.
#include <algorithm>

#include "data/game_state.h"
#include "data/level.h"
#include "data/square_kinds.h"
#include "events/event_screen.h"
#include "hero/item_use.h"
#include "platform/fonts.h"
#include "platform/sound.h"
#include "push_and_travel.h"
#include "script/flags.h"
#include "teleport.h"
#include "view/play_screen.h"

void CheckUseItemEvent() {
    const int16_t x = GameState.HeroX, y = GameState.HeroY;
    const EventRecord* e = EventAt(x, y);
    if (e && e->Word[0] == kUseItemFromBackpackEvent && CheckFlagCondition(e->Word[1], e->Word[2], e->Word[3]) &&
        e->Word[8] == ItemInUse)
        RunUseItemFromBackpackEvent(x, y);
    ItemInUse = -1;
}

void RunUseItemFromBackpackEvent(int16_t x, int16_t y) {
    const EventRecord* e = EventAt(x, y);
    if (!e) return;
    int16_t w[33];
    std::copy(std::begin(e->Word), std::end(e->Word), w);
    if (e->Text[0][0][0] != '\0') ShowUseItemText(x, y);
    PlaySoundEffect("PowerUp");
    // This event's own operators: 1 subtracts and 2 adds, the reverse of the common ones.
    const int16_t flag = w[5], value = w[7], old = GameFlag(flag);
    switch (w[6]) {
        case 0: SetGameFlag(flag, value); break;
        case 1: SetGameFlag(flag, int16_t(uint16_t(old) - uint16_t(value))); break;
        case 2: SetGameFlag(flag, int16_t(uint16_t(old) + uint16_t(value))); break;
        default: break;
    }
    if (w[9] > 0) TeleportHero(w[9], 0, w[10], w[11], 0);
    DrawPlayScreen(1, 1, 0, -1, -1, 1);
}

void ShowUseItemText(int16_t x, int16_t y) {
    const EventRecord* e = EventAt(x, y);
    if (!e) return;
    PlaySoundEffect("Curse");
    const auto page = [e] {
        DrawEventBackground();
        for (int16_t i = 0; i < 9; ++i) DrawSmallText(465, int16_t(120 + 12 * i), EventLine(*e, 0, i), kSmallBlack);
    };
    Screen screen("use item text");
    RunEventChoice(screen, page, {kLeaveButton});
}
