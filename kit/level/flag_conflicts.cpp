#include "flag_conflicts.h"

#include <memory>

#include "data/level.h"
#include "kit/level/level_files.h"
#include "kit/level/level_search.h"
#include "kit/level/report_files.h"
#include "platform/display.h"
#include "platform/fonts.h"
#include "platform/message_boxes.h"
#include "platform/source_rects.h"

namespace {

// Flags word .. word + count - 1 of an event hold its state.
struct StateFlags {
    uint8_t word, count;
};
struct AuditedType {
    int16_t type;
    std::array<StateFlags, 2> flags;  // in checking order; a count of 0 ends
    // An adjacent event of the same type whose first run holds the flag shares it by design.
    bool neighbourShares;
};

constexpr std::array<AuditedType, 29> kAuditedTypes = {{
    {1234, {{{7, 1}}}, false},          // COMPLEX DOOR
    {1235, {{{8, 1}}}, false},          // SECRET DOOR
    {1237, {{{3, 1}}}, false},          // DIG PORTAL
    {1240, {{{4, 1}}}, true},           // ONE ITEM
    {1241, {{{4, 6}}}, true},           // ITEMS CACHE
    {1242, {{{9, 1}, {11, 6}}}, false},  // CHEST
    {1243, {{{2, 1}, {3, 1}}}, false},  // SEARCH
    {1245, {{{5, 1}, {18, 3}}}, false},  // PRISE
    {1247, {{{5, 1}}}, false},          // MONSTER
    {1256, {{{9, 1}}}, true},           // TRAP
    {1257, {{{9, 1}}}, false},          // PIT
    {1260, {{{6, 1}}}, false},          // SWITCH
    {1262, {{{5, 1}}}, false},          // USE SPELL
    {1263, {{{4, 1}, {6, 4}}}, false},  // USE ITEM
    {1266, {{{3, 1}}}, false},          // CRACK
    {1270, {{{6, 1}}}, false},          // BRIDGE
    {1271, {{{1, 1}}}, false},          // MUSHROOM
    {1272, {{{7, 1}}}, false},          // STAT PLUS
    {1274, {{{5, 3}}}, false},          // BOAT
    {1278, {{{2, 1}}}, false},          // USE LENS
    {1282, {{{2, 1}, {4, 6}}}, false},  // BURIED CACHE
    {1286, {{{1, 1}}}, false},          // DMF2
    {1287, {{{10, 1}}}, false},         // LAMP
    {1289, {{{10, 1}}}, false},         // THIN CRUST
    {1331, {{{1, 1}}}, false},          // SMOKE SIGNAL
    {1332, {{{2, 1}}}, false},          // SPLAT
    {1334, {{{2, 1}}}, false},          // WATER ROOTS
    {1335, {{{1, 1}}}, false},          // DANCE!
    {1337, {{{1, 1}}}, false},          // CHOP TREE
}};

const AuditedType* FindAuditedType(int16_t type) {
    for (const AuditedType& a : kAuditedTypes)
        if (a.type == type) return &a;
    return nullptr;
}

// An adjacent event of the same type whose first run holds the flag.
bool NeighbourShares(const AuditedType& audited, int x, int y, int32_t flag) {
    const StateFlags run = audited.flags[0];
    const int steps[4][2] = {{0, -1}, {0, 1}, {1, 0}, {-1, 0}};
    for (const auto& step : steps) {
        const EventRecord* e = EventAt(x + step[0], y + step[1]);
        if (!e || e->Word[0] != audited.type) continue;
        const int32_t first = e->Word[run.word];
        if (flag >= first && flag < first + run.count) return true;
    }
    return false;
}

void AppendEntry(std::string& report, int32_t flag, const FlagFirstUsers& users, int16_t level, int x, int y) {
    const size_t f = size_t(flag);
    report += "Flag " + std::to_string(flag) + " conflict between (Lvl=" + std::to_string(users.Level[f]) +
              " ,X=" + std::to_string(users.X[f]) + " ,Y=" + std::to_string(users.Y[f]) + ") and (lvl=" +
              std::to_string(level) + " ,X=" + std::to_string(x) + " ,Y=" + std::to_string(y) + ")\n\n";
}

}  // namespace

void ClearFlagFirstUsers(FlagFirstUsers& users) {
    users.Used.fill(0);
    users.Level.fill(-1);
    users.X.fill(-1);
    users.Y.fill(-1);
}

void ScanLevelFlagConflicts(FlagFirstUsers& users, int16_t level, uint32_t& conflicts, int16_t neighbourExemption,
                            std::string& report) {
    for (int x = 0; x < 50; ++x) {
        for (int y = 0; y < 50; ++y) {
            const EventRecord* e = EventAt(x, y);
            const AuditedType* audited = e ? FindAuditedType(e->Word[0]) : nullptr;
            if (!audited) continue;
            for (const StateFlags& run : audited->flags) {
                for (int k = 0; k < run.count; ++k) {
                    // Each member of a run on its own; only the flags a game has.
                    const int32_t flag = int32_t(e->Word[run.word]) + k;
                    if (flag < 1 || flag >= kGameFlagCount) continue;
                    const size_t f = size_t(flag);
                    if (!users.Used[f]) {
                        users.Used[f] = 1;
                        users.Level[f] = level;
                        users.X[f] = int16_t(x);
                        users.Y[f] = int16_t(y);
                        continue;
                    }
                    if (neighbourExemption && audited->neighbourShares && NeighbourShares(*audited, x, y, flag)) continue;
                    ++conflicts;
                    AppendEntry(report, flag, users, level, x, y);
                }
            }
        }
    }
}

FlagConflictAudit AuditFlagConflicts(int16_t neighbourExemption) {
    FlagConflictAudit audit{false, false, 0};
    if (!WriteReportFile(kFlagConflictReportFile, "")) return audit;
    audit.started = true;
    auto users = std::make_unique<FlagFirstUsers>();
    ClearFlagFirstUsers(*users);
    std::string report;
    for (int16_t level = 1; level <= 119; ++level) {
        if (!LoadLevel(level, 1, 0)) continue;
        ScanLevelFlagConflicts(*users, level, audit.conflicts, neighbourExemption, report);
    }
    audit.written = WriteReportFile(kFlagConflictReportFile, report);
    return audit;
}

void ReportFlagConflicts(int16_t neighbourExemption, int16_t editedLevel) {
    const FlagConflictAudit audit = AuditFlagConflicts(neighbourExemption);
    if (audit.written) {
        BltFast(BackSurface, 0, 0, SlatePicture, FullScreenRect, kBltOpaque);
        DrawSmallText(100, 100, "Report generated.", kSmallBlack);
        ShowMessage(60, 60, "Conflict Report Generated.", "Conflicts =" + std::to_string(audit.conflicts));
    } else {
        ShowReportNotWritten(kFlagConflictReportFile);
    }
    if (audit.started) ReloadEditedLevel(editedLevel);
}
