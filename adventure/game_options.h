// The in-game options menu.
#pragma once

#include <cstdint>

// The menu in the side-panel area of the back buffer; no flip.
void DrawGameOptions();
// The menu over the play screen (showView as the play screen takes it); returns 1 when the
// adventure is to end.
uint32_t RunGameOptions(int16_t showView);
