#include "script_search.h"

#include <cstdint>
#include <string>

#include "data/level.h"
#include "platform/message_boxes.h"

namespace {

constexpr int16_t kGiveSkillCode = 29;

}  // namespace

void FindGskScripts() {
    int32_t count = 0;
    // Level files are 0..129; the wilderness arena (130) is never a file.
    for (int16_t level = 0; level < kLevelCount; ++level) {
        if (!LoadLevel(level, 1, 0)) continue;
        for (int16_t slot = 0; slot < kScriptSlots; ++slot) {
            const LevelScript* script = ScriptTable[size_t(slot)].get();
            if (!script) continue;
            for (int16_t line = 0; line < kScriptLines; ++line) {
                if (script->Record.Code[line] != kGiveSkillCode) continue;
                ++count;
                ShowMessage(50, 50, "Found GSK at",
                            "Map=" + std::to_string(level) + ",Script=" + std::to_string(slot));
            }
        }
    }
    ShowMessage(50, 50, "Instances found=", std::to_string(count));
}
