// Help boxes for statistics, skills and the hero's values.
#pragma once

#include <cstdint>

void ShowStatHelp(int16_t stat, int16_t x, int16_t y);
void ShowSkillHelp(int16_t skill, int16_t x, int16_t y, int16_t withValues);
void ShowSkillTermHelp(int16_t topic);
void ShowStatusHelp(int16_t topic, int16_t x, int16_t y);
