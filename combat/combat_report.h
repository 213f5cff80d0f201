// What every combat report shares: the pause after it and the wait for the movement keys.
#pragma once

// (5 - GameSpeed) x 300 ms; a GameSpeed outside 0..5 from a damaged save is held to that range,
// so the pause never runs negative or for hours.
void CombatPause();
// Waits until the arrow keys and numpad 8, 2, 4 and 6 are up, in that order, so that a held key
// does not walk the hero on after a report.
void FlushMoveKeys();
