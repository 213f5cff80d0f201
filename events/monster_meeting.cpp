#include "events/monster_meeting.h"

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
    const EventButton attack{.action = kAttack,
                             .label = event->Word[13] != 0 ? "Attack!" : "",
                             .y = 260,
                             .hotkey1 = event->Word[13] != 0 ? int16_t('A') : int16_t(0)};
    const EventButton leave{.action = kLeave, .label = "Leave", .y = 282, .hotkey1 = 'L', .hotkey2 = kEsc, .units = 4};
    // Without "Attack!" its place answers nothing: no key and no click.
    const EventButton offered[] = {attack, leave};
    const std::span<const EventButton> buttons =
        event->Word[13] != 0 ? std::span<const EventButton>(offered) : std::span<const EventButton>(&offered[1], 1);
    if (RunEventChoice(
            "meeting", [&] { DrawEventTextPage(hx, hy, 0); }, buttons) == kAttack)
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
