// The trainer: the hero spends his skill points on the trainer's skills for gold, up to the
// trainer's maximum and never above a skill's Capstat.
#pragma once

#include <cstdint>
#include <span>

void RunTrainEvent(int16_t x, int16_t y, int16_t dx, int16_t dy, int& result);
// The skills a trainer of that type teaches, in order; none for a type outside 0..5.
std::span<const int16_t> TrainerSkills(int16_t type);
// The training page of the TRAIN EVENT on (x, y); "Done" pays, "Cancel" undoes.
void RunTrainingScreen(int16_t type, int16_t x, int16_t y);
// The price of one more point: base value x 5 + 10, in 32 bits.
int32_t SkillTrainingCost(int16_t skill);
