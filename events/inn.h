// The inn and the aura choice.
#pragma once

// The hero picks the aura he keeps active.
void ChooseAura();
