// The HUD buttons' help boxes and the checks made before a bow shot.
#pragma once

#include <cstdint>

#include "hud_buttons.h"

// Once per pass of the adventure loop: the help box of the button of the current layout under
// a right click, held while the button is.
void HudButtonHelp();
// The help box of one button, drawn over the screen as it stands, then flipped.
void ShowHudButtonHelp(HudButton button);
// 1 when a bow shot may be made now; otherwise "no", a box saying why, and 0.
int CanUseBow();
// 1 when any encounter (monster, push object, boat or barrier) stands next to the hero.
int MonsterAdjacent();
