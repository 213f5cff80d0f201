// Codes that steer a run (CSC, GOT, END) and the two that only show or sound something
// (BLA, PSO). Markers and remarks do nothing when run.
#include "adventure/square_triggers.h"
#include "platform/display.h"
#include "platform/fonts.h"
#include "platform/input.h"
#include "platform/message_boxes.h"
#include "platform/sound.h"
#include "script_codes.h"

namespace {
constexpr int16_t kBackgroundTile = 1327;
}  // namespace

void ChangeScriptCode(ScriptRun& run) {
    const auto op = LineOperands(run);
    const int16_t script = op[0];
    if (script < 0 || script >= kScriptSlots || !ScriptTable[size_t(script)]) {
        ShowMessage(60, 60, "Change Script Error!", "No such script!");
        return;
    }
    // Without the mark the new script runs from its line 1, as the run adds one.
    run.script = script;
    run.line = 0;
    JumpToMark(run, op[1]);
}

void GotoCode(ScriptRun& run) { JumpToMark(run, LineOperands(run)[0]); }

void EndCode(ScriptRun& run) { run.leave = true; }

void BlackOutCode(ScriptRun& run) {
    FillScreenWithTile(kBackgroundTile);
    if (const ScriptLineText* text = LineText(run)) DrawBigText(130, 180, LineTextView(*text), kBigWhite);
    Flip();
    Delay(1500);
}

void PlaySoundCode(ScriptRun& run) {
    const int16_t sound = LineOperands(run)[0];
    if (sound < 1 || size_t(sound) >= SoundNames.size()) return;
    if (const char* name = SoundNames[size_t(sound)]) PlaySoundEffect(name);
}
