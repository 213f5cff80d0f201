#include "help_boxes.h"

void ShowStatHelp(int16_t, int16_t, int16_t) {}
void ShowSkillHelp(int16_t, int16_t, int16_t, int16_t) {}
void ShowSkillTermHelp(int16_t) {}
void ShowStatusHelp(int16_t, int16_t, int16_t) {}
