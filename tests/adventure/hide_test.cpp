// Hiding: what in sight prevents it, and the hidden hero's script under him.
#include "adventure/hide.h"

#include "data/square_kinds.h"
#include "kit/script/script_slots.h"
#include "tests/adventure/action_test.h"

namespace {


class HideTest : public ActionTest {
protected:
    bool Hide() {
        Run([] { TryHide(); });
        return GameState.Hidden != 0;
    }
};

TEST_F(HideTest, OnlyAMonsterInSightPreventsHiding) {
    AddPushEncounter(1, 1181, 27, 25);
    ASSERT_EQ(AddMonsterEncounter(1, 30, 30, 0, 0), 1);
    SightGrid[30 - 19][30 - 19] = 0;  // behind a wall
    EXPECT_TRUE(Hide());
    EXPECT_EQ(Shown("There are enemies in sight."), 0u);

    GameState.Hidden = 0;
    ASSERT_EQ(AddMonsterEncounter(2, 20, 22, 0, 0), 1);  // dormant or not, a monster is a monster
    GameState.EncounterList[1].DormantFlag = 5;
    TapKey(13);
    EXPECT_FALSE(Hide());
    EXPECT_TRUE(ShownAt("There are enemies in sight.", 210, 220));
    EXPECT_TRUE(ShownAt("  You cannot hide here.", 210, 240));
}

TEST_F(HideTest, AHiddenHerosScriptRunsAtOnce) {
    CreateScript(2);
    LevelScript& s = *ScriptTable[2];
    s.Record.Code[0] = 10;  // set flag 400 to 7
    s.Record.Operand[0][0] = 400;
    s.Record.Operand[0][2] = 7;
    s.Record.Code[1] = 9;  // end
    Put(25, 25, kActivateScriptEvent, {{8, 2}, {12, 1}});
    EXPECT_TRUE(Hide());
    EXPECT_EQ(GameFlag(400), 7);
}

}  // namespace
