// The construction kit's item editor, which also serves as the item picker.
#pragma once

#include <cstdint>

// Opens on the given item and returns the number of the item shown when the user chooses it.
int16_t RunItemEditor(int16_t firstItem);
// The item editor as the kit's item fields use it: the chosen item, or `current` when the
// author cancels.
int16_t PickItemInEditor(int16_t current);
