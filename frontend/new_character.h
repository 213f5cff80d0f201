// New Character from the title.
#pragma once

#include <cstdint>

// 1 when a hero was created and saved (the title then enters the adventure), else 0.
uint32_t NewCharacter();
