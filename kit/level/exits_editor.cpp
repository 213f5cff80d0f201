#include "exits_editor.h"

#include "data/level.h"
#include "kit/events/operator_labels.h"
#include "platform/display.h"
#include "platform/fonts.h"
#include "platform/input.h"
#include "platform/keys.h"
#include "platform/number_entry.h"
#include "platform/source_rects.h"
#include "platform/widgets.h"

namespace {

// The number fields of one edge's block, in the order they are tested; y is from the
// block's top.
struct ExitField {
    int16_t (LevelRecord::*words)[4];
    int16_t x, y, pieces, clickUnits, min, max;
};
constexpr ExitField kNumberFields[] = {
    {&LevelRecord::ExitLevel, 130, 70, 2, 6, -1, 999},     {&LevelRecord::ExitFlag, 262, 70, 3, 6, -1, 5000},
    {&LevelRecord::ExitFlagValue, 381, 70, 2, 4, -1, 999}, {&LevelRecord::AltExitLevel, 206, 90, 2, 6, -1, 999},
    {&LevelRecord::ExitX, 325, 115, 2, 4, -1, 49},         {&LevelRecord::ExitY, 400, 115, 2, 4, -1, 49},
};
constexpr int16_t kOpX = 333, kOpY = 70;

constexpr const char* kEdgeLabels[] = {"North exit =", "South exit =", "East exit =", "West exit ="};

int EditField(const ExitField& f, int16_t edge) {
    const int16_t y = int16_t(f.y + 90 * edge);
    if (!ButtonClicked(f.x, y, f.clickUnits, 0, 0, 1, 1)) return 0;
    (CurrentLevel.*f.words)[edge] = EnterNumber(f.x, y, f.pieces, f.min, f.max);
    return 1;
}

}  // namespace

void DrawExitsEditor(int16_t flip) {
    BltFast(BackSurface, 0, 0, SlatePicture, FullScreenRect, kBltOpaque);
    DrawPanel(15, 12, 23, 22, 1, "DEFINE EXITS");
    for (int16_t d = 0; d < 4; ++d) {
        const int16_t b = int16_t(90 * d);
        DrawSmallText(50, int16_t(75 + b), kEdgeLabels[d], kSmallBlack);
        DrawSmallText(180, int16_t(75 + b), "unless flag", kSmallBlack);
        DrawSmallText(50, int16_t(95 + b), "in which case the exit =", kSmallBlack);
        DrawSmallText(50, int16_t(120 + b), "Exit to specific co-ordinates:       goto X=           Y=", kSmallBlue);
        for (const ExitField& f : kNumberFields)
            DrawTextField(f.x, int16_t(f.y + b), f.pieces, NumberText((CurrentLevel.*f.words)[d]));
        DrawCompareOp(kOpX, int16_t(kOpY + b), 2, CurrentLevel.ExitFlagOp[d]);
        DrawDivider(25, int16_t(135 + b), 22);
    }
    DrawButton(300, 415, 4, "Done");
    if (flip) Flip();
}

void RunExitsEditor() {
    Screen screen("define exits");
    auto draw = [] { DrawExitsEditor(1); };
    draw();
    for (;;) {
        LoopPass(screen, draw);
        for (int16_t d = 0; d < 4; ++d) {
            // The comparison comes between the flag and its value.
            for (int i = 0; i < 2; ++i) {
                if (EditField(kNumberFields[i], d)) draw();
            }
            if (ButtonClicked(kOpX, int16_t(kOpY + 90 * d), 4, 0, 0, 1, 1)) {
                int16_t& op = CurrentLevel.ExitFlagOp[d];
                op = op >= 0 && op < 5 ? int16_t(op + 1) : int16_t(0);
                draw();
            }
            for (int i = 2; i < 6; ++i) {
                if (EditField(kNumberFields[i], d)) draw();
            }
        }
        if (ButtonClicked(300, 415, 8, kEsc, 'D', 1, 1)) return;
    }
}
