// Pushing a monster, fast travel between the districts, and the item event on the hero's
// square after the hero screen.
#include <tuple>

#include "adventure/push_and_travel.h"
#include "data/campaign_tables.h"
#include "data/square_kinds.h"
#include "hero/derived_stats.h"
#include "hero/item_use.h"
#include "tests/adventure/adventure_test.h"

namespace {

class PushAndTravelTest : public AdventureTest {
protected:
    void SetUp() override {
        AdventureTest::SetUp();
        GameState.Stats[kStrength] = GameState.BaseStats[kStrength] = 5;
    }
    // The Right arrow at the prompt: a push on the square right of the hero; a refusal's box is
    // closed with Enter.
    void PushRight(bool refused = false) {
        TapKey(39);
        if (refused) TapKey(13);
        Run(PushMonster);
    }
};

TEST_F(PushAndTravelTest, PushRefusalsInTheirOrder) {
    const struct {
        int16_t picture, hp;
        uint32_t ghost, flies;
        bool behind;
        const char* refusal;
    } cases[] = {
        {0, 50, 1, 0, false, "Can't push an ethereal"}, {0, 50, 0, 1, false, "Can't push a flyer!"},
        {1008, 10, 0, 0, false, "Monster too big!"},    {1236, 10, 0, 0, false, "Monster too big!"},
        {0, 51, 0, 0, false, "You're not strong enough!"}, {0, 50, 0, 0, true, "No space behind monster!"},
    };
    for (const auto& c : cases) {
        PopulateEncounters();
        MonsterRecord& m = Monster(5, c.picture, c.hp, 5);
        m.MonsterGhostTouch = c.ghost;
        m.MonsterFlies = c.flies;
        AddMonsterEncounter(5, 26, 25, 0, 0);
        GameState.EncounterList[0].Hp = 1;  // the table's hit points count, not the wound
        if (c.behind) AddPushEncounter(1, 640, 27, 25);
        host.texts.clear();
        PushRight(true);
        EXPECT_EQ(Shown(c.refusal), 1u) << c.refusal;
        EXPECT_EQ(GridAt(26, 25), 0) << c.refusal;
    }
}

TEST_F(PushAndTravelTest, APushMovesTheMonsterOrDropsItIntoAChasm) {
    Monster(5, 0, 50, 5);
    AddMonsterEncounter(5, 26, 25, 0, 0);
    GameState.Hidden = 1;
    PushRight();
    EXPECT_EQ(std::tuple(GridAt(26, 25), GridAt(27, 25), GameState.Hidden), std::tuple(-1, 0, 0u));

    // Against a wall it stays; onto a chasm it dies.
    GameState.HeroX = 26;
    Access(28, 25) = kSolidAccess;
    PushRight(true);
    EXPECT_EQ(Shown("No room for monster"), 1u);
    EXPECT_EQ(GridAt(27, 25), 0);
    Access(28, 25) = kChasmAccess;
    GameState.FigureFacesRight = 0;
    PushRight();
    EXPECT_EQ(std::tuple(GridAt(27, 25), GridAt(28, 25)), std::tuple(-1, -1));
    EXPECT_EQ(GameState.EncounterList[0].Kind, -1);
    EXPECT_EQ(GameState.FigureFacesRight, 1);
    EXPECT_TRUE(Played("MonsterDie"));

    // Nothing there: "no"; L leaves without a push.
    host.effects.clear();
    PushRight();
    EXPECT_TRUE(Played("no"));
    TapKey('L');
    Run(PushMonster);
}

TEST_F(PushAndTravelTest, FastTravelIsRefusedWithItsReasons) {
    const struct {
        int16_t level, flag;
        bool monsterSeen;
        const char* line;
    } cases[] = {
        {10, 1, true, "between Durwich districts!"}, {0, 1, false, "between Durwich districts!"},
        {5, 0, true, " just yet!"},                  {5, 1, true, "when monsters are nearby!"},
    };
    AddMonsterEncounter(1, 20, 20, 0, 0);
    for (const auto& c : cases) {
        GameState.CurrentLevelNumber = c.level;
        SetGameFlag(1001, c.flag);
        SightGrid[20 - 19][20 - 19] = c.monsterSeen ? 1 : 0;
        host.texts.clear();
        TapKey(13);
        int allowed = -1;
        Run([&] { allowed = CanFastTravel(); });
        EXPECT_EQ(allowed, 0) << c.line;
        EXPECT_EQ(Shown(c.line), 1u) << c.line;
    }
    SightGrid[1][1] = 0;
    EXPECT_EQ(CanFastTravel(), 1);
}

TEST_F(PushAndTravelTest, ADistrictIsOneKeyAway) {
    ASSERT_EQ(SaveLevel(3, 0), 1u);
    TapKey('C');
    Run(FastTravelMenu);
    EXPECT_EQ(Shown("Fast Travel to District:"), 1u);
    EXPECT_EQ(Shown("(H)arbour"), 1u);
    EXPECT_EQ(GameState.CurrentLevelNumber, 1);
    TapKey('H');
    Run(FastTravelMenu);
    EXPECT_EQ(std::tuple(GameState.CurrentLevelNumber, GameState.HeroX, GameState.HeroY), std::tuple(3, 29, 34));
}

TEST_F(PushAndTravelTest, TheItemEventFiresOnceForTheItemJustUsed) {
    ASSERT_EQ(SaveLevel(2, 0), 1u);
    // Item 70 on this square: flag 130 lowered by 2 (this event's operator 1), then level 2.
    EventRecord& e = Put(25, 25, kUseItemFromBackpackEvent, {{5, 130}, {6, 1}, {7, 2}, {8, 70}});
    SetGameFlag(130, 10);
    ItemInUse = 71;
    CheckUseItemEvent();
    EXPECT_EQ(std::tuple(GameFlag(130), ItemInUse), std::tuple(10, -1));
    ItemInUse = 70;
    SetFieldText(e.Text[0][0], "The seal breaks.");
    TapKey('L');
    Run(CheckUseItemEvent);
    EXPECT_EQ(std::tuple(GameFlag(130), ItemInUse), std::tuple(8, -1));
    EXPECT_EQ(Shown("The seal breaks."), 1u);
    CheckUseItemEvent();
    EXPECT_EQ(GameFlag(130), 8);

    // Without text it still changes its flag (operator 2 adds) and teleports.
    SetFieldText(e.Text[0][0], "");
    e.Word[6] = 2;
    e.Word[9] = 2;
    e.Word[10] = 4;
    e.Word[11] = 5;
    ItemInUse = 70;
    Run(CheckUseItemEvent);
    EXPECT_EQ(GameFlag(130), 10);
    EXPECT_EQ(std::tuple(GameState.CurrentLevelNumber, GameState.HeroX, GameState.HeroY), std::tuple(2, 4, 5));
    EXPECT_TRUE(Played("PowerUp"));
}

}  // namespace
