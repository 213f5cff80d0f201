// The hero's step and what it meets.
#pragma once

#include <cstdint>

// 1 while the last kill left loot that ScavengeCorpse has not shown yet.
extern uint32_t ScavengePending;
// The last kill's death item: item, power, charges.
extern int16_t ScavengedItem[3];

// The loot box of the last kill's loot; clears ScavengePending.
void ScavengeCorpse();
