// Until the save slots are built: the screen's frame, empty rows and its buttons.
#include "save_slot_screen.h"

#include "platform/display.h"
#include "platform/fonts.h"
#include "platform/source_rects.h"
#include "platform/widgets.h"

void DrawSaveSlotScreen(int16_t, int16_t namingSlot, uint32_t flip) {
    BltFast(BackSurface, 0, 0, SlatePicture, FullScreenRect, kBltOpaque);
    BltFast(BackSurface, 0, 0, BookPicture, FullScreenRect, kBltKeyed);
    DrawBigText(80, 80, "Save Character", kBigBlue);
    for (int16_t i = 0; i < 9; ++i) {
        if (i == namingSlot)
            DrawTextField(80, int16_t(115 + 25 * i), 10, "");
        else
            DrawButton(80, int16_t(115 + 25 * i), 10, "");
    }
    DrawButton(80, 364, 3, "Save");
    DrawButton(150, 364, 3, "Delete");
    DrawButton(220, 364, 3, "Quit");
    if (flip) Flip();
}
