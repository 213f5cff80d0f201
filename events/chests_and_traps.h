// Chests, prised gems and the traps on them.
#pragma once

#include <cstdint>

void RunChestEvent(int16_t x, int16_t y, int16_t dx, int16_t dy, int& result);
void RunPriseEvent(int16_t x, int16_t y, int16_t dx, int16_t dy, int& result);

// The kinds of the traps on chests and gems are `TrapKind`s, numbered as the kit writes them.
struct TrapOutcome {
    int16_t evaded;  // the hero's Agility reached the dodge value
    int16_t saved;   // a poison trap's Body save succeeded
    int16_t damage;  // after armour or resistance, never below 0
};
// The trap of that kind goes off at the hero: dodged, or damage (blade .. fire blast) off his
// hit points (not below 0), or poison (dart, cloud) unless he saves or is immune. A number that
// is no trap kind does nothing and counts as evaded.
TrapOutcome SpringTrapOnHero(int16_t kind, int16_t count, int16_t sides, int16_t bonus, int16_t dodge);

// The result page of a chest or gem trap; animate shows the trap at the hero's
// square and plays its sound with its pause. Flips.
void DrawChestTrapResult(int16_t kind, int16_t evaded, int16_t saved, int16_t damage, int16_t animate);
// The whole result of a chest or gem trap: animated, a second's pause, still, then "Back".
void ShowChestTrapResult(int16_t kind, int16_t evaded, int16_t saved, int16_t damage);
// The same for a TRAP EVENT, whose kinds stop at the poison dart.
void DrawTrapResult(int16_t kind, int16_t avoided, int16_t saved, int16_t damage);
