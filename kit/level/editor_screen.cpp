#include "editor_screen.h"

#include <string>

#include "data/level.h"
#include "kit/level/editor_state.h"
#include "kit/level/event_clipboard.h"
#include "kit/level/painting.h"
#include "kit/level/panel_pages.h"
#include "platform/fonts.h"
#include "platform/tabs.h"
#include "platform/widgets.h"
#include "view/view_pictures.h"

namespace {

constexpr int16_t kSlotMarkerTile = 970;
constexpr int16_t kEmptyClipTile = 1302;
constexpr int16_t kFirstPickerButtonTile = 1629;

void DrawWindow(const EditorState& e) {
    for (int i = 0; i < 13; ++i) {
        for (int j = 0; j < 13; ++j) {
            const int x = e.viewX + i, y = e.viewY + j;
            if (!OnMap(x, y)) continue;
            const int square = x * 50 + y;
            const int16_t cx = CellX(i), cy = CellY(j);
            DrawTile(CurrentLevel.BottomLayer[square], cx, cy, kBltOpaque);
            if (e.tile2) DrawTile(CurrentLevel.TopLayer[square], cx, cy);
            if (e.access) DrawTile(CurrentLevel.AccessLayer[square], cx, cy);
            if (e.events) {
                if (const EventRecord* event = EventGrid[size_t(square)].get()) DrawTile(event->Word[0], cx, cy);
            }
            const int16_t zone = CurrentLevel.ZoneLayer[square];
            if (e.zones && zone >= 0 && zone <= 5) DrawTile(kFirstZoneTile + zone, cx, cy);
            if (e.grid) DrawTile(kGridFrameTile, cx, cy);
        }
    }
    for (int i = 0; i < 13; ++i) {
        DrawSmallText(int16_t(21 + 32 * i), 1, NumberText(e.viewX + i), kSmallBlack);
        DrawSmallText(1, int16_t(21 + 32 * i), NumberText(e.viewY + i), kSmallBlack);
    }
}

void DrawQuickSlots(const EditorState& e) {
    for (int s = 0; s < 8; ++s) DrawTile(e.quickSlots[size_t(s)], 448 + 45 * (s % 4), s < 4 ? 35 : 70, kBltOpaque);
    DrawTile(kSlotMarkerTile, 448 + 45 * (e.selectedSlot % 4), e.selectedSlot < 4 ? 35 : 70);
}

void DrawPanelPage(const EditorState& e) {
    DrawPanel(455, 185, 8, 10, 0, "");
    DrawTabRow(kPanelX, 200, 3, e.page < 3 ? e.page : int16_t(-1), {"Def", "View", "Clear"}, 2);
    DrawTabRow(kPanelX, 220, 3, e.page > 2 ? int16_t(e.page - 3) : int16_t(-1), {"DB1", "DB2", "Util"}, 2);
    DrawDivider(465, 235, 7);
    if (e.page < 0 || e.page > 5) return;
    for (int row = 0; row < 5; ++row) {
        const PanelButton& b = PanelPages[size_t(e.page)][size_t(row)];
        if (!b.label.empty()) DrawButton(kPanelX, PanelRowY(row), 6, b.label);
    }
    if (e.page != 0) return;
    DrawSmallText(kPanelX, 332, "Wilderness lvl?", kSmallBlue);
    DrawCheckBox(575, 327, CurrentLevel.WildernessLevel != 0);
    DrawSmallText(kPanelX, 352, "View Dist:", kSmallBlue);
    static constexpr std::string_view kDistances[] = {"Long", "Medium", "Short"};
    if (CurrentLevel.ViewDistance >= 0 && CurrentLevel.ViewDistance <= 2)
        DrawButton(555, 347, 2, kDistances[CurrentLevel.ViewDistance]);
}

void DrawClipboardCell() {
    if (EventClipboardType == -1) {
        DrawTile(kEmptyClipTile, 220, 433, kBltOpaque);
        DrawSmallText(229, 438, "No", kSmallBlack);
        DrawSmallText(223, 448, "Clip", kSmallBlack);
    } else {
        DrawTile(EventClipboardType, 220, 433, kBltOpaque);
    }
}

}  // namespace

void DrawEditorScreen(const EditorState& e, int16_t flip) {
    BltFast(BackSurface, 0, 0, KitSlatePicture, FullScreenRect, kBltOpaque);
    DrawWindow(e);
    DrawQuickSlots(e);
    DrawButton(455, 115, 4, e.layer == 1 ? "Btm Layer" : "Top Layer");
    DrawButton(536, 115, 4, e.autoAcc ? "AutoAcc ON" : "AutoAcc OFF");
    DrawButton(265, 432, 4, "Test");
    DrawButton(351, 432, 4, "Map");
    DrawButton(265, 453, 4, "Customize");
    DrawPanelPage(e);
    for (int k = 0; k < 4; ++k) DrawTile(kFirstPickerButtonTile + k, 466 + 35 * k, 150);
    DrawClipboardCell();
    DrawButton(455, 405, 4, "Load (F1)");
    DrawButton(536, 405, 4, "Load Num");
    DrawButton(455, 428, 4, "Save (F4)");
    DrawButton(536, 428, 4, "Save As");
    DrawButton(455, 451, 8, "Quit");
    DrawBigText(13, 438, "Level" + std::to_string(e.levelNumber) + ".dat", kBigWhite);
    DrawSmallText(450, 15, "Tile Number :", kSmallBlack);
    DrawSmallText(530, 15, NumberText(CurrentTile(e)), kSmallBlack);
    if (flip) Flip();
}
