// The Curse powers: three curses over a 5 x 5 area, Life Drain on the hero, and Earth Maw.
// From the menu each costs a curse charge and as many hit points as the Curse skill; the curse
// items cast the area curses free (payCost 0). Each returns 1 when it acted, 0 on Cancel.
#pragma once

#include <cstdint>

int CurseOfIncompetence(int16_t payCost);
int CurseOfVulnerability(int16_t payCost);
int CurseOfWeakness(int16_t payCost);
int CurseLifeDrain();
int CastEarthMaw();
