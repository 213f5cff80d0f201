// The construction kit's "Map Number:" dialog for saving and loading a level.
#pragma once

#include <cstdint>

#include "platform/field_kinds.h"

// Mode 0 saves, any other mode loads. The typed number is written to `number` at once;
// Cancel puts back the number given. 1 when the level was saved or loaded; a number that
// is no level is refused with a message. `behind` is the caller's screen: the boxes that
// answer the dialog (a missing level, the overwrite question) stand on it, not on the dialog.
uint32_t RunLevelNumberDialog(uint32_t mode, int16_t& number, const FieldRedraw& behind);
void DrawLevelNumberDialog(int16_t number, uint32_t mode);
