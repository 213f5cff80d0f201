// The level editor's screen: the 13 x 13 window over the level with its overlays, the quick
// slots, the panel page and the buttons.
#pragma once

#include <cstdint>

struct EditorState;

// Draws the whole screen from the editor's state and the current level; changes nothing.
void DrawEditorScreen(const EditorState& editor, int16_t flip);
// The top-left corner of window cell (column, row).
constexpr int16_t CellX(int column) { return int16_t(15 + 32 * column); }
constexpr int16_t CellY(int row) { return int16_t(12 + 32 * row); }
