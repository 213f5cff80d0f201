// What the level editor keeps while the kit runs: the window's place on the level, the quick
// slots, the paint layer, the overlays and the panel page. The screen draws from it and the
// dialogs that show the editor behind them are given it.
#pragma once

#include <array>
#include <cstddef>
#include <cstdint>

struct EditorState {
    int16_t viewX = 0, viewY = 0;  // the square in the window's top-left cell, 0..37
    std::array<int16_t, 8> quickSlots{};
    int16_t selectedSlot = 0;      // 0..7; its tile is the current tile
    int16_t layer = 1;             // 1 bottom, 2 top
    uint32_t autoAcc = 0;
    uint32_t grid = 1, access = 1, zones = 0, events = 1, tile2 = 1;
    int16_t page = 0;              // 0 Def, 1 View, 2 Clear, 3 DB1, 4 DB2, 5 Util
    int16_t levelNumber = 0;
    int16_t wallCategory = 0, eventPage = 0, sheetPage = 0;  // where the pickers reopen
};

inline int16_t& CurrentTile(EditorState& e) { return e.quickSlots[size_t(e.selectedSlot & 7)]; }
inline int16_t CurrentTile(const EditorState& e) { return e.quickSlots[size_t(e.selectedSlot & 7)]; }

// The view origin's greatest value: the window shows 13 of the 50 columns and rows.
constexpr int16_t kLastViewOrigin = 37;
