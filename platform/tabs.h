// The row of tabs of the editors and the hero screen. Callers test each tab's click with
// ButtonClicked at the same places.
#pragma once

#include <cstdint>
#include <initializer_list>
#include <string_view>

// At most nine tabs of tabPieces pieces from x; a selected value outside the row selects none.
void DrawTabRow(int16_t x, int16_t y, int16_t count, int16_t selected, std::initializer_list<std::string_view> labels,
                int16_t tabPieces);
