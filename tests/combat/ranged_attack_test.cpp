// The hero's shots: the target list nearest first in scan order, every seen square of a large
// monster, the T key wrapping, ammunition kinds and their spending, and the bow that never hits.
#include "combat/ranged_attack.h"

#include "tests/combat/combat_test.h"

namespace {

class RangedTest : public CombatTest {
protected:
    void SetUp() override {
        CombatTest::SetUp();
        bow = &Item(357 + 1, 3, 0, "Bow");
        bow->ItemDamage[2] = 4;
        Wear(kBowSlot, 1, 358);
        for (int16_t ammunition = 251; ammunition <= 260; ++ammunition) Item(ammunition, 4);
        Wear(kAmmunitionSlot, 2, 251, 0, 20);
    }
    static MonsterRecord& Named(int16_t number, const char* name, int16_t picture = 0) {
        MonsterRecord& m = Monster(number, picture);
        SetFieldText(m.MonsterName, name);
        m.MonsterMeleeSkill = -40;
        m.MonsterHitPoints = 100;
        return m;
    }
    // The names the target screen showed, in order.
    std::vector<std::string> Targets() const {
        std::vector<std::string> names;
        for (const host::TextRecord& t : host.texts)
            if (t.text.rfind("Target: ", 0) == 0) names.push_back(t.text.substr(8));
        return names;
    }
    ItemRecord* bow = nullptr;
};

TEST_F(RangedTest, TheListIsNearestFirstAndALargeMonsterTakesEachSquare) {
    Named(1, "Troll", 1236);
    Named(2, "Orc");
    Named(3, "Imp");
    Place(1, 27, 24);  // distances 2, 3, 3, 4
    Place(2, 25, 20);  // 5
    Place(3, 20, 25);  // 5, in an earlier column than the Orc
    const int16_t sleeper = Place(3, 26, 26);
    Enc(sleeper).DormantFlag = 100;
    Enc(sleeper).DormantOp = 5;
    Enc(sleeper).DormantValue = 0;
    SetGameFlag(100, 0);
    Keys({'T', 'T', 'T', 'T', 'T', 'T', 'C'});
    int32_t fired = 1;
    Run([&] { fired = RunRangedCombat(); });
    EXPECT_EQ(fired, 0);
    const std::vector<std::string> want{"Troll", "Troll", "Troll", "Troll", "Imp", "Orc", "Troll"};
    EXPECT_EQ(Targets(), want);
}

TEST_F(RangedTest, TheTargetKeyWrapsAtTheEndOfAFullList) {
    Named(1, "Giant", 1356);
    Place(1, 20, 20);
    Place(1, 27, 27);
    Place(1, 20, 27);  // 27 squares
    for (int n = 0; n < 27; ++n) TapKey('T');
    TapKey(27);
    Run([&] { RunRangedCombat(); });
    EXPECT_EQ(Targets().size(), 28u);
}

TEST_F(RangedTest, ShootingNeedsAmmunition) {
    Named(1, "Orc");
    Place(1, 27, 25);
    GameState.EquipSlots[kAmmunitionSlot] = -1;
    host.Wait(10).Hold('S', 50);  // never read
    TapKey('C');
    int32_t fired = 1;
    Run([&] { fired = RunRangedCombat(); });
    EXPECT_EQ(fired, 0);

    GameState.EquipSlots[kAmmunitionSlot] = 2;
    TapKey('S');
    Run([&] { fired = RunRangedCombat(); });
    EXPECT_EQ(fired, 1);
    EXPECT_EQ(GameState.ItemInstances[2].Y, 19);
    EXPECT_EQ(GameState.FigureFacesRight, 1);
}

TEST_F(RangedTest, AmmunitionKinds) {
    struct Case {
        int16_t ammunition, x;
        int16_t strength, dr, acidResist;
        int16_t lost;
        const char* line;
    };
    const Case cases[] = {
        {251, 0, 3, 2, 0, 4 + 3 - 2, "for 5 points of damage!"},       // plain: Strength against DR
        {252, 0, 3, 9, -1, 1 + 8, "plus 8 points of Acid"},            // acid: doubled by a negative resist
    };
    Named(1, "Orc");
    for (const Case& c : cases) {
        ClearMonster(0);
        GameState.MonsterGrid[27 * 50 + 25] = -1;
        MonsterTable[1].MonsterDr = c.dr;
        MonsterTable[1].MonsterResists[0] = c.acidResist;
        const int16_t e = Place(1, 27, 25);
        Wear(kAmmunitionSlot, 2, c.ammunition, c.x, 20);
        GameState.Stats[kStrength] = c.strength;
        Run([&] { ShootAtTarget(27, 25); });
        EXPECT_EQ(100 - Enc(e).Hp, c.lost) << c.ammunition;
        EXPECT_TRUE(TextShown(host, c.line)) << c.line;
        EXPECT_EQ(GameState.ItemInstances[2].Y, 19);
    }
}

TEST_F(RangedTest, TheLastArrowEmptiesTheSlotAndBow357NeitherHitsNorSpends) {
    Named(1, "Orc");
    const int16_t e = Place(1, 27, 25);
    GameState.ItemInstances[2].Y = 1;
    Run([&] { ShootAtTarget(27, 25); });
    EXPECT_EQ(GameState.EquipSlots[kAmmunitionSlot], -1);
    EXPECT_EQ(GameState.ItemInstances[2].ItemNumber, -1);

    Item(357, 3, 0, "Laser").ItemDamage[2] = 50;
    Wear(kBowSlot, 1, 357);
    Wear(kAmmunitionSlot, 2, 251, 0, 5);
    Enc(e).Hp = 100;
    SeedWhere([] { return D(20) == 20; });
    Run([&] { ShootAtTarget(27, 25); });
    EXPECT_EQ(Enc(e).Hp, 100);
    EXPECT_TRUE(TextShown(host, "You missed!"));
    EXPECT_EQ(GameState.ItemInstances[2].Y, 5);
}

}  // namespace
