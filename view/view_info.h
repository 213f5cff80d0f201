// Right-click information on the map view: the monster sheet and the hero box. Both stay
// until the right button is released, and change nothing.
#pragma once

#include <cstdint>

// Once per pass of the adventure loop: the box for the view square under a right click.
void ViewRightClickInfo();
// The sheet of a monster encounter; what it tells grows with the hero's Perception.
void ShowMonsterInfo(int16_t x, int16_t y, int16_t e);
// The hero box; also opened by the 'X' key, and held until both it and the button are up.
void ShowHeroInfo();
