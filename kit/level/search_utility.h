// The search utility: searches and audits over the module's levels.
#pragma once

#include <cstdint>

// Runs the search screen; editedLevel is reloaded when it ends.
void RunSearchUtility(int16_t editedLevel);
