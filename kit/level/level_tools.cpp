#include "level_tools.h"

#include <string_view>

#include "data/level.h"
#include "data/square_kinds.h"
#include "kit/events/level_records.h"
#include "kit/level/editor_screen.h"
#include "kit/level/map_overview.h"
#include "kit/level/painting.h"
#include "kit/level/tile_pickers.h"
#include "platform/display.h"
#include "platform/fonts.h"
#include "platform/input.h"
#include "platform/keys.h"
#include "platform/source_rects.h"
#include "platform/widgets.h"
#include "view/view_pictures.h"

namespace {

constexpr int16_t kDoX = 120, kCancelX = 200, kButtonY = 283;

void DrawDialogFrame(std::string_view title) {
    DrawPanel(90, 90, 10, 12, 1, title);
    DrawDivider(100, 260, 9);
    DrawButton(kDoX, kButtonY, 3, "Do");
    DrawButton(kCancelX, kButtonY, 3, "Cancel");
}
bool CancelClicked() { return ButtonClicked(kCancelX, kButtonY, 6, 'C', kEsc, 1, 1); }
bool DoClicked() { return ButtonClicked(kDoX, kButtonY, 6, 0, 0, 1, 1); }

constexpr int16_t kChoiceY[3] = {150, 175, 200};
constexpr std::string_view kChoiceLabels[3] = {"Clear Tiles:", "Clear Events:", "Clear Scripts:"};

void MoveSquare(int to, int from) {
    LevelRecord& l = CurrentLevel;
    l.BottomLayer[to] = l.BottomLayer[from];
    l.TopLayer[to] = l.TopLayer[from];
    l.AccessLayer[to] = l.AccessLayer[from];
    l.ZoneLayer[to] = l.ZoneLayer[from];
    EventGrid[size_t(to)] = std::move(EventGrid[size_t(from)]);
    l.EventGrid[to] = EventGrid[size_t(to)] ? 1 : 0;
}

// Every square (x, y) takes the contents of (x + dx, y + dy). The lost line's events are
// released first; the moved records keep their addresses, so a copied one stays copied.
void ShiftLevel(int dx, int dy, int16_t fillTile) {
    for (int16_t x = 0; x < 50; ++x) {
        for (int16_t y = 0; y < 50; ++y) {
            if (!OnMap(x - dx, y - dy)) ReleaseEvent(x, y);
        }
    }
    for (int i = 0; i < 50; ++i) {
        for (int j = 0; j < 50; ++j) {
            // Taken in the order that reads each square before it is overwritten.
            const int x = dx < 0 ? 49 - i : i, y = dy < 0 ? 49 - j : j;
            if (OnMap(x + dx, y + dy)) {
                MoveSquare(x * 50 + y, (x + dx) * 50 + y + dy);
            } else {
                ResetSquare(int16_t(x), int16_t(y), fillTile);
                CurrentLevel.EventGrid[x * 50 + y] = 0;  // its record moved on
            }
        }
    }
}

constexpr std::string_view kReplaceLayers[3] = {"Bottom", "Top", "Both"};

void DrawFramedTile(int16_t tile, int16_t x, int16_t y) {
    DrawTile(tile, x, y);
    DrawTile(kGridFrameTile, x, y);
}

}  // namespace

void ResetSquare(int16_t x, int16_t y, int16_t fillTile) {
    if (!OnMap(x, y)) return;
    const int square = x * 50 + y;
    CurrentLevel.BottomLayer[square] = fillTile;
    CurrentLevel.TopLayer[square] = 0;
    CurrentLevel.AccessLayer[square] = kFreeAccess;
    CurrentLevel.ZoneLayer[square] = 0;
}

void DrawClearFunctions(const std::array<uint32_t, 3>& choices, const EditorState& editor) {
    DrawEditorScreen(editor, 0);
    DrawDialogFrame("Clear Functions");
    for (size_t i = 0; i < 3; ++i) {
        DrawSmallText(120, kChoiceY[i], kChoiceLabels[i], kSmallBlack);
        DrawButton(220, kChoiceY[i], 2, choices[i] ? "YES" : "NO");
    }
    Flip();
}

void RunClearFunctions(int16_t fillTile, const EditorState& editor) {
    Screen screen("clear functions");
    std::array<uint32_t, 3> choices{};
    auto draw = [&] { DrawClearFunctions(choices, editor); };
    draw();
    for (;;) {
        LoopPass(screen, draw);
        for (size_t i = 0; i < 3; ++i) {
            if (!ButtonClicked(210, kChoiceY[i], 4, 0, 0, 1, 1)) continue;
            choices[i] = !choices[i];
            draw();
        }
        if (CancelClicked()) return;
        if (DoClicked()) break;
    }
    if (choices[0]) {
        for (int16_t x = 0; x < 50; ++x) {
            for (int16_t y = 0; y < 50; ++y) ResetSquare(x, y, fillTile);
        }
    }
    if (choices[1]) FreeLevelEventsAndScripts(2);
    if (choices[2]) FreeLevelEventsAndScripts(1);
}

void WipeScreen(int16_t viewX, int16_t viewY, int16_t fillTile) {
    for (int16_t x = viewX; x <= viewX + 12; ++x) {
        for (int16_t y = viewY; y <= viewY + 12; ++y) ResetSquare(x, y, fillTile);
    }
}

void ShiftLevelUp(int16_t fillTile) { ShiftLevel(0, 1, fillTile); }
void ShiftLevelDown(int16_t fillTile) { ShiftLevel(0, -1, fillTile); }
void ShiftLevelLeft(int16_t fillTile) { ShiftLevel(1, 0, fillTile); }
void ShiftLevelRight(int16_t fillTile) { ShiftLevel(-1, 0, fillTile); }

void DrawShiftMap() {
    DrawLevelAtEightPixels("Shift Map");
    DrawButton(465, 120, 4, "Up");
    DrawButton(465, 142, 4, "Down");
    DrawButton(465, 164, 4, "Left");
    DrawButton(465, 186, 4, "Right");
    DrawButton(465, 250, 4, "Done");
    Flip();
}

void RunShiftMap(int16_t fillTile) {
    Screen screen("shift map");
    struct Move {
        int16_t y, key, padKey;
        void (*shift)(int16_t);
    };
    static constexpr Move kMoves[] = {{120, 38, 104, ShiftLevelUp},
                                      {142, 40, 98, ShiftLevelDown},
                                      {164, 37, 100, ShiftLevelLeft},
                                      {186, 39, 102, ShiftLevelRight}};
    DrawShiftMap();
    for (;;) {
        LoopPass(screen, DrawShiftMap);
        for (const Move& m : kMoves) {
            if (!ButtonClicked(465, m.y, 8, m.key, m.padKey, 1, 1)) continue;
            m.shift(fillTile);
            DrawShiftMap();
        }
        if (ButtonClicked(460, 250, 8, kEsc, 'D', 1, 1) || KeyPressed('M', 1, 0, 1)) return;
    }
}

void DrawReplaceTile(int16_t fromTile, int16_t toTile, int16_t layerChoice, const EditorState& editor) {
    DrawEditorScreen(editor, 0);
    DrawDialogFrame("Replace Tile");
    DrawSmallText(120, 150, "Replace Tile:", kSmallBlack);
    DrawFramedTile(fromTile, 210, 140);
    DrawSmallText(120, 195, "With Tile:", kSmallBlack);
    DrawFramedTile(toTile, 210, 185);
    DrawSmallText(120, 240, "In layer:", kSmallBlack);
    DrawTextField(200, 235, 3, layerChoice >= 0 && layerChoice < 3 ? kReplaceLayers[layerChoice] : "");
    Flip();
}

void RunReplaceTile(const EditorState& editor) {
    Screen screen("replace tile");
    int16_t from = 0, to = 0, layerChoice = 0, category = 0;
    auto draw = [&] { DrawReplaceTile(from, to, layerChoice, editor); };
    draw();
    for (;;) {
        LoopPass(screen, draw);
        if (AreaClicked(210, 140, 32, 32, 'T', 1, 1, 1)) {
            from = PickWallTile(from, category);
            draw();
        }
        if (AreaClicked(210, 185, 32, 32, 'T', 1, 1, 1)) {
            to = PickWallTile(to, category);
            draw();
        }
        if (ButtonClicked(200, 235, 6, 0, 0, 1, 1)) {
            layerChoice = int16_t((layerChoice + 1) % 3);
            draw();
        }
        if (CancelClicked()) return;
        if (DoClicked()) break;
    }
    for (int square = 0; square < kSquareCount; ++square) {
        if (layerChoice != 1 && CurrentLevel.BottomLayer[square] == from) CurrentLevel.BottomLayer[square] = to;
        if (layerChoice != 0 && CurrentLevel.TopLayer[square] == from) CurrentLevel.TopLayer[square] = to;
    }
}
