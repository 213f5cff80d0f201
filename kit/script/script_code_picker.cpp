#include "kit/script/script_code_picker.h"

#include "platform/display.h"
#include "platform/fonts.h"
#include "platform/input.h"
#include "platform/source_rects.h"
#include "platform/widgets.h"
#include "script/script_codes.h"

namespace {

constexpr int16_t kPrimary[] = {0, 1, 2, 3, 4, 5, 6, 7, 8, 9, 44};
constexpr int16_t kSet[] = {10, 11, 57, 21, 38, 42};
constexpr int16_t kDecision[] = {13, 14, 15, 16, 17, 18, 19, 20, 48, 22, 59, 62};
constexpr int16_t kDice[] = {53, 54, 55, 56};
constexpr int16_t kGive[] = {23, 49, 24, 25, 26, 29, 28, 43, 50, 52, 61, 66};
constexpr int16_t kTake[] = {32, 33, 34, 35, 46, 47, 64};
constexpr int16_t kHurt[] = {39, 41, 27, 40};
constexpr int16_t kMonster[] = {45, 58, 60};
constexpr int16_t kAction[] = {36, 37, 30, 12, 31, 51, 63, 65};

constexpr int16_t kButtonPieces = 7;
constexpr int16_t kButtonStep = 21;

}  // namespace

const std::array<ScriptCodeGroup, 9> ScriptCodeGroups = {{
    {"Primary codes", 20, 30, 50, kPrimary},
    {"Set codes", 20, 300, 320, kSet},
    {"Decision codes", 175, 30, 50, kDecision},
    {"Dice Roll Codes", 175, 311, 332, kDice},
    {"Give codes", 330, 30, 50, kGive},
    {"Take codes", 330, 306, 322, kTake},
    {"Hurt codes", 485, 30, 50, kHurt},
    {"Monster codes", 485, 144, 165, kMonster},
    {"Action codes", 485, 239, 260, kAction},
}};

void DrawScriptCodePicker() {
    BltFast(BackSurface, 0, 0, SlatePicture, FullScreenRect, kBltOpaque);
    DrawPanel(0, 0, 32, 24, 0, "");
    for (const ScriptCodeGroup& group : ScriptCodeGroups) {
        DrawSmallText(group.x, group.headingY, group.heading, kSmallBlue);
        int16_t y = group.firstY;
        for (const int16_t code : group.codes) {
            DrawButton(group.x, y, kButtonPieces, ScriptCodeNames[code]);
            y = int16_t(y + kButtonStep);
        }
    }
    DrawButton(485, 440, kButtonPieces, "Cancel");
    Flip();
}

int16_t PickScriptCode(int16_t code) {
    Screen screen("script code picker");
    DrawScriptCodePicker();
    for (;;) {
        LoopPass(screen, DrawScriptCodePicker);
        for (const ScriptCodeGroup& group : ScriptCodeGroups) {
            int16_t y = group.firstY;
            for (const int16_t c : group.codes) {
                if (ButtonClicked(group.x, y, 2 * kButtonPieces, 0, 0, 1, 1)) return c;
                y = int16_t(y + kButtonStep);
            }
        }
        if (ButtonClicked(485, 440, 2 * kButtonPieces, 'C', 27, 1, 1)) return code;
    }
}
