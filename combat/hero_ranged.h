// The hero's bow shot.
#pragma once

// The target screen and the shot; 1 when a shot was fired.
int RunRangedCombat();
