// Fountains, altars, thrones and books: the STAT PLUS EVENT's effects and its spent messages.
#include <functional>

#include "hero/derived_stats.h"
#include "tests/events/event_test.h"

namespace {

constexpr int16_t kStatPlus = 1272, kStatus = 760;

class FountainsTest : public EventTest {
protected:
    EventRecord& Fountain(int16_t use, int16_t effect, int16_t amount, int16_t status = kStatus) {
        EventRecord& e = Put(5, 5, kStatPlus, {{4, use}, {5, effect}, {6, amount}, {7, status}, {11, 40}});
        Text(e, 0, 0, "A fountain.");
        Text(e, 1, 9, "fountain");
        return e;
    }
};

TEST_F(FountainsTest, EffectsChangeTheirValuesAndSayIt) {
    struct Case {
        int16_t effect, amount;
        std::initializer_list<std::string_view> lines;
        std::string_view sound;
        std::function<int32_t()> value;
        int32_t expected;
    };
    GameStateRecord& g = GameState;
    const Case cases[] = {
        {4, -2, {"You loose -2 Strength!"}, "PowerUp", [&] { return g.BaseStats[kStrength]; }, 8},
        {9, 3, {"You gain +3 Perception!"}, "PowerUp", [&] { return g.BaseStats[kPerception]; }, 13},
        {11, 4, {"You gain +4 cold resistance!"}, "PowerUp", [&] { return g.BaseResists[1]; }, 4},
        // A save's gain lasts through every recalculation: Endurance or Willpower 10 x 4, and the gain.
        {15, 5, {"You gain +5 body save!"}, "PowerUp", [&] { return (RecalcHero(), g.Saves[1]); }, 45},
        {14, -3, {"You gain +-3 mind save!"}, "PowerUp", [&] { return (RecalcHero(), g.Saves[0]); }, 37},
        {16, 2, {"You gain +2 skill points!"}, "PowerUp", [&] { return g.SkillPoints; }, 2},
        {17, 30, {"You gain +30 xp!"}, "PowerUp", [&] { return g.HeroXp; }, 30},
        {20, 6, {"You gain +6 temporary", "electric shield effect!"}, "PowerUp",
         [&] { return g.ElectShield[0] * 1000 + g.ElectShield[1]; }, 6040},
        {24, 0, {"You are blessed!"}, "Pray", [&] { return g.BlessTurns; }, 40},
        {25, 2, {"You feel heroic!"}, "PowerUp", [&] { return g.Heroism[0] * 1000 + g.Heroism[1]; }, 2040},
        {26, 0, {"You have been poisoned!"}, "Drink", [&] { return int32_t(g.Poisoned); }, 1},
    };
    for (const Case& c : cases) {
        for (int s = 0; s < 7; ++s) g.BaseStats[s] = g.Stats[s] = 10;
        Fountain(0, c.effect, c.amount, -1);
        Forget();
        Keys({'D', 'L'});
        EXPECT_EQ(Bump(5, 5), 0);
        int16_t y = 120;
        for (std::string_view line : c.lines) {
            EXPECT_TRUE(ShownAt(line, 465, y, c.effect == 26 ? 91 : 182)) << line;
            y = int16_t(y + 12);
        }
        EXPECT_EQ(Played(c.sound), 1u) << c.effect;
        if (c.value) { EXPECT_EQ(c.value(), c.expected) << c.effect; }
    }
    EXPECT_EQ(g.SidePanelMode, 1);
}

TEST_F(FountainsTest, HealCureAndChargesRefill) {
    for (int16_t effect : {0, 1}) {
        GameState.Energy = 0;
        GameState.BaseStats[kEndurance] = 2;
        GameState.Drained = GameState.Aged = 1;
        RecalcHero();
        Fountain(1, effect, 0, -1);
        Keys({'T', 'L'});
        EXPECT_EQ(Bump(5, 5), 0);
        // The maximum of the hero as the effect leaves him: the cure lifts the drain first.
        EXPECT_EQ(GameState.Energy, effect ? 3000 : 2500) << effect;
    }
    EXPECT_EQ(GameState.Drained, 0u);
    EXPECT_EQ(GameState.Aged, 0u);
    EXPECT_TRUE(Shown("Your wounds are healed!"));

    // 3, 4 or 5 charges by skill, even below what there was.
    for (auto [skill, charges] : {std::pair{7, 3}, {8, 4}, {16, 5}}) {
        GameState.BaseSkills[kPrayer] = GameState.Skills[kPrayer] = int16_t(skill);
        GameState.BaseSkills[kCurseSkill] = GameState.Skills[kCurseSkill] = int16_t(skill);
        GameState.PrayerCharges = GameState.CurseCharges = 9;
        Fountain(4, 2, 0, -1);
        Keys({'R', 'L'});
        EXPECT_EQ(Bump(5, 5), 0);
        EXPECT_EQ(GameState.PrayerCharges, charges) << skill;
        EXPECT_EQ(GameState.CurseCharges, charges) << skill;
    }
}

TEST_F(FountainsTest, SpentObjectsAndInactiveOnes) {
    GameState.PoisonImmune = 1;
    EventRecord& e = Fountain(0, 26, 1);
    Keys({'D', 'L'});
    EXPECT_EQ(Bump(5, 5), 0);
    EXPECT_TRUE(ShownAt("It was poisoned but you're immune!", 465, 120, 91));
    EXPECT_EQ(GameState.Poisoned, 0u);
    EXPECT_EQ(GameFlag(kStatus), 1);  // spent all the same

    Forget();
    Keys({'D', 'L'});
    EXPECT_EQ(Bump(5, 5), 0);
    EXPECT_TRUE(ShownAt("You drink from the", 465, 120));
    EXPECT_TRUE(ShownAt("fountain but gain no", 465, 132));
    EXPECT_TRUE(ShownAt("further benefits.", 465, 144));

    e.Word[4] = 3;  // a throne that takes away
    e.Word[6] = -1;
    Forget();
    Keys({'S', 'L'});
    EXPECT_EQ(Bump(5, 5), 0);
    EXPECT_TRUE(ButtonAt("Sit down", 260));
    EXPECT_TRUE(ShownAt("You sit upon the", 465, 120));
    EXPECT_TRUE(ShownAt("fountain but nothing", 465, 132));  // on the parchment, its end a line lower
    EXPECT_TRUE(ShownAt("happens.", 465, 144));

    // Its condition false: the first nine lines of the other text, and Leave.
    e.Word[1] = 761;
    e.Word[2] = 5;
    e.Word[3] = 1;
    Text(e, 1, 0, "The basin is dry.");
    Forget();
    Keys({'L'});
    EXPECT_EQ(Bump(5, 5), 0);
    EXPECT_TRUE(ShownAt("The basin is dry.", 465, 120));
    EXPECT_FALSE(Shown("fountain"));
}

}  // namespace
