// The construction kit's item editor, which also serves as the item picker.
#pragma once

#include <cstdint>

// Opens on the given item and returns the number of the item shown when the user chooses it.
int16_t RunItemEditor(int16_t firstItem);
