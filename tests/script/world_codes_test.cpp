// The codes that change the hero's shape and health, move him, open a shop, change the
// monsters and reset the world; and the black-out and sound codes.
#include <functional>

#include "adventure/encounters.h"
#include "adventure/square_triggers.h"
#include "data/campaign_tables.h"
#include "data/monster_records.h"
#include "hero/derived_stats.h"
#include "hero/give_item.h"
#include "hero/item_grids.h"
#include "hero/item_types.h"
#include "kit/events/level_records.h"
#include "platform/display.h"
#include "platform/keys.h"
#include "tests/script/script_test.h"
#include "tests/support/surface_match.h"

namespace {

using Lines = std::vector<std::string>;

class WorldCodesTest : public ScriptTest {
protected:
    void SetUp() override {
        ScriptTest::SetUp();
        saved_ = std::make_unique<std::array<MonsterRecord, kMonsterCount>>(MonsterTable);
        for (MonsterRecord& m : MonsterTable) m = {};
        MonsterTable[10].MonsterHitPoints = 8;
        MonsterTable[11].MonsterHitPoints = 40;
        MonsterTable[11].MonsterPicture = 1300;  // 2 x 2
        MonsterTable[12].MonsterHitPoints = 3;
    }
    void TearDown() override {
        MonsterTable = *saved_;
        ScriptTest::TearDown();
    }
    // An encounter of monster m on its footprint at (x, y), with a kill flag.
    static int16_t Monster(int16_t e, int16_t m, int16_t x, int16_t y, int16_t killFlag = -1) {
        Encounter& r = GameState.EncounterList[e];
        r.Kind = 3;
        r.Monster = m;
        r.Hp = r.HpMax = 1;
        r.KillFlag = killFlag;
        MarkFootprint(x, y, PictureSizeClass(MonsterTable[size_t(m)].MonsterPicture), e);
        return e;
    }
    static int16_t At(int x, int y) { return GameState.MonsterGrid[x * 50 + y]; }

private:
    std::unique_ptr<std::array<MonsterRecord, kMonsterCount>> saved_;
};

TEST_F(WorldCodesTest, ShapesAndHealing) {
    GameStateRecord& g = GameState;
    EXPECT_EQ(RunLine(30, {2, 10, 3, 2}), (Lines{"< You are transformed! >", ""}));
    EXPECT_EQ(std::tuple(g.HeroForm, g.FormTurns, g.FormDefence, g.FormDR), std::tuple(4, 999, 10, 3));
    EXPECT_EQ(std::tuple(g.FormDamage[0], g.FormDamage[1], g.FormDamage[2]), std::tuple(2, 6, 0));
    EXPECT_EQ(RunLine(30, {3}), (Lines{"< You have been shrunk! >", ""}));
    EXPECT_EQ(std::tuple(g.Shrunk, g.HeroForm), std::tuple(50, 4));
    EXPECT_EQ(RunLine(30, {4}), (Lines{"< You are restored to your human form! >", ""}));
    EXPECT_EQ(std::tuple(g.HeroForm, g.FormTurns, g.FormDefence, g.FormDR, g.FormDamage[0], g.FormDamage[1]),
              std::tuple(0, 0, 0, 0, 0, 0));
    EXPECT_EQ(RunLine(30, {5}), (Lines{"", ""}));

    auto hurt = [&g] {
        g.HitPoints = 1, g.HitPointsMax = 20, g.Energy = 0, g.EnergyMax = 9;
        g.BaseStats[kEndurance] = 4;  // 20 hit points and 4000 energy when not drained
        g.Exhausted = g.Poisoned = g.Diseased = g.Drained = g.Clutz = g.Aged = g.Feebleminded = g.Cursed = 1;
        g.PrayerCharges = g.CurseCharges = 0;
    };
    hurt();
    EXPECT_EQ(RunLine(37, {3}), (Lines{"<You are cured of all ailments!>", ""}));
    // Cured first, then healed up to the maxima of the cured hero.
    EXPECT_EQ(std::tuple(g.HitPoints, g.Energy, g.Exhausted, g.Poisoned, g.Feebleminded, g.Cursed),
              std::tuple(20, 4000, 0u, 0u, 0u, 1u));
    EXPECT_EQ(std::tuple(g.PrayerCharges, g.CurseCharges), std::tuple(0, 0));  // no skills
    EXPECT_EQ(RunLine(37, {1}), (Lines{"<Nothing happens!>", ""}));
    g.Skills[kPrayer] = 16;
    g.Skills[kCurseSkill] = 0;
    EXPECT_EQ(RunLine(37, {1}), (Lines{"<Skill charges restored!>", ""}));
    EXPECT_EQ(std::tuple(g.PrayerCharges, g.CurseCharges), std::tuple(5, 3));
    g.Skills[kCurseSkill] = 8;
    RunLine(37, {1});
    EXPECT_EQ(g.CurseCharges, 4);
    hurt();
    EXPECT_EQ(RunLine(37, {0}), (Lines{"<You have been healed!>", ""}));
    EXPECT_EQ(std::tuple(g.HitPoints, g.Energy, g.Exhausted, g.Poisoned), std::tuple(20, 9, 0u, 1u));
    EXPECT_EQ(RunLine(37, {2}), (Lines{"<All afflictions removed!>", ""}));
    EXPECT_EQ(std::tuple(g.Poisoned, g.Diseased, g.Drained, g.Clutz, g.Aged), std::tuple(0u, 0u, 0u, 0u, 0u));
    g.HitPoints = 1;
    EXPECT_EQ(RunLine(37, {4}), (Lines{"", ""}));
    EXPECT_EQ(g.HitPoints, 20);  // the rest's recovery
    EXPECT_TRUE(RunLine(37, {5}).empty());
}

TEST_F(WorldCodesTest, TeleportChecksItsTargetAndEndsTheScript) {
    Line(0, 36, {3, 0, 12, 14});
    Line(1, 1, {}, "not reached");
    RunScriptAt();
    EXPECT_EQ(std::tuple(GameState.HeroX, GameState.HeroY), std::tuple(12, 14));
    EXPECT_TRUE(WindowLines().empty());

    for (std::array<int16_t, 5> target : {std::array<int16_t, 5>{130, 0, 1, 1}, {-1, 0, 1, 1}, {3, 0, 50, 1},
                                          {3, 0, 1, -1}}) {
        Line(0, 36, target);
        TapKey(kEnter);
        RunScriptAt();
        EXPECT_EQ(std::tuple(GameState.HeroX, GameState.HeroY), std::tuple(12, 14));
        EXPECT_TRUE(WindowLines().empty());
    }
    EXPECT_EQ(Draws("Error! Teleport target is").size(), 4u);
}

TEST_F(WorldCodesTest, ShopOnlyOnAShopSquare) {
    CreateEvent(4, 4, 1248);
    CreateEvent(5, 5, 1240);
    for (std::array<int16_t, 5> square : {std::array<int16_t, 5>{5, 5}, {6, 6}, {50, 4}}) {
        TapKey(kEnter);
        RunLine(31, square);
    }
    EXPECT_EQ(Draws("Error! No shop at").size(), 3u);
    EXPECT_EQ(Draws("designated coordinates!").front(), (std::array<int32_t, 3>{90, 120, 0}));
    TapKey('D');  // the shop opens and is left
    RunLine(31, {4, 4});
    EXPECT_TRUE(host.ScriptDone());
    EXPECT_EQ(Draws("Error! No shop at").size(), 3u);
    EXPECT_EQ(Draws("Done").size(), 1u);
}

TEST_F(WorldCodesTest, SummonChangeAndRemoveMonsters) {
    RunLine(45, {12, 10, 11, 1});
    EXPECT_EQ(GameState.EncounterList[0].Monster, 12);
    EXPECT_EQ(At(10, 11), 0);
    RunLine(45, {300, 10, 12, 1});
    RunLine(45, {12, 50, 12, 1});
    EXPECT_EQ(GameState.EncounterList[1].Kind, -1);

    // The whole level: every monster 10 becomes 11 at 11's hit points, marked 2 x 2.
    ClearMonster(0);
    std::fill(std::begin(GameState.MonsterGrid), std::end(GameState.MonsterGrid), int16_t{-1});
    Monster(0, 10, 3, 3);
    Monster(1, 12, 20, 20);
    Monster(2, 10, 48, 48);
    RunLine(58, {10, 10, 0});
    EXPECT_EQ(GameState.EncounterList[0].Monster, 10);
    RunLine(58, {10, 11, 0});
    for (int16_t e : {0, 2}) {
        EXPECT_EQ(GameState.EncounterList[e].Monster, 11);
        EXPECT_EQ(GameState.EncounterList[e].Hp, 40);
        EXPECT_EQ(GameState.EncounterList[e].HpMax, 40);
    }
    EXPECT_EQ(std::tuple(At(3, 3), At(4, 3), At(3, 4), At(4, 4)), std::tuple(0, 0, 0, 0));
    EXPECT_EQ(std::tuple(At(48, 48), At(49, 49)), std::tuple(2, 2));
    EXPECT_EQ(GameState.EncounterList[1].Monster, 12);

    // An area: only monsters on the gemlore squares, the last column and row included.
    CurrentLevel.AccessLayer[49 * 50 + 0] = 1291;
    Monster(3, 12, 49, 0);
    Monster(4, 12, 30, 30);
    RunLine(58, {12, 10, 1});
    EXPECT_EQ(GameState.EncounterList[3].Monster, 10);
    EXPECT_EQ(GameState.EncounterList[4].Monster, 12);
    EXPECT_EQ(GameState.EncounterList[1].Monster, 12);
}

TEST_F(WorldCodesTest, RemoveMonsterClearsItsSquaresOnTheWholeLevel) {
    GameState.HeroX = GameState.HeroY = 40;
    MonsterTable[10].MonsterPicture = 1300;
    Monster(0, 12, 1, 1);
    Monster(1, 10, 2, 2, 77);  // far outside the view
    Monster(2, 10, 38, 38, 77);
    RunLine(60, {77});
    EXPECT_EQ(GameState.EncounterList[1].Kind, -1);
    EXPECT_EQ(std::count(std::begin(GameState.MonsterGrid), std::end(GameState.MonsterGrid), 1), 0);
    EXPECT_EQ(GameState.EncounterList[2].Kind, 3);
    EXPECT_EQ(At(39, 39), 2);
    EXPECT_EQ(At(1, 1), 0);
    EXPECT_EQ(GameFlag(77), -1);
}

TEST_F(WorldCodesTest, TimeLoopAndTheResetOfTheWorld) {
    RunLine(63, {30});
    EXPECT_EQ(GameState.TimeLoopCountdown, 30);

    Item(70, kQuestItem, 0, "Idol");
    Item(71, kJunk, 0, "Rope");
    GameState.HasBagOfHolding = 1;
    GiveItem(70, 0, 0, 0);
    GiveItem(71, 0, 0, 0);
    AddToBag(70, 0, 0);
    SetGameFlag(5, 9);
    SetGameFlag(7999, 9);
    GameState.QuestStates[4] = 2;
    GameState.ActiveQuests[0] = 6;
    GameState.Awards[0] = 4;
    GameState.ActiveQuestCount = GameState.AwardCount = 1;
    GameState.Beacon[0] = 2;
    GameState.HeroGold = 77;
    GameState.HeroXp = 500;
    GameState.HeroX = 9;
    RunLine(65);
    EXPECT_EQ(std::count(std::begin(GameState.GameFlags), std::end(GameState.GameFlags), -1), 8000);
    EXPECT_EQ(InstanceItem(GameState.Backpack[0][0]), -1);
    EXPECT_EQ(GameState.Backpack[0][0], -1);
    EXPECT_EQ(InstanceItem(GameState.Backpack[1][0]), 71);
    EXPECT_EQ(GameState.BagOfHolding[0][0], -1);
    EXPECT_EQ(std::tuple(GameState.QuestStates[4], GameState.ActiveQuests[0], GameState.Awards[0]),
              std::tuple(0, -1, -1));
    EXPECT_EQ(std::tuple(GameState.ActiveQuestCount, GameState.AwardCount), std::tuple(0, 0));
    EXPECT_EQ(std::tuple(GameState.Beacon[0], GameState.Beacon[1], GameState.Beacon[2]), std::tuple(-1, -1, -1));
    EXPECT_EQ(std::tuple(GameState.HeroGold, GameState.HeroXp, GameState.HeroX), std::tuple(77, 500, 9));
}

TEST_F(WorldCodesTest, WinShowsTheVictoryAndEndsTheScript) {
    SetFieldText(WinTexts[1].Line[0], "The realm is saved");
    SetFieldText(WinTexts[1].Line[1], "!");
    Line(0, 38, {1});
    Line(1, 1, {}, "not reached");
    host.Wait(100);
    TapKey(kEsc);
    RunScriptAt();
    EXPECT_TRUE(host.ScriptDone());
    EXPECT_TRUE(TextShown(host, "The realm is saved"));
    EXPECT_TRUE(WindowLines().empty());
}

TEST_F(WorldCodesTest, BlackOutAndSounds) {
    OpenDisplay();
    Line(0, 39, {}, "Darkness falls");
    Line(1, 51, {0});
    Line(2, 51, {26});
    Line(3, 51, {-1});
    const uint64_t start = host.NowMs();
    RunScriptAt();
    EXPECT_EQ(Draws("Darkness falls").front(), (std::array<int32_t, 3>{130, 180, 273}));
    EXPECT_EQ(host.flips, 1u);
    EXPECT_GE(host.NowMs() - start, 1500u);
    EXPECT_TRUE(host.effects.empty());
    EXPECT_TRUE(Shows(FrontSurface, 608, 448, WallTiles[1327]));

    RunLine(51, {3});
    if (SoundNames[3]) {
        EXPECT_EQ(host.effects, std::vector<std::string>{SoundNames[3]});
    }
}

}  // namespace
