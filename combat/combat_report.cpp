#include "combat_report.h"

#include <algorithm>

#include "data/game_state.h"
#include "platform/input.h"

void CombatPause() { Delay(uint32_t(5 - std::clamp<int>(GameState.GameSpeed, 0, 5)) * 300); }

void FlushMoveKeys() {
    for (int32_t key : {38, 40, 37, 39, 104, 98, 100, 102}) WaitUntilUp(key);
}
