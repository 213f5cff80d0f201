// Hiding in the shadows.
#pragma once

// Hides the hero or refuses.
void TryHide();
// The ACTIVATE SCRIPT EVENT under the hero, run as a hidden hero's script may be.
void RunHideSquareEvent();
// 1 when a square of the view seen this frame holds a monster (push objects, boats and
// barriers are no monsters).
int MonsterInSight();
