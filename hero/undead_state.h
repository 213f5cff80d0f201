// Entering and leaving the undead condition.
#pragma once

void ApplyUndeadState();
void ClearUndeadState();
