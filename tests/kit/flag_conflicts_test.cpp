// The flag-conflict report: who takes a state flag first, the clashes after, the exemptions,
// the file byte for byte and the level reloaded afterwards.
#include "kit/level/flag_conflicts.h"

#include <filesystem>

#include "data/level.h"
#include "tests/data/texts_shown.h"
#include "tests/kit/audit_levels.h"

namespace fs = std::filesystem;

namespace {

constexpr int16_t kChest = 1242, kTrap = 1256, kCache = 1241, kOneItem = 1240, kDoor = 1234, kPit = 1257,
                  kBoat = 1274, kUseItem = 1263;

class FlagConflictsTest : public AuditLevelsTest {
protected:
    std::string Entry(int flag, int l1, int x1, int y1, int l2, int x2, int y2) {
        return "Flag " + std::to_string(flag) + " conflict between (Lvl=" + std::to_string(l1) + " ,X=" +
               std::to_string(x1) + " ,Y=" + std::to_string(y1) + ") and (lvl=" + std::to_string(l2) +
               " ,X=" + std::to_string(x2) + " ,Y=" + std::to_string(y2) + ")\n\n";
    }
    std::string Report() { return FileText(kFlagConflictReportFile); }
};

TEST_F(FlagConflictsTest, FirstUserStaysAndEntriesAreWrittenByteForByte) {
    Put(10, 1, kChest, {{9, 500}, {11, 600}});
    Put(2, 5, kChest, {{9, 500}, {11, 700}});  // scanned first: lower x
    Put(30, 30, kChest, {{9, 42}, {11, 40}});  // its own run holds its lock flag
    Put(40, 0, kPit, {{1, 500}, {9, 0}});      // a condition word takes no part
    Save(3);
    Put(22, 31, kDoor, {{7, 500}});
    Put(0, 0, kUseItem, {{4, 120}, {6, 121}});  // run 121..124
    Save(7);
    Put(5, 5, kBoat, {{5, 123}});  // 123..125
    Save(9);

    const FlagConflictAudit audit = AuditFlagConflicts(1);
    EXPECT_TRUE(audit.written);
    EXPECT_EQ(audit.conflicts, 5u);
    EXPECT_EQ(Report(), Entry(500, 3, 2, 5, 3, 10, 1) + Entry(42, 3, 30, 30, 3, 30, 30) + Entry(500, 3, 2, 5, 7, 22, 31) +
                            Entry(123, 7, 0, 0, 9, 5, 5) + Entry(124, 7, 0, 0, 9, 5, 5));
}

TEST_F(FlagConflictsTest, NeighboursShareByExemptionOnly) {
    for (int y : {10, 11, 12}) Put(4, y, kTrap, {{9, 77}});  // three in a row
    for (int y : {20, 22, 24}) Put(4, y, kTrap, {{9, 78}});  // the same, two squares apart
    Put(6, 0, kOneItem, {{4, 90}});
    Put(7, 0, kOneItem, {{4, 90}});
    Put(6, 40, kCache, {{4, 300}});
    Put(6, 41, kCache, {{4, 303}});  // its neighbour's run 300..305 holds 303..305; it takes 306..308
    Put(8, 8, kChest, {{9, 900}, {11, 1000}});
    Put(8, 9, kChest, {{9, 900}, {11, 2000}});  // chests have no exemption
    Save(1);

    AuditFlagConflicts(1);
    EXPECT_EQ(Report(), Entry(78, 1, 4, 20, 1, 4, 22) + Entry(78, 1, 4, 20, 1, 4, 24) + Entry(900, 1, 8, 8, 1, 8, 9));
    EXPECT_EQ(AuditFlagConflicts(0).conflicts, 2u + 2u + 1u + 3u + 1u);  // traps, one items, caches, chests
}

TEST_F(FlagConflictsTest, RunsTakeOnlyTheFlagsAGameHas) {
    Put(1, 1, kCache, {{4, 0}});     // takes 1..5
    Put(1, 3, kCache, {{4, -1}});    // takes 1..4 again
    Put(1, 5, kCache, {{4, 7998}});  // takes 7998 and 7999
    Put(1, 7, kDoor, {{7, 7999}});
    Put(1, 9, kDoor, {{7, 0}});  // none
    Put(1, 11, kDoor, {{7, 0}});
    Save(2);
    EXPECT_EQ(AuditFlagConflicts(0).conflicts, 5u);
    EXPECT_EQ(Report(), Entry(1, 2, 1, 1, 2, 1, 3) + Entry(2, 2, 1, 1, 2, 1, 3) + Entry(3, 2, 1, 1, 2, 1, 3) +
                            Entry(4, 2, 1, 1, 2, 1, 3) + Entry(7999, 2, 1, 5, 2, 1, 7));
}

TEST_F(FlagConflictsTest, OnlyLevelsOneTo119AreAudited) {
    for (int16_t n : {0, 120, 125, 129}) {
        Put(1, 1, kDoor, {{7, 5}});
        Put(1, 2, kDoor, {{7, 5}});
        Save(n);
    }
    const FlagConflictAudit audit = AuditFlagConflicts(1);
    EXPECT_TRUE(audit.written);
    EXPECT_EQ(audit.conflicts, 0u);
    EXPECT_EQ(Report(), "");
}

TEST_F(FlagConflictsTest, TheCountShownAndTheEditedLevelReloaded) {
    OpenDisplay();
    // 2500 chests sharing one lock flag and a run: past what 16 bits could count.
    for (int16_t n : {1, 2}) {
        for (int x = 0; x < 50; ++x)
            for (int y = 0; y < 50; ++y) Put(x, y, kChest, {{9, 100}, {11, 200}});
        Save(n);
    }
    NewLevel(1300);
    Save(60);
    CurrentLevel.BottomLayer[0] = 5;  // an unsaved edit of level 60
    host.Wait(5).Tap(13);
    Run([] { ReportFlagConflicts(1, 60); });
    EXPECT_TRUE(TextShown(host, "Report generated."));
    EXPECT_EQ(SecondLineOfBox(host, "Conflict Report Generated."), "Conflicts =34993");
    EXPECT_EQ(CurrentLevel.BottomLayer[0], 1300);

    CurrentLevel.BottomLayer[0] = 5;
    host.Wait(5).Tap(13);
    Run([] { ReportFlagConflicts(1, 61); });  // never saved
    EXPECT_EQ(CurrentLevel.BottomLayer[0], 1);
    EXPECT_FALSE(EventGrid[0]);
}

TEST_F(FlagConflictsTest, AReportThatCannotBeWrittenLoadsNothing) {
    OpenDisplay();
    Put(1, 1, kDoor, {{7, 5}});
    Save(1);
    fs::create_directory(kFlagConflictReportFile);  // a folder where the file should go
    CurrentLevel.BottomLayer[0] = 5;
    host.Wait(5).Tap(13);
    Run([] { ReportFlagConflicts(1, 1); });
    EXPECT_EQ(SecondLineOfBox(host, "'FlagConflictReport.txt' could"), "not be written!");
    EXPECT_FALSE(TextShown(host, "Report generated."));
    EXPECT_EQ(CurrentLevel.BottomLayer[0], 5);
}

}  // namespace
