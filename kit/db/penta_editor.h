// The penta portal editor's screen (RunPentaEditor is declared with the other database
// editors).
#pragma once

#include <cstdint>

// The five portals; flip 1 presents it.
void DrawPentaEditor(int16_t flip);
