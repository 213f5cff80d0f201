// The right-click boxes of the view and the HUD, and the checks before a bow shot.
#include <cstring>
#include <string>

#include "data/item_records.h"
#include "data/monster_records.h"
#include "hero/derived_stats.h"
#include "hero/item_instances.h"
#include "platform/input.h"
#include "tests/view/view_test.h"
#include "view/hud_help.h"
#include "view/view_info.h"

namespace {

class InfoBoxesTest : public ViewTest {
protected:
    void SetUp() override {
        ViewTest::SetUp();
        MonsterRecord& m = MonsterTable[9];
        std::strcpy(m.MonsterName, "Cave Troll");
        m.MonsterPicture = 100;
        m.MonsterType = 9;
        m.MonsterMeleeSkill = 14;
        m.MonsterPower = 4;
        m.MonsterDr = 3;
        m.MonsterResists[0] = -1;
        m.MonsterResists[3] = 25;
        m.MonsterDamage[0] = 2;
        m.MonsterDamage[1] = 8;
        m.MonsterDamage[2] = 0;
        m.MonsterElement = 4;
        m.MonsterElementDamage[0] = 1;
        m.MonsterElementDamage[1] = 6;
        m.MonsterAffliction = 7;
        Encounter& r = GameState.EncounterList[2];
        r.Kind = 3;
        r.Monster = 9;
        r.Hp = 30;
        r.HpMax = 40;
        GameState.MonsterGrid[22 * 50 + 20] = 2;
    }
    // A right click on window cell (i, j), held for a few passes.
    void RightClick(int i, int j) {
        host.MoveMouse(CellPixel(i) + 5, CellPixel(j) + 5).Hold(2, 5);
        Run([] {
            Screen screen("test");
            TakePass(screen);
            ViewRightClickInfo();
            while (KeyDown(2)) host::Get().Idle();
        });
    }
    bool AnyText(std::string_view start) const {
        for (const auto& t : host.texts)
            if (t.text.rfind(start, 0) == 0) return true;
        return false;
    }
};

TEST_F(InfoBoxesTest, MonsterSheetByPerception) {
    const struct {
        int16_t perception;
        bool lore, resists, damage;
    } tiers[] = {{1, false, false, false}, {3, true, false, false}, {5, true, true, false}, {6, true, true, true}};
    for (const auto& t : tiers) {
        GameState.Stats[kPerception] = t.perception;
        host.texts.clear();
        RightClick(8, 6);
        EXPECT_EQ(Drawn("Cave Troll"), true);
        EXPECT_EQ(TextAt(110, 103)->text, "Type: Giant");
        EXPECT_EQ(TextAt(110, 133)->text, "Power : Blast Fire");
        EXPECT_EQ(Drawn("Monster Info"), t.lore) << t.perception;
        EXPECT_EQ(Drawn("Hit points: 30 / 40"), t.lore) << t.perception;
        EXPECT_EQ(Drawn("Acid resist:  -1"), t.resists) << t.perception;
        EXPECT_EQ(Drawn("Melee Damage: 2d8"), t.damage) << t.perception;
    }
    EXPECT_EQ(TextAt(380, 212)->text, "        plus: 1d6 Fire");
    EXPECT_EQ(TextAt(380, 224)->text, "        plus: Feeblemind");
    EXPECT_EQ(std::count(host.effects.begin(), host.effects.end(), "Info"), 4);

    MonsterTable[9].MonsterElementDamage[2] = 2;
    MonsterTable[9].MonsterDamage[2] = 5;
    host.texts.clear();
    ShowMonsterInfo(22, 20, 2);
    EXPECT_TRUE(Drawn("        plus: 1d6+2 Fire"));
    EXPECT_TRUE(Drawn("Melee Damage: 2d8+5"));
}

TEST_F(InfoBoxesTest, EffectLinesAndThePanelTheyNeed) {
    Encounter& r = GameState.EncounterList[2];
    r.PowerUsed = 1;  // enlarges the panel, has no line
    ShowMonsterInfo(22, 20, 2);
    EXPECT_EQ(TextAt(110, 105)->text, "Type: Giant");
    EXPECT_FALSE(AnyText("Silence"));

    r.AttackPenalty = 2;
    r.Silenced = 1;
    r.DefencePenalty = 3;  // four words set: rows from 100, effects from 146
    host.texts.clear();
    ShowMonsterInfo(22, 20, 2);
    EXPECT_EQ(TextAt(110, 100)->text, "Type: Giant");
    EXPECT_EQ(TextAt(160, 156)->text, "Incompetence (-2 Combat)");
    EXPECT_EQ(TextAt(160, 186)->text, "Silence");
    EXPECT_EQ(TextAt(160, 216)->text, "Vulnerable (-3 DR)");
    EXPECT_TRUE(PartAt(110, 176, WallTiles[1657], {0, 0, 32, 30}));  // the next tile below
}

TEST_F(InfoBoxesTest, RightClicksOnOtherSquares) {
    GameState.EncounterList[3].Kind = 1;  // a push object
    GameState.MonsterGrid[21 * 50 + 21] = 3;
    RightClick(7, 7);
    EXPECT_FALSE(AnyText("Type:"));
    EXPECT_EQ(host.flips, 0u);

    std::strcpy(GameState.HeroName, "Ilsa");
    GameState.HeroLevel = 3;
    GameState.HitPoints = 12;
    GameState.HitPointsMax = 20;
    GameState.ActiveAura = 5;
    RightClick(6, 6);
    EXPECT_EQ(TextAt(120, 180)->text, "Type: Level 3 PC");
    EXPECT_EQ(TextAt(120, 195)->text, "Coordinates: X=20 , Y=20");
    EXPECT_EQ(TextAt(120, 223)->text, "Hit Points: 12 / 20");
    EXPECT_EQ(TextAt(120, 247)->text, "Active: Aura of Wisodm");
}

TEST_F(InfoBoxesTest, ButtonHelpFollowsTheLayout) {
    auto helpAt = [&](int32_t x, int32_t y) {
        host.texts.clear();
        host.MoveMouse(x, y).Hold(2, 5);
        Run([] {
            Screen screen("test");
            TakePass(screen);
            HudButtonHelp();
            while (KeyDown(2)) host::Get().Idle();
        });
    };
    helpAt(460, 395);
    EXPECT_TRUE(Drawn("Stats Button"));
    EXPECT_EQ(TextAt(130, 186)->text, "Hotkey : 'S'");
    GameState.HeroForm = 3;
    helpAt(460, 395);
    EXPECT_TRUE(Drawn("Human Form Button"));
    helpAt(565, 430);  // no Push button in beast form
    EXPECT_TRUE(host.texts.empty());
    GameState.HeroForm = 0;
    helpAt(562, 360);
    EXPECT_TRUE(Drawn("Disarm Trap Button"));
    EXPECT_EQ(TextAt(130, 306)->text, "Hotkey : 'D'");
    helpAt(561, 391);
    EXPECT_EQ(TextAt(130, 150)->text, "To view maps of the VX2 world, and its");

    // Every box's lines fit its panel.
    host.texts.clear();
    for (int16_t b = 0; b < kHudButtonCount; ++b) ShowHudButtonHelp(HudButton(b));
    for (const auto& t : host.texts) {
        if (t.x != 130) continue;
        EXPECT_LE(t.text.size(), 42u) << t.text;
    }
}

TEST_F(InfoBoxesTest, BowRefusals) {
    auto wear = [](int slot, int16_t instance, int16_t item, int16_t type) {
        ItemTable[size_t(item)].ItemType = type;
        GameState.ItemInstances[instance] = {item, 0, 0, 0, 0};
        GameState.EquipSlots[slot] = instance;
    };
    auto check = [&](const char* refusal) {
        host.texts.clear();
        host.effects.clear();
        if (refusal) TapKey(13);
        int result = -1;
        Run([&] { result = CanUseBow(); });
        EXPECT_EQ(result, refusal ? 0 : 1) << (refusal ? refusal : "allowed");
        if (refusal) {
            EXPECT_TRUE(Drawn(refusal));
            EXPECT_EQ(host.effects.front(), "no");
        }
    };
    GameState.MonsterGrid[22 * 50 + 20] = -1;
    check("You have no missile weapon");
    wear(kBowSlot, 1, 300, 19);
    check("You must equip some ammo");
    wear(kBowSlot, 1, 357, 19);
    check(nullptr);
    wear(kBowSlot, 1, 398, 20);
    check(nullptr);
    wear(kAmmunitionSlot, 2, 301, 21);
    check(" Wrong ammo type equipped!");
    wear(kAmmunitionSlot, 2, 301, 22);
    check(nullptr);
    wear(kBowSlot, 1, 300, 19);
    check(" Wrong ammo type equipped!");
    wear(kAmmunitionSlot, 2, 301, 34);
    check(nullptr);
    GameState.EncounterList[5].Kind = 2;  // a boat alongside blocks it like a monster
    GameState.MonsterGrid[19 * 50 + 21] = 5;
    check("Cannot use missile attack");

    GameState.HeroX = GameState.HeroY = 0;
    GameState.MonsterGrid[49 * 50 + 49] = 5;  // far off: only (1, 0), (0, 1) and (1, 1) count
    EXPECT_EQ(MonsterAdjacent(), 0);
    GameState.MonsterGrid[1 * 50 + 1] = 5;
    EXPECT_EQ(MonsterAdjacent(), 1);
}

}  // namespace
