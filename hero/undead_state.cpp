#include "hero/undead_state.h"

#include "data/game_state.h"
#include "hero/derived_stats.h"

void ApplyUndeadState() {
    GameStateRecord& g = GameState;
    g.HeroIsUndead = 1;
    // The undead mind is dulled for good, and the body no longer suffers the living's ills.
    g.Feebleminded = 1;
    g.Exhausted = g.Reserved200 = g.Poisoned = g.Diseased = g.Cursed = g.Drained = 0;
    g.Biohazard = g.Radiation = g.Aged = g.Clutz = g.Fear = 0;
    // The energy fills to the maximum of the hero as he is now: drained no longer.
    RecalcHero();
    g.Energy = g.EnergyMax;
}

void ClearUndeadState() { GameState.HeroIsUndead = 0; }
