#include "kit/script/script_slots.h"

#include <memory>

#include "data/level.h"
#include "data/text_field.h"

void CreateScript(int16_t slot) {
    if (slot < 0 || slot >= kScriptSlots) return;
    auto script = std::make_unique<LevelScript>();  // codes, operands and texts empty
    SetFieldText(script->Record.Title, "None");
    ScriptTable[slot] = std::move(script);
    CurrentLevel.ScriptTable[slot] = 1;
}
