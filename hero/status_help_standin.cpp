#include "status_help.h"

void RunAfflictionHelp() {}
void RunEffectHelp() {}
void ShowAuraHelp(int16_t, int16_t, int16_t) {}
