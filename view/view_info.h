// Right-click information on the map view.
#pragma once

// The box for the square under the cursor (monster, hero or nothing).
void ViewRightClickInfo();
void ShowHeroInfo();
