// The three codes that show the window and wait for the player: LSC, USE and IAN.
#include <array>
#include <cstring>
#include <string>

#include "message_window.h"
#include "platform/fonts.h"
#include "platform/input.h"
#include "platform/keys.h"
#include "platform/sound.h"
#include "platform/text_entry.h"
#include "script_codes.h"

namespace {

constexpr int16_t kIanCode = 22;
constexpr size_t kAnswerChars = 23;

// A..Z folded to lower case; nothing else changes.
std::string Folded(std::string_view text) {
    std::string out(text);
    for (char& c : out)
        if (c >= 'A' && c <= 'Z') c = char(c - 'A' + 'a');
    return out;
}

int16_t LineCode(const ScriptRun& run, int16_t line) {
    const LevelScript* s = RunningScript(run);
    return s && line >= 0 && line < kScriptLines ? s->Record.Code[line] : int16_t{0};
}

}  // namespace

void WaitScriptLeave(ScriptRun& run) {
    Screen screen("script leave");
    AppendMessageLine("", kSmallBlue);
    AppendMessageLine("1. <Leave>", kSmallBlue);
    const int16_t script = run.script;
    auto redraw = [script] { ShowMessageLines(script, 1); };
    redraw();
    do {
        LoopPass(screen, redraw);
    } while (!KeyDown('1') && !KeyDown('L') && !KeyDown(kEsc));
    PlaySoundEffect("Click");
    WaitUntilUp('1', 'L', kEsc);
    run.leave = true;
}

void ScriptUserSelect(ScriptRun& run) {
    Screen screen("script select");
    const std::array<int16_t, 5> marks = LineOperands(run);
    int16_t offered = 0;
    for (int16_t m : marks)
        if (m > 0) ++offered;
    const int16_t script = run.script;
    auto redraw = [script] { ShowMessageLines(script, 1); };
    redraw();
    for (bool taken = false; !taken;) {
        LoopPass(screen, redraw);
        for (int16_t k = 1; k <= offered; ++k) {
            if (KeyPressed(int16_t('0' + k), 1, 0, 1)) {
                JumpToMark(run, marks[size_t(k - 1)]);
                taken = true;
            }
        }
        // A line that offers no answer would wait for ever: Esc goes on with the script.
        if (offered == 0 && KeyPressed(kEsc, 1, 0, 1)) taken = true;
    }
    PlayerAnswered(run);
    ClearMessageLines();
    DrawMessageTitle(run.script);
}

void AskScriptAnswer(ScriptRun& run) {
    AppendMessageLine("Answer: ", kSmallRed);
    RedrawScriptAnswer(run.script);
    std::array<char, kAnswerChars + 1> typed{};
    EnterText(100, int16_t(80 + 15 * MessageLineCount), typed, 0, int16_t(kAnswerChars), 1, 0, 2, run.script, 0, 0);
    const std::string answer = Folded(std::string_view(typed.data(), strnlen(typed.data(), kAnswerChars)));
    for (;;) {
        const ScriptLineText* text = LineText(run);
        if (answer == Folded(text ? LineTextView(*text) : std::string_view())) {
            JumpToMark(run, LineOperands(run)[0]);
            break;
        }
        // The block ends at the last line of the script at the latest.
        if (run.line + 1 >= kScriptLines || LineCode(run, int16_t(run.line + 1)) != kIanCode) break;
        ++run.line;
    }
    PlayerAnswered(run);
    ClearMessageLines();
    DrawMessageTitle(run.script);
}
