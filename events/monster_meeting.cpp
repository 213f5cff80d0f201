#include "events/monster_meeting.h"

#include <vector>

#include "adventure/square_triggers.h"
#include "data/game_state.h"
#include "events/event_screen.h"
#include "hero/carried_items.h"
#include "platform/sound.h"

namespace {

constexpr int16_t kEncounterSlots = 50;

Encounter* EncounterOf(int16_t e) { return e >= 0 && e < kEncounterSlots ? &GameState.EncounterList[e] : nullptr; }

}  // namespace

void RunMonsterEventMeeting(int16_t, int16_t, int16_t e) {
    const Encounter* m = EncounterOf(e);
    if (!m) return;
    // The page is the MONSTER EVENT's at the monster's home square.
    const int16_t hx = m->X, hy = m->Y;
    const EventRecord* event = EventAt(hx, hy);
    if (!event) return;
    PlaySoundEffect("Text");
    enum : int16_t { kLeave, kAttack };
    std::vector<EventButton> buttons{
        {.action = kLeave, .label = "Leave", .y = 282, .hotkey1 = 'L', .hotkey2 = kEsc, .units = 4}};
    if (event->Word[13] != 0) buttons.push_back({.action = kAttack, .label = "Attack!", .y = 260, .hotkey1 = 'A'});
    Screen screen("meeting");
    if (RunEventChoice(
            screen, [&] { DrawEventTextPage(hx, hy, 0); }, buttons) == kAttack)
        WakeDormantMonster(e);
}

void WakeDormantMonster(int16_t e) {
    if (Encounter* m = EncounterOf(e)) m->DormantFlag = m->DormantOp = m->DormantValue = -1;
}

void ClearWornDisguises() {
    for (int16_t cell : GameState.MonsterGrid) {
        Encounter* m = EncounterOf(cell);
        if (m && m->DisguiseItem > 0 && IsItemEquipped(m->DisguiseItem)) m->DisguiseItem = -1;
    }
}
