// The construction kit's item editor, which also serves as the item picker.
#pragma once

#include <cstdint>

// Opens on the given item and returns the number of the item shown when the user chooses it.
int16_t RunItemEditor(int16_t firstItem);
// The item editor as the event dialogs' item picker: the item chosen, or `current` when the
// author cancels (the editor itself gives 0 then, which would lose the field's item).
int16_t PickItemInEditor(int16_t current);
