// The searches and audits over prepared levels: hits in scan order with their lines.
#include "kit/level/level_search.h"

#include <vector>

#include "data/monster_records.h"
#include "data/text_field.h"
#include "tests/kit/audit_levels.h"

namespace {

constexpr int16_t kPushText = 1226, kStepText = 1227, kSimpleDoor = 1233, kOneItem = 1240, kCache = 1241,
                  kChest = 1242, kPrise = 1245, kScript = 1246, kMonster = 1247, kShop = 1248, kTrap = 1256,
                  kLamp = 1287, kBuried = 1282, kSwap = 1284, kBed = 1285;

class LevelSearchTest : public AuditLevelsTest {
protected:
    static std::vector<std::string> Lines(const SearchResults& r) {
        std::vector<std::string> lines;
        for (int i = 0; i <= r.Index && i < kSearchLines; ++i) lines.emplace_back(r.Lines[size_t(i)].data());
        return lines;
    }
    using Strings = std::vector<std::string>;
};

TEST_F(LevelSearchTest, FlagXInScanOrder) {
    Put(1, 3, kChest, {{9, 9}, {11, 53}});       // run 53..58 holds 55
    Put(1, 1, kSimpleDoor, {{3, 55}});
    Put(0, 40, kPushText, {{10, 55}, {1, 55}});  // two words, two hits
    Put(2, 0, 1239, {{1, 55}});                  // PENTA-PORTAL holds no flag words
    Put(3, 0, 1258, {{4, 55}});                  // TRIGGER
    const struct {
        int16_t code, operand;
    } operands[] = {{10, 0}, {13, 0}, {57, 0}, {57, 2}, {21, 0}, {21, 3}, {12, 2}, {49, 0}, {12, 0}, {11, 0}};
    int line = 0;
    for (auto [code, operand] : operands) {
        std::initializer_list<int16_t> zero = {0, 0, 0, 0, 0};
        Line(4, line, code, zero);
        ScriptTable[4]->Record.Operand[line][operand] = 55;
        ++line;
    }
    Save(2);
    Put(0, 0, kSimpleDoor, {{3, 55}});
    Save(40);  // past the range

    SearchResults r;
    FindFlagInLevels(r, 0, 39, 55);
    EXPECT_EQ(Lines(r), (Strings{"M=2,X=0,Y=40", "M=2,X=0,Y=40", "M=2,X=1,Y=1", "M=2,X=1,Y=3", "M=2,X=3,Y=0",
                                 "M=2,S=4,L=0", "M=2,S=4,L=1", "M=2,S=4,L=2", "M=2,S=4,L=3", "M=2,S=4,L=4",
                                 "M=2,S=4,L=5", "M=2,S=4,L=6", "M=2,S=4,L=7"}));
    EXPECT_EQ(r.Count, 13);
    for (int16_t flag : {0, -3}) {
        SearchResults none;
        FindFlagInLevels(none, 0, 129, flag);
        EXPECT_EQ(none.Count, 0) << flag;
        EXPECT_EQ(none.Index, -1) << flag;
    }
}

TEST_F(LevelSearchTest, OnlyAHundredLinesOfUncountedHits) {
    for (int i = 0; i < 150; ++i) Put(i / 50, i % 50, kBed);
    Save(5);
    SearchResults r;
    FindEventInLevels(r, 1, 129, kBed);
    EXPECT_EQ(r.Count, 150);
    EXPECT_EQ(Lines(r).size(), 100u);
    EXPECT_STREQ(r.Lines[99].data(), "M=5,X=1,Y=49");
}

TEST_F(LevelSearchTest, FreeFlagsRunsAndCount) {
    for (int16_t flag = 1; flag <= 9; ++flag) Put(flag, 0, kSimpleDoor, {{3, flag}});
    Put(20, 20, kChest, {{10, 10}});    // a Free Flags word that Flag X does not look in
    Put(21, 0, 1628, {{5, 0}, {3, -7}});  // flags 0 and below mark nothing
    Line(0, 0, 57, {0, 0, 12});
    Line(0, 1, 12, {12, 0, 8000});       // a value past the flags marks nothing
    Save(1);
    SearchResults r;
    FindFreeFlags(r, 0, 129);
    EXPECT_EQ(Lines(r), (Strings{"Free= 11", "Free= 13-7999"}));
    EXPECT_EQ(r.Count, 7988);
}

TEST_F(LevelSearchTest, FreeFlagsKeepsTheFirstHundredRuns) {
    for (int i = 0; i < 150; ++i) Put(i / 50, i % 50, kSimpleDoor, {{3, int16_t(2 * i + 1)}});  // 1, 3, 5, ...
    Save(1);
    SearchResults r;
    FindFreeFlags(r, 1, 1);
    EXPECT_EQ(r.Count, 7999 - 150);
    EXPECT_EQ(Lines(r).size(), 100u);
    EXPECT_STREQ(r.Lines[0].data(), "Free= 2");
    EXPECT_STREQ(r.Lines[99].data(), "Free= 200");
}

TEST_F(LevelSearchTest, ItemXWordsMonstersAndScripts) {
    MonsterTable[7].MonsterDeathItem[0] = 300;
    Put(0, 1, kOneItem, {{5, 300}});
    Put(0, 2, kCache, {{10, 300}, {4, 300}});  // w4 is the flag
    Put(0, 3, kChest, {{12, 300}, {17, 300}});
    Put(0, 4, kShop, {{12, 300}});
    Put(0, 5, kSwap, {{1, 300}, {5, 300}});
    Put(0, 6, kMonster, {{4, 7}});
    Put(0, 7, kMonster, {{4, 300}});  // no such monster: no death item
    Put(0, 8, kMonster, {{4, -1}});
    Put(0, 9, kLamp, {{7, 300}});
    Put(0, 10, kBuried, {{5, 300}});
    Put(0, 11, kPrise, {{9, 300}});  // past its three item words
    Line(3, 8, 25, {300});
    Line(3, 9, 25, {0, 300});
    Save(1);
    SearchResults r;
    FindItemInLevels(r, 1, 1, 300);
    EXPECT_EQ(Lines(r), (Strings{"M=1,X=0,Y=1", "M=1,X=0,Y=2", "M=1,X=0,Y=3", "M=1,X=0,Y=3", "M=1,X=0,Y=4",
                                 "M=1,X=0,Y=5", "M=1,X=0,Y=5", "M=1,X=0,Y=6", "M=1,X=0,Y=9", "M=1,X=0,Y=10",
                                 "M=1,S=3,L=8"}));
}

TEST_F(LevelSearchTest, MonstXAtTheScriptEventsSquare) {
    Put(3, 3, kMonster, {{4, 12}});
    Put(4, 4, kScript, {{4, 2}});
    Put(5, 5, kScript, {{4, 31}});  // no such slot
    Put(6, 6, kScript, {{4, 9}});   // an empty slot
    Line(2, 0, 45, {12});
    Line(2, 1, 58, {0, 12});
    Line(2, 2, 58, {12, 0});
    Line(2, 3, 45, {0, 12});
    Line(5, 0, 45, {12});  // no event names slot 5
    Save(4);
    SearchResults r;
    FindMonsterInLevels(r, 0, 129, 12);
    EXPECT_EQ(Lines(r), (Strings{"M=4,X=3,Y=3", "M=4,X=4,Y=4", "M=4,X=4,Y=4"}));
}

TEST_F(LevelSearchTest, GoldAuditLinesAndTotal) {
    Put(0, 0, kOneItem, {{5, 231}, {7, 100}});
    Put(0, 1, kOneItem, {{5, 230}, {7, 500}});  // not gold
    Put(0, 2, kCache, {{5, 231}, {17, 20}, {10, 231}, {22, 30}});
    Put(0, 3, kChest, {{12, 231}, {24, 9}});  // below the minimum
    Put(0, 4, kPrise, {{11, 231}, {17, 40}});
    Put(0, 5, kLamp, {{4, 50}});
    Put(0, 6, kScript, {{4, 1}});
    Put(0, 7, kScript, {{4, 0}});  // a new SCRIPT EVENT's slot: left out
    Line(1, 5, 23, {60});
    Line(0, 5, 23, {70});
    Save(2);
    SearchResults r;
    AuditGold(r, 0, 129, 10);
    EXPECT_EQ(Lines(r), (Strings{"M=2,X=0,Y=0,Gp=100", "M=2,X=0,Y=2,Gp=20", "M=2,X=0,Y=2,Gp=30", "M=2,X=0,Y=4,Gp=40",
                                 "M=2,X=0,Y=5,Gp=50", "M=2,S=1,GP=60"}));
    EXPECT_EQ(r.Total, 300);
}

TEST_F(LevelSearchTest, ExperienceAuditTotals) {
    MonsterTable[3].MonsterXpAward = 40;
    MonsterTable[4].MonsterXpAward = 5;
    Put(0, 0, kMonster, {{4, 3}});
    Put(0, 1, kMonster, {{4, 4}});    // below the minimum
    Put(0, 2, kMonster, {{4, 500}});  // no such monster
    Put(0, 3, kStepText, {{24, 100}});
    Put(0, 4, kTrap, {{4, 1000}});
    Put(0, 5, kPrise, {{19, 10000}});
    Put(0, 6, kChest, {{31, 20}});
    Put(0, 7, kScript, {{4, 2}});
    Line(2, 0, 24, {7});  // below the minimum
    Line(2, 1, 24, {300});
    Save(1);
    Save(2);
    SearchResults r;
    AuditExperience(r, 0, 129, 10);
    EXPECT_EQ(Lines(r), (Strings{"M=1,S=2,XP=300"}));
    EXPECT_EQ(r.Total, 40 + 100 + 2 * 1000 + 2 * 10000 + 2 * 20 + 300);
}

TEST_F(LevelSearchTest, TileXLayersAndWords) {
    CurrentLevel.BottomLayer[2 * 50 + 3] = 700;
    CurrentLevel.TopLayer[2 * 50 + 3] = 700;
    CurrentLevel.TopLayer[9 * 50 + 9] = 700;
    Put(2, 3, 1281, {{4, 700}, {6, 700}});  // ALT TILE
    Put(5, 5, kOneItem, {{8, 700}, {5, 700}});
    Save(3);
    SearchResults r;
    FindTileInLevels(r, 0, 129, 700);
    EXPECT_EQ(Lines(r), (Strings{"M=3,X=2,Y=3", "M=3,X=2,Y=3", "M=3,X=2,Y=3", "M=3,X=2,Y=3", "M=3,X=5,Y=5",
                                 "M=3,X=9,Y=9"}));
    SearchResults none;
    FindTileInLevels(none, 0, 129, 0);  // the empty top layer is everywhere
    EXPECT_EQ(none.Count, 0);
}

TEST_F(LevelSearchTest, BlankTextRules) {
    auto text = [](EventRecord& e, int t) { SetFieldText(e.Text[t][0], "Hello"); };
    Put(0, 0, 1228);                              // main text only
    text(Put(0, 1, 1228), 0);
    text(Put(0, 2, kPushText, {{4, 1}}), 0);      // second text wanted
    text(Put(0, 3, kPushText, {{4, 0}}), 0);
    Put(0, 4, kStepText, {{5, 2}});               // both
    Put(0, 5, 1262);                              // always both
    Put(0, 6, kBed, {{3, 0}});                    // not tested
    Put(0, 7, kBed, {{3, 1}});
    text(Put(0, 8, kOneItem, {{1, 5}}), 1);
    Put(0, 9, 1233);                              // a type that is not tested
    Save(6);
    SearchResults r;
    FindBlankEventTexts(r, 0, 129);
    EXPECT_EQ(Lines(r), (Strings{"M=6,X=0,Y=0", "M=6,X=0,Y=2", "M=6,X=0,Y=4", "M=6,X=0,Y=4", "M=6,X=0,Y=5",
                                 "M=6,X=0,Y=5", "M=6,X=0,Y=7", "M=6,X=0,Y=8"}));
}

TEST_F(LevelSearchTest, MissingMusicAndUndefinedMonsters) {
    CurrentLevel.ZoneLayer[10] = 2;
    CurrentLevel.ZoneLayer[11] = 3;
    CurrentLevel.ZoneLayer[12] = 9;  // a damaged zone
    CurrentLevel.ZoneTunes[0] = 4;
    CurrentLevel.ZoneTunes[3] = 1;
    Save(8);
    SearchResults r;
    FindMissingMusic(r, 0, 129);
    EXPECT_EQ(Lines(r), (Strings{"M=8, Zone=2"}));

    for (auto& m : MonsterTable) m = MonsterRecord{};
    auto define = [](int n, int16_t type, int16_t xp, int16_t picture, int16_t melee) {
        MonsterRecord& m = MonsterTable[size_t(n)];
        SetFieldText(m.MonsterName, "Orc");
        m.MonsterType = type, m.MonsterXpAward = xp, m.MonsterPicture = picture, m.MonsterMeleeSkill = melee;
    };
    define(1, 3, 10, 4, 5);    // defined
    define(2, 0, 10, 4, 5);    // no type
    define(3, 3, 0, 4, 5);     // no experience
    define(4, 3, 10, 0, 5);    // a blank record
    define(5, 3, 10, 0, 6);
    define(299, 0, 0, 0, 5);   // never read
    MonsterTable[6].MonsterType = 0;  // no name: not a monster
    SearchResults m;
    FindUndefinedMonsters(m);
    EXPECT_EQ(Lines(m), (Strings{"Monst=2", "Monst=3", "Monst=4"}));
}

TEST_F(LevelSearchTest, FreeTilesMarks) {
    TileMarks used{};
    MarkProgramTiles(used);
    int fixed = 0;
    for (uint8_t u : used) fixed += u;
    EXPECT_EQ(fixed, 545);
    for (int t : {19, 1220, 1399, 1628, 2219, 2001, 2110}) EXPECT_TRUE(used[size_t(t)]) << t;

    std::fill(std::begin(CurrentLevel.BottomLayer), std::end(CurrentLevel.BottomLayer), int16_t(20));
    CurrentLevel.BottomLayer[1] = 2394;  // past the table
    CurrentLevel.BottomLayer[2] = -5;    // damaged
    CurrentLevel.TopLayer[0] = 2284;
    Put(4, 4, 1232, {{4, 21}});  // HERALDRY SIGN's picture
    Save(9);
    TileMarks levels{};
    MarkUsedTiles(levels, 9, 9);
    int marked = 0;
    for (uint8_t u : levels) marked += u;
    EXPECT_EQ(marked, 4);  // 0 of the top layer, 20, 21 and 2284
    for (int t : {0, 20, 21, 2284}) EXPECT_TRUE(levels[size_t(t)]) << t;
}

}  // namespace
