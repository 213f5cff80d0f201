// The zone and access pickers: one column of six zone tiles; ten access kinds on digit keys
// and six more beside them.
#include "data/square_kinds.h"
#include "kit/level/tile_pickers.h"
#include "platform/display.h"
#include "platform/fonts.h"
#include "platform/input.h"
#include "platform/keys.h"
#include "platform/source_rects.h"
#include "platform/widgets.h"
#include "view/view_pictures.h"

namespace {

struct PickerRow {
    int16_t tile;
    std::string_view label;
    int16_t colour;
};

constexpr std::array<PickerRow, 6> kZoneRows = {{
    {1220, "Red Zone", kSmallBlue},
    {1221, "Yellow Zone (Mass Toggle if flags set)", kSmallBlue},
    {1222, "Blue Zone", kSmallBlue},
    {1223, "Green Zone (Alter conditions if flag set)", kSmallBlue},
    {1224, "Cyan Zone (Alter conditions if flag set)", kSmallBlue},
    {1225, "Purple Zone (No automap available!)", kSmallRed},
}};

// Kinds 0..9 in the left column with their digit keys, 10..15 in the right column.
constexpr std::array<PickerRow, 16> kAccessRows = {{
    {1295, "Free Access", kSmallBlue},
    {1296, "Free Access, Walk under Top Tile", kSmallBlue},
    {1297, "No Access, Can see past tile", kSmallRed},
    {1298, "No Access, Cannot see past tile", kSmallRed},
    {1299, "Water, Restricted Access", kSmallBlue},
    {1300, "Shallow Water, Free Access", kSmallBlue},
    {1294, "Map Border Exit", kSmallBlue},
    {1293, "Can rest here", kSmallBlue},
    {1292, "Fall to your death!", kSmallBlue},
    {1291, "Enhance Gemlore powers", kSmallBlue},
    {1312, "Monsters can't pass", kSmallBlue},
    {407, "Magic compass alert (close)", kSmallBlue},
    {408, "Magic compass alert (closer)", kSmallBlue},
    {409, "Magic compass alert (closest)", kSmallBlue},
    {1959, "Chomped by hidden maw", kSmallBlue},
    {1979, "Can't see past (but can walk thru)", kSmallBlue},
}};
constexpr int kLeftRows = 10;

constexpr int16_t kSlotFrame = 1633;

// A slot's frame, its tile and label at (x, 70 + 30 row); the digit before it when asked.
void DrawSlot(int16_t x, int16_t row, const PickerRow& r, bool digit) {
    const int16_t y = int16_t(70 + 30 * row);
    DrawTile(kSlotFrame, x, y);
    if (digit) DrawSmallText(int16_t(x - 15), int16_t(y + 10), NumberText(row), kSmallBlack);
    DrawTile(r.tile, x, y);
    DrawSmallText(int16_t(x + 50), int16_t(y + 10), r.label, r.colour);
}

bool SlotClicked(int16_t x, int16_t row, int16_t key) {
    return AreaClicked(x, int16_t(70 + 30 * row), 32, 32, key, 1, 1, 0) != 0;
}

}  // namespace

void DrawZoneTilePicker(int16_t flip) {
    BltFast(BackSurface, 0, 0, SlatePicture, FullScreenRect, kBltOpaque);
    DrawPanel(15, 15, 18, 21, 1, "Select Zone Tile");
    for (int16_t i = 0; i < int16_t(kZoneRows.size()); ++i) DrawSlot(60, i, kZoneRows[size_t(i)], true);
    DrawDivider(25, 380, 17);
    DrawButton(240, 398, 4, "Cancel");
    if (flip) Flip();
}

int16_t PickZoneTile(int16_t current) {
    Screen screen("zone tile picker");
    auto draw = [] { DrawZoneTilePicker(1); };
    draw();
    for (;;) {
        bool done = false;
        int16_t result = current;
        LoopPass(screen, draw);
        for (int16_t i = 0; i < int16_t(kZoneRows.size()); ++i) {
            if (SlotClicked(60, i, int16_t('0' + i))) {
                result = kZoneRows[size_t(i)].tile;
                done = true;
            }
        }
        if (ButtonClicked(240, 398, 6, 'C', kEsc, 1, 1)) {
            result = current;
            done = true;
        }
        if (done) return result;
    }
}

void DrawAccessTilePicker(int16_t flip) {
    BltFast(BackSurface, 0, 0, SlatePicture, FullScreenRect, kBltOpaque);
    DrawPanel(15, 15, 30, 21, 1, "Select Access Tile");
    for (int16_t k = 0; k < int16_t(kAccessRows.size()); ++k) {
        if (k < kLeftRows) DrawSlot(60, k, kAccessRows[size_t(k)], true);
        else DrawSlot(340, int16_t(k - kLeftRows), kAccessRows[size_t(k)], false);
    }
    DrawDivider(25, 380, 30);
    DrawButton(240, 398, 4, "Cancel");
    if (flip) Flip();
}

int16_t PickAccessTile(int16_t) {
    Screen screen("access tile picker");
    auto draw = [] { DrawAccessTilePicker(1); };
    draw();
    for (;;) {
        bool done = false;
        int16_t result = kFreeAccess;
        LoopPass(screen, draw);
        for (int16_t k = 0; k < int16_t(kAccessRows.size()); ++k) {
            const bool hit = k < kLeftRows ? SlotClicked(60, k, int16_t('0' + k))
                                           : SlotClicked(340, int16_t(k - kLeftRows), 0);
            if (hit) {
                result = kAccessRows[size_t(k)].tile;
                done = true;
            }
        }
        if (ButtonClicked(240, 398, 8, 'C', kEsc, 1, 1)) {
            result = kFreeAccess;
            done = true;
        }
        if (done) return result;
    }
}
