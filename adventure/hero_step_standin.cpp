#include "hero_step.h"

uint32_t ScavengePending = 0;
int16_t ScavengedItem[3] = {-1, 0, 0};

void ScavengeCorpse() { ScavengePending = 0; }
