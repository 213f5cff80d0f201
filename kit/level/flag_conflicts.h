// The flag-conflict report over the module's levels.
#pragma once

#include <cstdint>

// Writes the report of every level; editedLevel is reloaded at the end (a new level when it
// was never saved). A non-zero exemption lets the audited types' neighbour exemptions apply.
void ReportFlagConflicts(int16_t neighbourExemption, int16_t editedLevel);
