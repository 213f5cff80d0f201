// The skill editor: cells of every kind land at their words with their bounds, nothing else in
// the block moves (entry 0 of the columns, the unused word 682), and the skill and power lists.
#include <set>

#include "data/skill_bonus.h"
#include "kit/db/database_editors.h"
#include "tests/kit/db_test.h"

namespace {

class SkillEditorTest : public DbEditorTest {
protected:
    // Skill list row: 0 "Spend Skill Points", then the skills; power list row as its labels.
    void Skill(int row) {
        TapKey('C');
        ChooseRow(100, 110, row);
    }
    void Power(int row) {
        TapKey('G');
        ChooseRow(350, 110, row);
    }
};

TEST_F(SkillEditorTest, CellsOfEveryKindLandAtTheirWordsAndNothingElseMoves) {
    auto before = FileBytes(DataPath("SkillBonus.dat"));
    for (size_t column : {8u, 1686u, 986u - 42u})  // entry 0 of a few columns, to see it kept
        PutI16(before, column, 77);
    PutI16(before, 682, -5);
    WriteBytes(DataPath("SkillBonus.dat"), before);
    LoadDataFiles();

    Skill(1);                           // Armsmaster
    EnterAt(100, 185, "5");             // damage, skill 1
    EnterAt(480, 365, "998");           // to-hit, skill 20
    Skill(6);                           // Dual Weapons: its second column at 190 / 470
    EnterAt(470, 185, "98");            // skill 11
    Skill(7);                           // Gemlore
    Power(9);                           // True Sight
    EnterAt(200, 185, "4");             // duration, skill 1
    Skill(9);                           // Prayer
    Power(1);                           // Divine Cure
    EnterAt(170, 345, "25");            // undead: at most 20
    Power(3);                           // Blessing
    EnterAt(200, 165, "7");
    EnterAt(120, 205, "30");
    Skill(13);                          // Quest Skills
    TypeAt(320, 295, "Herbalism");      // name 13
    Skill(0);
    EnterAt(290, 315, "12");            // level-up skill points
    Skill(2);                           // Auras
    EnterAt(360, 295, "101");           // wisdom: at most 100
    TapKey('S');
    TapKey(kEnter);
    Run(RunSkillEditor);

    const auto after = FileBytes(DataPath("SkillBonus.dat"));
    ASSERT_EQ(after.size(), 1948u);
    struct Word {
        size_t at;
        int16_t value;
    };
    const Word words[] = {{10, 5},          {50 + 40, 998}, {1686 + 22, 98}, {726 + 2, 4}, {986 + 16, 20},
                          {1006, 7},        {1008, 30},     {2, 12},         {1936 + 10, 100}};
    std::set<size_t> changed;
    for (const Word& w : words) {
        EXPECT_EQ(I16At(after, w.at), w.value) << w.at;
        changed.insert({w.at, w.at + 1});
    }
    EXPECT_EQ(TextAt(after, 1728 + 16 * 12, 16), "Herbalism");
    for (size_t i = 0; i < 16; ++i) changed.insert(1728 + 16 * 12 + i);
    for (size_t i = 0; i < after.size(); ++i)
        if (!changed.count(i)) { EXPECT_EQ(after[i], before[i]) << "byte " << i; }
    EXPECT_TRUE(TextShownAt(host, " Skill Bonus File Saved!", 230, 210));
}

TEST_F(SkillEditorTest, ListsHeadersAndPowersFollowTheSkill) {
    struct Case {
        int skill, power;  // list rows; power -1: none chosen
        const char *left, *right, *shown;
    };
    const Case cases[] = {
        {10, -1, "Skill   Elem Resist      DR", "Skill   Elem Resist     DR", "Resilience"},
        {7, 9, "Skill    Aware +       Dur", "Skill   Aware +        Dur", "True Sight"},
        {3, 2, "Skill   % Damage removed", "Skill   % Damage removed", "Weakness"},
        {9, 1, "Affliction           Req. Skill", nullptr, "Undead"},
        {9, 2, "Minimum Skill to use:", nullptr, "Unbind"},
        {5, -1, "If Skill >= Trap Difficulty, Trap disarmed!", nullptr, "Disarm Traps"},
    };
    for (const Case& c : cases) {
        Skill(c.skill);
        if (c.power >= 0) {
            Power(c.power);
            TapKey('G');
            TapKey(kEsc);  // keeps the power
        }
        TapKey(kEsc);  // Cancel
        TapKey(kEnter);
        host.texts.clear();
        Run(RunSkillEditor);
        EXPECT_TRUE(TextShownAt(host, c.left, 50, 170, 182)) << c.left;
        if (c.right) { EXPECT_TRUE(TextShownAt(host, c.right, 330, 170, 182)) << c.right; }
        EXPECT_TRUE(TextShown(host, c.shown)) << c.shown;
    }

    // A new skill starts at its first power.
    Skill(7);
    Power(12);
    Skill(3);
    TapKey(kEsc);
    TapKey(kEnter);
    host.texts.clear();
    Run(RunSkillEditor);
    EXPECT_TRUE(TextShown(host, "Incompetence"));
    EXPECT_TRUE(TextShownAt(host, "Skill   - To Hit", 50, 170, 182));
    EXPECT_TRUE(TextShownAt(host, "    Changes Aborted!", 230, 210));
}

TEST_F(SkillEditorTest, EscDoesNotCloseTheSkillListAndDCancels) {
    const auto before = FileBytes(DataPath("SkillBonus.dat"));
    Skill(0);
    EnterAt(290, 185, "9");
    TapKey('C');
    host.Wait(100).Hold(kEsc, 50);      // the list stays open
    ChooseRow(100, 110, 4);             // Critical Hit
    EnterAt(100, 185, "12");
    TapKey('D');
    TapKey(kEnter);
    Run(RunSkillEditor);
    EXPECT_TRUE(TextShown(host, "Critical Hit"));
    EXPECT_TRUE(TextShownAt(host, "Skill   Crit %          Damage Bonus", 50, 170, 182));
    EXPECT_EQ(FileBytes(DataPath("SkillBonus.dat")), before);
    EXPECT_EQ(SkillBonus.CriticalChance[1], I16At(before, 92 + 2));  // read again
}

}  // namespace
