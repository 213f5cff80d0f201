// The flag-conflict report over the module's levels: two events that keep their state in the
// same game flag disturb each other in play.
#pragma once

#include <array>
#include <cstdint>
#include <string>

#include "data/game_state.h"

// Who took each flag first in an audit: level, x and y, -1 while the flag is free.
struct FlagFirstUsers {
    std::array<uint32_t, kGameFlagCount> Used;
    std::array<int16_t, kGameFlagCount> Level, X, Y;
};
void ClearFlagFirstUsers(FlagFirstUsers& users);

// Audits the level in memory (numbered `level` in the entries): each clash adds 1 to
// `conflicts` and its entry to `report`. A non-zero exemption lets the audited types'
// neighbour exemptions apply.
void ScanLevelFlagConflicts(FlagFirstUsers& users, int16_t level, uint32_t& conflicts, int16_t neighbourExemption,
                            std::string& report);

inline constexpr const char* kFlagConflictReportFile = "FlagConflictReport.txt";
struct FlagConflictAudit {
    bool started;  // the file was created and the levels read into the level in memory
    bool written;       // the report file holds the entries
    uint32_t conflicts;
};
// Levels 1..119 into the report file, without a screen. Nothing is loaded when the file
// cannot be created.
FlagConflictAudit AuditFlagConflicts(int16_t neighbourExemption);

// The audit with its messages; editedLevel is reloaded at the end (a new level when it was
// never saved).
void ReportFlagConflicts(int16_t neighbourExemption, int16_t editedLevel);
