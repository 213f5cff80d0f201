// The monster editor: the experience autocalculation worked by hand, the record clipboard,
// fields that follow the power, the two affliction lists, stepping and the saved file.
#include "kit/db/monster_editor.h"

#include <algorithm>
#include <vector>

#include "data/game_state.h"
#include "data/monster_records.h"
#include "data/text_field.h"
#include "kit/db/database_editors.h"
#include "tests/kit/db_test.h"

namespace {

class MonsterEditorTest : public DbEditorTest {
protected:
    void Edit() {
        Run([] { RunMonsterEditor(); });
    }
    void ClickTab(int tab) { ClickAt(30 + 80 * tab + 5, 155); }
    size_t EffectCount(const char* name) const {
        return size_t(std::count(host.effects.begin(), host.effects.end(), std::string(name)));
    }
};

TEST(CalcMonsterXpTest, AwardsFollowTheStepsWorkedByHand) {
    struct Case {
        const char* what;
        int16_t multiplier, heroLevel;
        MonsterRecord monster;
        int16_t award;
    };
    auto monster = [](int16_t melee, auto... extras) {
        MonsterRecord m{};
        m.MonsterType = 1;
        m.MonsterMeleeSkill = melee;
        (extras(m), ...);
        return m;
    };
    auto missile = [](int16_t v) { return [v](MonsterRecord& m) { m.MonsterMissileSkill = v; }; };
    auto fear = [](MonsterRecord& m) { m.MonsterFearInducing = 1; };
    auto onDeath = [](uint32_t v) { return [v](MonsterRecord& m) { m.MonsterOnDeath = v; }; };
    auto dr = [](int16_t v) { return [v](MonsterRecord& m) { m.MonsterDr = v; }; };
    auto hp = [](int16_t v) { return [v](MonsterRecord& m) { m.MonsterHitPoints = v; }; };
    auto everything = [](MonsterRecord& m) {
        m.MonsterPower = 3;
        m.MonsterAffliction = 1;
        m.MonsterElement = 2;
        m.MonsterOnDeath = 4;
        m.MonsterWalksThroughWalls = m.MonsterSpellImmune = m.MonsterGhostTouch = m.MonsterFearInducing = 1;
    };
    const Case cases[] = {
        {"melee 12 at x0.75", 1, 1, monster(12, hp(10)), 6},       // 12, 9 (9.6), 6 (6.75)
        {"skill 1 at x0.5", 0, 1, monster(1), 0},                  // 1, 0 -> 1, 0
        {"unit never below 1", 2, 1, monster(3, dr(2)), 3},         // 3 + 1 = 4, 3 (3.2)
        {"missile is the larger", 2, 1, monster(5, missile(20)), 16},
        {"fear: two units", 2, 1, monster(10, fear), 11},         // 14, 11 (11.2)
        {"explode: two units", 2, 1, monster(10, onDeath(2)), 11},
        {"acid pool: two units", 2, 1, monster(10, onDeath(3)), 11},
        {"disappear: nothing", 2, 1, monster(10, onDeath(1)), 8},
        {"DR and hit points over the hero", 2, 5, monster(20, dr(6), hp(51)), 22},  // 28, 22 (22.4)
        {"at the hero's limits", 2, 5, monster(20, dr(5), hp(50)), 16},
        {"every extra at x1.5", 7, 1, monster(25, everything), 90},  // 75, 60, 90
        {"x1.2", 4, 1, monster(25), 24},                             // 25, 20, 24
        {"an unknown multiplier", 9, 1, monster(10), 8},
        {"sums wrap at 16 bits", 2, 1, monster(30000, fear), 1},    // 42000 wraps below 0
    };
    for (const Case& c : cases) {
        MonsterTable[0].UniversalXpMultiplier = c.multiplier;
        GameState.HeroLevel = c.heroLevel;
        MonsterTable[7] = c.monster;
        CalcMonsterXp(7, 7);
        EXPECT_EQ(MonsterTable[7].MonsterXpAward, c.award) << c.what;
    }
    MonsterTable[8] = MonsterRecord{};
    MonsterTable[8].MonsterMeleeSkill = 40;
    MonsterTable[8].MonsterXpAward = 77;
    CalcMonsterXp(0, 299);
    EXPECT_EQ(MonsterTable[8].MonsterXpAward, 77);  // type 0 keeps its award
}

TEST_F(MonsterEditorTest, PasteCopiesTheWholeRecordOnceAndSaysNoOtherwise) {
    SetFieldText(MonsterTable[3].MonsterName, "Ghoul");
    MonsterTable[3].UniversalXpMultiplier = 6;
    MonsterTable[3].MonsterDr = 4;
    ClickAt(125, 440);                        // no source: "no"
    EnterAt(150, 66, "3");
    ClickAt(55, 440);                         // copy 3
    ClickAt(125, 440);                        // onto itself: "no"
    TapKey('P');
    TapKey('P');
    TapKey('P');                              // record 0
    ClickAt(125, 440);                        // "click"
    ClickAt(125, 440);                        // the mark is gone: "no"
    TapKey('S');
    TapKey(kEnter);
    Edit();
    EXPECT_EQ(EffectCount("no"), 3u);
    EXPECT_EQ(EffectCount("click"), 2u);  // the paste, and Enter on the saved box
    EXPECT_EQ(std::string(MonsterTable[0].MonsterName), "Ghoul");
    EXPECT_EQ(MonsterTable[0].UniversalXpMultiplier, 6);
    EXPECT_TRUE(TextShownAt(host, "Copy M=3", 200, 440, 182));
    const auto bytes = FileBytes(DataPath("Monster.dat"));
    EXPECT_EQ(TextAt(bytes, 0, 16), "Ghoul");
    EXPECT_EQ(I16At(bytes, 20), 6);
    EXPECT_EQ(I16At(bytes, 24), 4);
    EXPECT_TRUE(TextShownAt(host, "  Monster File Saved!", 230, 210));
}

TEST_F(MonsterEditorTest, PowerFieldsAppearWithThePowerChosen) {
    ClickAt(135, 275);   // Power
    TapKey(35);          // End: rows 7..11
    ChooseRow(130, 270, 4);  // Teleport
    EnterAt(310, 270, "12");
    EnterAt(380, 270, "34");
    ClickAt(135, 275);
    TapKey(35);
    ChooseRow(130, 270, 1);  // Summon Ally
    EnterAt(370, 270, "250");
    TapKey(kEsc);
    TapKey(kEnter);
    Edit();
    EXPECT_TRUE(TextShown(host, " To X=          Y="));
    EXPECT_TRUE(TextShown(host, "Summon ID"));
    // Cancel read the file again: the table is as it was.
    EXPECT_EQ(MonsterTable[0].MonsterPower, 0);
    EXPECT_EQ(MonsterTable[0].MonsterPowerTarget[0], 0);
}

TEST_F(MonsterEditorTest, MeleeOffersElevenAfflictionsAndMissileEight) {
    ClickTab(1);
    ClickAt(135, 294);
    TapKey(35);
    ChooseRow(130, 289, 4);  // the last of 11: Undeath
    ClickTab(2);
    ClickAt(135, 294);
    TapKey(35);
    ChooseRow(130, 289, 4);  // the last of 8: Feeblemind
    ClickTab(4);
    EnterAt(180, 200, "30");
    EnterAt(290, 200, "3");
    TapKey('S');
    TapKey(kEnter);
    Edit();
    EXPECT_EQ(MonsterTable[0].MonsterAffliction, 10);
    EXPECT_EQ(MonsterTable[0].MonsterMissileAffliction, 7);
    EXPECT_EQ(MonsterTable[0].MonsterDeathItem[0], 30);
    EXPECT_EQ(MonsterTable[0].MonsterDeathItem[1], 3);
    const auto bytes = FileBytes(DataPath("Monster.dat"));
    EXPECT_EQ(I16At(bytes, 58), 10);
    EXPECT_EQ(I16At(bytes, 116), 7);
    EXPECT_EQ(I16At(bytes, 62), 30);
}

TEST_F(MonsterEditorTest, SteppingStopsAtBothEnds) {
    struct Case {
        const char* start;
        std::vector<int> buttons;  // x of -10, Prev, Next, +10
        int named;
    };
    const Case cases[] = {{"0", {100}, 0}, {"299", {150}, 299}, {"5", {50}, 0}, {"295", {200}, 299}, {"7", {200, 50}, 7}};
    for (const Case& c : cases) {
        EnterAt(150, 66, c.start);
        for (int x : c.buttons) ClickAt(x + 5, 415);
        TypeAt(100, 98, "Marked");
        TapKey('S');
        TapKey(kEnter);
        Edit();
        EXPECT_EQ(std::string(MonsterTable[size_t(c.named)].MonsterName), "Marked") << c.start;
        SetFieldText(MonsterTable[size_t(c.named)].MonsterName, "");
    }
}

TEST_F(MonsterEditorTest, TheDeathItemPickerKeepsTheItemWhenCancelled) {
    MonsterTable[0].MonsterDeathItem[0] = 5;
    ClickTab(4);
    ClickAt(225, 204);
    TapKey(kEsc);  // the item picker
    TapKey('S');
    TapKey(kEnter);
    Edit();
    EXPECT_EQ(MonsterTable[0].MonsterDeathItem[0], 5);

    ClickTab(4);
    ClickAt(225, 204);
    TapKey('S');  // Select: the Amulets' first item
    TapKey('S');
    TapKey(kEnter);
    Edit();
    EXPECT_EQ(MonsterTable[0].MonsterDeathItem[0], 30);
}

TEST_F(MonsterEditorTest, AutocalcAllAsksFirst) {
    GameState.HeroLevel = 1;
    MonsterTable[0].UniversalXpMultiplier = 2;
    for (int n : {1, 2}) {
        MonsterTable[size_t(n)].MonsterType = 1;
        MonsterTable[size_t(n)].MonsterMeleeSkill = 10;
        MonsterTable[size_t(n)].MonsterXpAward = 99;
    }
    const auto saveAndCheck = [&](int16_t first, int16_t second) {
        TapKey('S');
        TapKey(kEnter);
        Edit();
        EXPECT_EQ(MonsterTable[1].MonsterXpAward, first);
        EXPECT_EQ(MonsterTable[2].MonsterXpAward, second);
    };
    ClickTab(4);
    ClickAt(355, 295);  // Autocalc ALL, answered No
    TapKey('N');
    ClickAt(255, 295);  // Autocalc of monster 0, of type 0
    saveAndCheck(99, 99);
    ClickTab(4);
    TapKey('N');
    ClickAt(255, 295);  // monster 1 alone
    saveAndCheck(8, 99);
    ClickTab(4);
    ClickAt(355, 295);
    TapKey('Y');
    saveAndCheck(8, 8);
    EXPECT_TRUE(TextShown(host, "Really autocalc ALL?"));
}

TEST_F(MonsterEditorTest, AFailedSaveKeepsTheEditorOpen) {
    LockFile("Monster.dat");
    TypeAt(100, 98, "Wight");
    TapKey('S');
    TapKey(kEnter);
    TypeAt(100, 98, "Wraith");
    TapKey(kEsc);
    TapKey(kEnter);
    Edit();
    EXPECT_TRUE(TextShown(host, " Monster.dat not saved!"));
    EXPECT_TRUE(TextShown(host, "Wraith"));
    EXPECT_FALSE(TextShown(host, "  Monster File Saved!"));
}

}  // namespace
