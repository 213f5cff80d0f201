// Chests, prised gems and the traps on them.
#pragma once

#include <cstdint>

void RunChestEvent(int16_t x, int16_t y, int16_t dx, int16_t dy, int& result);
void RunPriseEvent(int16_t x, int16_t y, int16_t dx, int16_t dy, int& result);

// Trap kinds of chests and gems: 1 blade, 2 spear, 3 acid spray, 4 cold blast, 5 electrical
// discharge, 6 fire blast, 7 poison dart, 8 poison cloud.
struct TrapOutcome {
    int16_t evaded;  // the hero's Agility reached the dodge value
    int16_t saved;   // a poison trap's Body save succeeded
    int16_t damage;  // after armour or resistance, never below 0
};
// The trap of that kind goes off at the hero: dodged, or damage (kinds 1..6) off his hit points
// (not below 0), or poison (kinds 7, 8) unless he saves or is immune. A kind outside 1..8 does
// nothing and counts as evaded.
TrapOutcome SpringTrapOnHero(int16_t kind, int16_t count, int16_t sides, int16_t bonus, int16_t dodge);

// The result page of a chest or gem trap of kind 1..8; animate shows the trap at the hero's
// square and plays its sound with its pause. Flips.
void DrawChestTrapResult(int16_t kind, int16_t evaded, int16_t saved, int16_t damage, int16_t animate);
// The whole result of a chest or gem trap: animated, a second's pause, still, then "Back".
void ShowChestTrapResult(int16_t kind, int16_t evaded, int16_t saved, int16_t damage);
// The same for a TRAP EVENT, whose kinds are numbered from 0 (0 blade .. 6 poison dart).
void DrawTrapResult(int16_t kind, int16_t avoided, int16_t saved, int16_t damage);
