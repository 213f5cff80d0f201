// The spell engine: the three area shapes, a monster struck once per square, resists,
// immunities and curses, the deathspell and the frog, the hero in his own blast, the events a
// blast answers, and the Evocation bonus.
#include "combat/spell_area.h"

#include "tests/combat/combat_test.h"

namespace {

class SpellAreaTest : public CombatTest {
protected:
    // The window square of map square (x, y); the hero at (25, 25) puts the origin at 19.
    static int16_t W(int16_t v) { return int16_t(v - 19); }
    void Blast(int16_t x, int16_t y, int16_t mode, int16_t kind, int16_t bonus, int16_t hitsHero = 0,
               int16_t curseValue = -1) {
        Run([&] { SpellArea(W(x), W(y), mode, kind, 0, 0, bonus, 0, hitsHero, 0, curseValue); });
    }
};

TEST_F(SpellAreaTest, AFiveByFiveAreaLeavesOutItsCorners) {
    OpenDisplay();
    Monster(1);
    for (int16_t x = 22; x <= 26; ++x)
        for (int16_t y = 22; y <= 26; ++y)
            if (x != 25 || y != 25) Place(1, x, y);
    Blast(22, 22, 2, kPhysicalSpell, 5);
    int struck = 0;
    for (const Encounter& r : GameState.EncounterList) struck += r.Kind == 3 && r.Hp == 15;
    EXPECT_EQ(struck, 20);  // 21 squares, one of them the hero's
    for (auto [x, y] : {std::pair{22, 22}, std::pair{26, 22}, std::pair{22, 26}, std::pair{26, 26}}) {
        EXPECT_EQ(Enc(At(int16_t(x), int16_t(y))).Hp, 20);
        EXPECT_FALSE(Shows(BackSurface, CellPixel(W(int16_t(x))), CellPixel(W(int16_t(y))), WallTiles[1317]));
    }
    EXPECT_TRUE(Shows(BackSurface, CellPixel(W(23)), CellPixel(W(22)), WallTiles[1317]));
}

TEST_F(SpellAreaTest, ALargeMonsterIsStruckOncePerSquareInTheArea) {
    Monster(1, 1236);
    const int16_t e = Place(1, 21, 21);
    Blast(20, 20, 1, kPhysicalSpell, 3);
    EXPECT_EQ(Enc(e).Hp, 20 - 4 * 3);
}

TEST_F(SpellAreaTest, ResistsAndImmunities) {
    struct Case {
        int16_t kind, resist, dr;
        uint32_t spellImmune;
        int16_t hp;
        int16_t silenced;
    };
    const Case cases[] = {
        {kFireSpell, -1, 0, 0, 20 - 12, 0},  // a negative resist doubles
        {kFireSpell, 4, 9, 0, 20 - 2, 0},    // an element ignores DR
        {kSilenceSpell, 0, 4, 0, 20 - 2, 1}, // other kinds take DR off the dice
        {kSilenceSpell, 0, 0, 1, 20, 0},     // immune: no damage, no effect
    };
    for (const Case& c : cases) {
        MonsterRecord& m = Monster(1);
        m.MonsterResists[3] = c.resist;
        m.MonsterDr = c.dr;
        m.MonsterSpellImmune = c.spellImmune;
        ClearMonster(0);
        const int16_t e = Place(1, 20, 20);
        Blast(20, 20, 0, c.kind, 6);
        EXPECT_EQ(Enc(e).Hp, c.hp) << c.kind << " " << c.resist;
        EXPECT_EQ(Enc(e).Silenced, c.silenced);
    }
}

TEST_F(SpellAreaTest, CursesGiveTheirValuesAndDamageOnlyWithDice) {
    MonsterRecord& m = Monster(1);
    m.MonsterDr = 2;
    const int16_t e = Place(1, 20, 20);
    GameState.Skills[kCurseSkill] = 3;
    SkillBonus.CurseTables[0][3] = 4;
    SkillBonus.CurseTables[1][3] = 5;
    SkillBonus.CurseTables[2][3] = 30;
    Blast(20, 20, 0, kIncompetenceSpell, 0);
    Blast(20, 20, 0, kVulnerabilitySpell, 0);
    Blast(20, 20, 0, kWeaknessSpell, 0);
    EXPECT_EQ(Enc(e).Hp, 20);
    EXPECT_EQ(Enc(e).AttackPenalty, 4);
    EXPECT_EQ(Enc(e).DefencePenalty, 5);
    EXPECT_EQ(Enc(e).WeakenPercent, 30);
    Blast(20, 20, 0, kIncompetenceSpell, 6, 0, 9);  // a wand's own value
    EXPECT_EQ(Enc(e).AttackPenalty, 9);
    EXPECT_EQ(Enc(e).Hp, 16);
}

TEST_F(SpellAreaTest, TheDeathspellSparesRobotsAndTheHoldSparesPlants) {
    Monster(1).MonsterType = 14;
    Monster(2).MonsterType = 10;
    Monster(3).MonsterType = 13;
    const int16_t robot = Place(1, 20, 20);
    const int16_t orc = Place(2, 21, 20);
    const int16_t plant = Place(3, 22, 20);
    host.Wait(10).Tap(13);
    Blast(20, 20, 0, kDeathSpell, 0);
    EXPECT_EQ(Enc(robot).Kind, 3);
    EXPECT_TRUE(TextShown(host, "   Immune to Deathspell!"));
    Blast(21, 20, 0, kDeathSpell, 0);
    EXPECT_EQ(Enc(orc).Kind, -1);
    Blast(22, 20, 0, kHoldSpell, 0);
    EXPECT_EQ(Enc(plant).Paralysed, 0);
    Blast(20, 20, 0, kDeconstructSpell, 0);
    EXPECT_EQ(Enc(robot).Hp, 5);
}

TEST_F(SpellAreaTest, AFrogTakesTheFootprintOfItsOwnClass) {
    Monster(1, 1236);
    Monster(196).MonsterHitPoints = 2;
    const int16_t e = Place(1, 20, 20);
    Blast(21, 21, 0, kFrogSpell, 0);
    EXPECT_EQ(Enc(e).Monster, 196);
    EXPECT_EQ(Enc(e).Hp, 2);
    EXPECT_EQ(At(20, 20), e);
    EXPECT_EQ(std::count(std::begin(GameState.MonsterGrid), std::end(GameState.MonsterGrid), e), 1);
}

TEST_F(SpellAreaTest, TheHeroInHisOwnBlastTakesItLessHisResist) {
    GameState.Resists[3] = 3;
    Blast(24, 24, 1, kFireSpell, 10, 1);
    EXPECT_EQ(GameState.HitPoints, 93);
    Blast(24, 24, 1, kFireSpell, 10, 0);
    EXPECT_EQ(GameState.HitPoints, 93);
}

TEST_F(SpellAreaTest, TheEventsABlastAnswers) {
    EventRecord& ice = Event(20, 20, 1270);
    ice.Word[1] = 1;
    ice.Word[6] = 400;
    EventRecord& altar = Event(21, 20, 1262);
    altar.Word[3] = kColdSpell;
    altar.Word[4] = 300;
    altar.Word[5] = 301;
    SetGameFlag(301, -1);
    EventRecord& smoke = Event(22, 20, 1331);
    smoke.Word[1] = 500;
    Blast(20, 20, 0, kAcidSpell, 0);
    EXPECT_EQ(GameFlag(400), 0);
    Blast(20, 19, 1, kColdSpell, 0);
    EXPECT_EQ(GameFlag(400), 1);
    EXPECT_EQ(GameFlag(300), 1);
    EXPECT_EQ(GameFlag(301), 1);
    EXPECT_EQ(GameFlag(500), 1);
    Blast(20, 19, 1, kColdSpell, 0);
    EXPECT_EQ(GameFlag(300), 1);  // once only
}

TEST_F(SpellAreaTest, TheEvocationBonus) {
    GameState.ActiveAura = 0;
    GameState.Skills[kAuras] = 4;
    SkillBonus.AuraValues[0] = 2;
    int16_t damage = 10;
    AddEvocationBonus(damage);
    EXPECT_EQ(damage, 18);
    GameState.ActiveAura = 1;
    AddEvocationBonus(damage);
    EXPECT_EQ(damage, 18);
}

}  // namespace
