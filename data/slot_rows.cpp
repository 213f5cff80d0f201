#include "data/slot_rows.h"

#include "data/save_slots.h"
#include "data/text_field.h"
#include "platform/fonts.h"
#include "platform/widgets.h"
#include "platform/display.h"
#include "platform/input.h"
#include "platform/source_rects.h"

namespace {

int16_t RowY(int16_t slot) { return static_cast<int16_t>(115 + 25 * slot); }

}  // namespace

void DrawSlotScreen(std::string_view title, int16_t titleColour, int16_t selection, int16_t namingSlot,
                    const std::array<std::string_view, 3>& buttons, std::initializer_list<SlotHelpLine> help) {
    BltFast(BackSurface, 0, 0, SlatePicture, FullScreenRect, kBltOpaque);
    BltFast(BackSurface, 0, 0, BookPicture, FullScreenRect, kBltKeyed);
    DrawBigText(80, 80, title, titleColour);
    for (int16_t i = 0; i < kSaveSlots; ++i) {
        const int16_t y = RowY(i);
        if (i == namingSlot) {
            DrawTextField(80, y, 10, "");
            continue;
        }
        DrawButton(80, y, 10, "");
        DrawSmallText(125, static_cast<int16_t>(y + 5), NumberText(i + 1), kSmallBlack);
        DrawSmallText(150, static_cast<int16_t>(y + 5), SlotIsUsed(i) ? FieldText(SaveList.SaveSlotName[i]) : "Empty",
                      kSmallBlack);
    }
    if (selection >= 0 && selection < kSaveSlots) {
        const int16_t y = static_cast<int16_t>(RowY(selection) - 6);
        BltFast(BackSurface, 74, y, WallTiles[1310], TileRect, kBltKeyed);
        BltFast(BackSurface, 253, y, WallTiles[1311], TileRect, kBltKeyed);
    }
    DrawButton(80, 364, 3, buttons[0]);
    DrawButton(150, 364, 3, buttons[1]);
    DrawButton(220, 364, 3, buttons[2]);
    for (const SlotHelpLine& line : help) DrawSmallText(340, line.y, line.text, kSmallBlack);
}

bool PollSlotRows(int16_t& selection) {
    const int16_t before = selection;
    for (int16_t i = 0; i < kSaveSlots; ++i) {
        if (ButtonClicked(80, RowY(i), 20, static_cast<int16_t>('1' + i), 0, 1, 1)) selection = i;
    }
    if (KeyPressed(38, 1, 0, 1)) selection = selection > 0 ? static_cast<int16_t>(selection - 1) : int16_t{0};
    if (KeyPressed(40, 1, 0, 1)) selection = selection < kSaveSlots - 1 ? static_cast<int16_t>(selection + 1) : int16_t{8};
    return selection != before;
}

int16_t CountUsedSlots() {
    int16_t used = 0;
    for (int16_t i = 0; i < kSaveSlots; ++i) used += SlotIsUsed(i) ? 1 : 0;
    return used;
}
