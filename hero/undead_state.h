// Entering and leaving the undead condition (the end-of-step upkeep and the cheat menu).
#pragma once

// Undead, feebleminded, free of the other afflictions and at full energy.
void ApplyUndeadState();
void ClearUndeadState();
