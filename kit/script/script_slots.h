// New scripts in the current level's script slots.
#pragma once

#include <cstdint>

// A fresh script in slot 0..29: title "None", every line empty. A script already in the
// slot is replaced; a slot outside the table is ignored.
void CreateScript(int16_t slot);
