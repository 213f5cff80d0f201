#include "hero_step.h"

uint32_t ScavengePending = 0;

void ScavengeCorpse() { ScavengePending = 0; }
