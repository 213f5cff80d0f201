// The in-game options menu.
#pragma once

// The menu in the side-panel area of the back buffer; no flip.
void DrawGameOptions();
