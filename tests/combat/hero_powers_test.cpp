// The Gemlore powers, prayers and curses: spell dice, what each writes on the hero, what each
// spends, their areas and refusals.
#include "combat/curses.h"
#include "combat/gemlore.h"
#include "combat/prayers.h"
#include "data/square_kinds.h"
#include "tests/combat/power_test.h"

namespace {

class HeroPowersTest : public PowerTest {};

TEST_F(HeroPowersTest, SpellDiceGiveHalfToFull) {
    struct Case {
        int16_t n, count, sides, bonus;
    };
    for (const Case c : {Case{10, 1, 6, 4}, Case{11, 1, 7, 4}, Case{1, 1, 2, -1}, Case{2, 1, 2, 0}, Case{0, 0, 0, 0},
                         Case{-3, 0, 0, 0}}) {
        const SpellDice d = SpellDiceOf(c.n);
        EXPECT_EQ(d.count, c.count) << c.n;
        EXPECT_EQ(d.sides, c.sides) << c.n;
        EXPECT_EQ(d.bonus, c.bonus) << c.n;
    }
}

TEST_F(HeroPowersTest, ABlastRollsItsDiceWithAuraAndSquare) {
    struct Case {
        int16_t value, auras, onSquare, sides, bonus;
    };
    const Case cases[] = {
        {10, 0, 0, 6, 4},   // 5..10
        {11, 0, 0, 7, 4},   // 5..11
        {10, 4, 0, 6, 8},   // Evocation at Auras 4, value 1: 9..14
        {10, 0, 1, 6, 8},   // the enhancing square doubles the bonus
        {10, 4, 1, 6, 16},  // after the aura
    };
    SkillBonus.AuraValues[0] = 1;
    GameState.Skills[kGemlore] = 5;
    Monster(1).MonsterHitPoints = 100;
    for (const Case& c : cases) {
        SkillBonus.GemSpellMaxDamage[2][5] = c.value;
        GameState.Skills[kAuras] = c.auras;
        GameState.ActiveAura = c.auras ? 0 : -1;
        CurrentLevel.AccessLayer[25 * 50 + 25] = c.onSquare ? kGemloreAccess : 1295;
        GameState.GembagCounts[2] = 1;
        ClearMonster(0);
        GameState.MonsterGrid[26 * 50 + 25] = -1;
        const int16_t e = Place(1, 26, 25);
        SeedRandom(7);
        const int32_t damage = Random15() % c.sides + 1 + c.bonus;
        SeedRandom(7);
        Keys({39, 'A'});  // one square right of the hero
        EXPECT_EQ(Cast(CastLightningBolt), 1);
        EXPECT_EQ(Enc(e).Hp, 100 - damage) << c.value << " " << c.auras << " " << c.onSquare;
        EXPECT_EQ(GameState.GembagCounts[2], 0);
    }
    EXPECT_TRUE(TextShown(host, "Lightning Bolt:"));
}

TEST_F(HeroPowersTest, TheGemIsSpentOnAnEmptyAreaButNotOnCancel) {
    GameState.GembagCounts[0] = 2;
    TapKey(27);
    EXPECT_EQ(Cast(CastAcidCloud), 0);
    EXPECT_EQ(GameState.GembagCounts[0], 2);
    TapKey('A');
    EXPECT_EQ(Cast(CastAcidCloud), 1);
    EXPECT_EQ(GameState.GembagCounts[0], 1);
    EXPECT_TRUE(Played("Click"));
}

TEST_F(HeroPowersTest, SelfPowersReplaceTheirEffect) {
    GameState.Skills[kGemlore] = 4;
    SkillBonus.GemResistTables[0][0][4] = 3;
    SkillBonus.GemResistTables[0][1][4] = 12;
    SkillBonus.GemBuffTables[1][0][4] = 2;
    SkillBonus.GemBuffTables[1][1][4] = 10;
    SkillBonus.GemBuffTables[0][0][4] = 5;
    GameState.GembagCounts[0] = GameState.GembagCounts[6] = 2;
    GameState.GembagCounts[5] = 1;
    GameState.Heroism[0] = 5;
    GameState.Heroism[1] = 20;
    EXPECT_EQ(Cast(CastHeroism), 1);
    EXPECT_EQ(GameState.Heroism[0], 2);
    EXPECT_EQ(GameState.Heroism[1], 10);
    EXPECT_EQ(GameState.SidePanelMode, 1);
    EXPECT_EQ(GameState.GembagCounts[6], 1);
    EXPECT_TRUE(Played("PowerUp"));

    CurrentLevel.AccessLayer[25 * 50 + 25] = kGemloreAccess;
    Cast(CastHeroism);
    EXPECT_EQ(GameState.Heroism[0], 4);
    Cast(CastAcidResist);
    EXPECT_EQ(GameState.AcidShield[0], 6);
    EXPECT_EQ(GameState.AcidShield[1], 12);
    Cast(CastTrueSight);  // True Sight gains nothing there
    EXPECT_EQ(GameState.TrueSight[0], 5);
}

TEST_F(HeroPowersTest, DimensionDoorIsRefusedWhereTeleportFails) {
    GameState.GembagCounts[4] = 1;
    for (int16_t zone : {0, 1, 2, 5}) {
        CurrentLevel.ZoneLayer[25 * 50 + 25] = zone;
        CurrentLevel.ZoneConditions[zone] = 7;
        TapKey(13);
        EXPECT_EQ(Cast(CastDimensionDoor), 0) << zone;
        EXPECT_EQ(SecondLineOfBox(host, "   Teleportation magic"), "   does not work here!");
        CurrentLevel.ZoneConditions[zone] = 0;
    }
    EXPECT_EQ(GameState.GembagCounts[4], 1);

    // In zones 3 and 4 the condition is lifted while the zone's off flag holds its value.
    CurrentLevel.ZoneConditionOffFlag[0] = 600;
    CurrentLevel.ZoneConditionOffValue[0] = 2;
    CurrentLevel.ZoneConditionOffFlag[1] = 601;
    CurrentLevel.ZoneConditionOffValue[1] = 0;
    SetGameFlag(600, 2);
    SetGameFlag(601, 1);
    CurrentLevel.ZoneConditions[3] = CurrentLevel.ZoneConditions[4] = 7;
    CurrentLevel.ZoneLayer[25 * 50 + 25] = 4;
    TapKey(13);
    EXPECT_EQ(Cast(CastDimensionDoor), 0);
    CurrentLevel.ZoneLayer[25 * 50 + 25] = 3;
    Keys({39, 'T'});
    EXPECT_EQ(Cast(CastDimensionDoor), 1);
    EXPECT_EQ(GameState.HeroX, 26);
    EXPECT_EQ(GameState.GembagCounts[4], 0);
}

TEST_F(HeroPowersTest, HealingRefillsEnergyEvenAtFullHitPoints) {
    GameState.Energy = 3;
    GameState.EnergyMax = 40;
    GameState.PrayerCharges = 2;
    EXPECT_EQ(Cast(PrayHealing), 1);
    EXPECT_EQ(GameState.Energy, 40);
    EXPECT_EQ(GameState.HitPoints, 100);
    EXPECT_EQ(GameState.PrayerCharges, 1);
    EXPECT_TRUE(Played("Cure"));

    // A column value of 0 heals nothing rather than dividing by zero; Regeneration still adds.
    GameState.HitPoints = 50;
    GameState.ActiveAura = 3;
    GameState.Skills[kAuras] = 2;
    SkillBonus.AuraValues[3] = 3;
    Cast(PrayHealing);
    EXPECT_EQ(GameState.HitPoints, 56);
}

TEST_F(HeroPowersTest, DivineCureCuresWhatTheSkillReaches) {
    const int16_t req[9] = {1, 3, 5, 7, 9, 11, 13, 15, 17};
    std::copy(std::begin(req), std::end(req), SkillBonus.DivineCureReqSkill);
    GameState.Skills[kPrayer] = 6;
    GameStateRecord& g = GameState;
    g.Exhausted = g.Poisoned = g.Diseased = g.Drained = g.Cursed = g.Feebleminded = g.Aged = g.Clutz = 1;
    g.HeroIsUndead = 1;
    Cast(PrayDivineCure);
    EXPECT_EQ(g.Exhausted + g.Poisoned + g.Diseased, 0u);
    EXPECT_EQ(g.Drained + g.Cursed + g.Feebleminded + g.Aged + g.Clutz + g.HeroIsUndead, 6u);
}

TEST_F(HeroPowersTest, UnbindTakesOffCursedArmourButNotTheWeapon) {
    Wear(kHelmetSlot, 10, 70, -2);
    Wear(kRing2Slot, 11, 71, -1);
    Wear(kRing1Slot, 12, 72, 1);
    Wear(kWeaponSlot, 13, 73, -3);
    GameState.Stats[kCombat] = 9;
    Cast(PrayUnbind);
    EXPECT_EQ(GameState.EquipSlots[kHelmetSlot], -1);
    EXPECT_EQ(GameState.EquipSlots[kRing2Slot], -1);
    EXPECT_EQ(GameState.ItemInstances[10].ItemNumber, -1);
    EXPECT_EQ(GameState.ItemInstances[11].ItemNumber, -1);
    EXPECT_EQ(GameState.EquipSlots[kRing1Slot], 12);
    EXPECT_EQ(GameState.EquipSlots[kWeaponSlot], 13);
    EXPECT_EQ(GameState.Stats[kCombat], 9);  // the menu recomputes the hero, not the prayer
}

TEST_F(HeroPowersTest, SmiteStrikesDemonsAndUndeadInSightAndTheirWalls) {
    GameState.Skills[kPrayer] = 4;
    SkillBonus.SmiteMaxDamage[4] = 2;  // one d2 - 1 less the monster's DR
    GameState.PrayerCharges = 3;
    EXPECT_EQ(Cast(PraySmite), 1);  // nothing in sight: only the charge is spent
    EXPECT_EQ(GameState.PrayerCharges, 2);

    Monster(1).MonsterType = 5;
    Monster(2).MonsterType = 18;  // a Vampire is no undead to Smite
    Monster(3).MonsterType = 16;
    const int16_t demon = Place(1, 22, 22), vampire = Place(2, 23, 22), ghoul = Place(3, 24, 22);
    EventRecord& wall = Event(27, 27, 1261);
    wall.Word[1] = 400;
    wall.Word[2] = 5;
    wall.Word[3] = 1;
    wall.Word[7] = 1;
    EventRecord& shut = Event(28, 27, 1261);
    shut.Word[1] = 401;
    shut.Word[2] = 5;
    shut.Word[3] = 1;
    shut.Word[7] = 1;
    SetGameFlag(400, 1);
    SetGameFlag(401, 0);
    GameState.Skills[kCurseSkill] = 2;
    SkillBonus.CurseTables[0][2] = 3;
    Cast(PraySmite);
    EXPECT_EQ(Enc(demon).AttackPenalty, 3);  // the curse kind also gives Incompetence
    EXPECT_EQ(Enc(vampire).AttackPenalty, 0);
    EXPECT_EQ(Enc(ghoul).AttackPenalty, 3);
    EXPECT_EQ(GameFlag(400), 9999);
    EXPECT_EQ(GameFlag(401), 0);
}

TEST_F(HeroPowersTest, CursesCostChargeAndHitPointsOnlyWhenCastFromTheMenu) {
    GameState.Skills[kCurseSkill] = 3;
    SkillBonus.CurseTables[0][3] = 4;
    GameState.CurseCharges = 3;
    Monster(1);
    const int16_t e = Place(1, 25, 24);
    TapKey(27);
    EXPECT_EQ(Cast([] { return CurseOfIncompetence(1); }), 0);
    EXPECT_EQ(GameState.CurseCharges, 3);
    EXPECT_EQ(GameState.HitPoints, 100);

    TapKey('A');
    EXPECT_EQ(Cast([] { return CurseOfIncompetence(0); }), 1);  // from an effigy: free
    EXPECT_EQ(GameState.CurseCharges, 3);
    EXPECT_EQ(Enc(e).AttackPenalty, 4);
    EXPECT_TRUE(TextShown(host, "Curse of Incompetence:"));

    SkillBonus.CurseTables[0][3] = 1;  // a smaller second curse replaces the first
    TapKey('A');
    EXPECT_EQ(Cast([] { return CurseOfIncompetence(1); }), 1);
    EXPECT_EQ(Enc(e).AttackPenalty, 1);
    EXPECT_EQ(GameState.CurseCharges, 2);
    EXPECT_EQ(GameState.HitPoints, 97);
}

TEST_F(HeroPowersTest, LifeDrainAndEarthMaw) {
    GameState.Skills[kCurseSkill] = 5;
    SkillBonus.LifeDrainPercent[5] = 20;
    SkillBonus.LifeDrainDuration[5] = 8;
    GameState.CurseCharges = 2;
    GameState.HitPoints = 10;
    EXPECT_EQ(Cast(CurseLifeDrain), 1);
    EXPECT_EQ(GameState.LifeDrain[0], 20);
    EXPECT_EQ(GameState.LifeDrain[1], 8);
    EXPECT_EQ(GameState.HitPoints, 5);
    EXPECT_TRUE(Played("Curse"));

    GameState.HitPoints = 3;  // Earth Maw's cost leaves one hit point at least
    TapKey('A');
    EXPECT_EQ(Cast(CastEarthMaw), 1);
    EXPECT_EQ(GameState.HitPoints, 1);
    EXPECT_EQ(GameState.CurseCharges, 0);
    EXPECT_TRUE(TextShown(host, "Earth Maw:"));
}

}  // namespace
