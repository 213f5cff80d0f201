// The play screen behind every in-game screen.
#pragma once

#include <cstdint>

// Composes the play screen in the back buffer; flips when flip is non-zero.
// panelMode: 0 the empty side-panel scroll, 1 the side panel, 3 the in-game options.
// showView: 1 the map view, 0 the covered view (no status icons then; Fear keeps its value).
// viewMode: the hero's pose (0 standing, 1 melee, 2 casting, 3 aiming, 4 shooting).
// targetX and targetY are passed through unused; callers give -1.
void DrawPlayScreen(int16_t panelMode, int16_t showView, int16_t viewMode, int16_t targetX, int16_t targetY,
                    uint32_t flip);
// The cheat menu's monitored flag and its value.
void DrawFlagMonitor();
// The magic compass's mark above the hero on its alert squares.
void DrawCompassAlert();
