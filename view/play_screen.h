// The play screen behind every in-game screen.
#pragma once

#include <cstdint>

// Composes the play screen in the back buffer; flips when flip is non-zero.
void DrawPlayScreen(int16_t panelMode, int16_t showView, int16_t viewMode, int16_t targetX, int16_t targetY,
                    uint32_t flip);
