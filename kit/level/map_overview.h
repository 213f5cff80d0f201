// The map overview: the whole level at 8 pixels a square, to move the editor's window to a
// square (Teleport) or to mark squares (Draw).
#pragma once

#include <cstdint>
#include <string_view>

// May move the view origin; showControls offers the mode button and the hot-key notes.
void RunMapOverview(int16_t& viewX, int16_t& viewY, int16_t showControls);
// mode 0 Teleport, 1 Draw.
void DrawMapOverview(int16_t mode, int16_t showControls);
// The slate, the whole level at 8 pixels a square (bottom and top layers) and the panel
// beside it with its title.
void DrawLevelAtEightPixels(std::string_view title);
