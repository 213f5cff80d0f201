#include "data/level_number_dialog.h"

#include "data/level.h"
#include "platform/fonts.h"
#include "platform/number_entry.h"
#include "platform/widgets.h"
#include "platform/display.h"
#include "platform/input.h"
#include "platform/message_boxes.h"
#include "platform/source_rects.h"

void DrawLevelNumberDialog(int16_t number, uint32_t mode) {
    BltFast(BackSurface, 200, 100, SmallScroll, SmallScrollRect, kBltKeyed);
    DrawSmallText(250, 140, mode == 0 ? "Save this level as:" : "Load which level?", kSmallBlack);
    DrawSmallText(250, 165, "Map Number:", kSmallBlack);
    DrawTextField(330, 160, 2, NumberText(number));
    DrawButton(240, 210, 3, mode == 0 ? "Save" : "Load");
    DrawButton(317, 210, 3, "Cancel");
    Flip();
}

uint32_t RunLevelNumberDialog(uint32_t mode, int16_t& number, const FieldRedraw& behind) {
    Screen screen("level number");
    const int16_t given = number;
    enum { kOpen, kAct, kCancelled } state = kOpen;
    DrawLevelNumberDialog(number, mode);
    while (state == kOpen) {
        LoopPass(screen, [&] { DrawLevelNumberDialog(number, mode); });
        if (ButtonClicked(240, 210, 6, 0, 0, 1, 1)) state = kAct;
        if (ButtonClicked(330, 160, 4, 0, 0, 1, 1)) {
            number = EnterNumber(330, 160, 2, 0, 999);
            DrawLevelNumberDialog(number, mode);
        }
        if (ButtonClicked(317, 210, 6, 27, 0, 1, 1)) {
            number = given;
            state = kCancelled;
        }
    }
    if (state != kAct) return 0;
    behind(0);
    if (mode != 0) return LoadLevel(number, 0, 0);
    // The entry takes up to 999; only 0..129 are level files.
    if (number < 0 || number >= kLevelCount) {
        ShowMessage(200, 160, "  No such level: levels", "   are 0 to 129!");
        return 0;
    }
    return SaveLevel(number, 1);
}
