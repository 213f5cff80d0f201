// The undead condition: entered with a dulled mind, free of the living's ills and at full
// energy; left without giving the mind back.
#include "hero/undead_state.h"

#include <iterator>
#include <tuple>

#include "hero/derived_stats.h"
#include "tests/hero/hero_test.h"

namespace {

using UndeadStateTest = HeroTest;

TEST_F(UndeadStateTest, EnteredFreeOfIllsAndLeftWithTheDulledMind) {
    GameStateRecord& g = GameState;
    uint32_t GameStateRecord::* const cured[] = {
        &GameStateRecord::Exhausted, &GameStateRecord::Reserved200, &GameStateRecord::Poisoned,
        &GameStateRecord::Diseased,  &GameStateRecord::Cursed,      &GameStateRecord::Drained,
        &GameStateRecord::Biohazard, &GameStateRecord::Radiation,   &GameStateRecord::Aged,
        &GameStateRecord::Clutz,     &GameStateRecord::Fear};
    for (auto word : cured) g.*word = 1;
    g.Petrified = g.Paralysed = 1;  // not ills the undead shed
    g.Feebleminded = 0;
    g.Energy = 3;
    g.BaseStats[kEndurance] = 5;  // a maximum of 4500 once the drain is gone

    ApplyUndeadState();
    EXPECT_EQ(g.HeroIsUndead, 1u);
    EXPECT_EQ(g.Feebleminded, 1u);
    for (size_t i = 0; i < std::size(cured); ++i) EXPECT_EQ(g.*cured[i], 0u) << "word " << i;
    EXPECT_EQ(std::tuple(g.Petrified, g.Paralysed), std::tuple(1u, 1u));
    EXPECT_EQ(g.Energy, 4500);

    ClearUndeadState();
    EXPECT_EQ(g.HeroIsUndead, 0u);
    EXPECT_EQ(g.Feebleminded, 1u);
}

}  // namespace
