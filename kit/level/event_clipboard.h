// The level editor's event clipboard.
#pragma once

#include <cstdint>

// The copied event's type; -1 when empty.
extern int16_t EventClipboardType;
