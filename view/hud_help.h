// The HUD buttons' help boxes and the checks made before a bow shot.
#pragma once

// The help box of the HUD button under the cursor while the right button is held.
void HudButtonHelp();
// 1 when a bow shot may be made now; otherwise shows why not and answers 0.
int CanUseBow();
