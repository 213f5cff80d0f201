#include "data/game_state.h"
#include "hero/item_instances.h"
#include "hud_help.h"

void HudButtonHelp() {}

int CanUseBow() {
    return GameState.EquipSlots[kBowSlot] != kNone && GameState.EquipSlots[kAmmunitionSlot] != kNone ? 1 : 0;
}
