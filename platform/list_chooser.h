// The modal list over ListItems, with arrow buttons and paging keys.
#pragma once

#include <array>
#include <cstddef>
#include <cstdint>
#include <string_view>

// Rows of 29 characters and a zero; callers fill rows 0 to count - 1 before choosing.
extern std::array<std::array<char, 30>, 70> ListItems;
// A row of ListItems, cut to its width.
void SetListRow(size_t row, std::string_view text);

// The chosen row (top + clicked row - 1, even past count), or escValue when left with Esc
// while escAllowed. Restores nothing it covered.
int16_t ChooseFromList(int16_t x, int16_t y, int16_t widthPieces, int16_t visibleRows, int16_t escValue,
                       int16_t count, uint32_t escAllowed);
// The list with row top first; flips.
void DrawListChooser(int16_t x, int16_t y, int16_t widthPieces, int16_t visibleRows, int16_t count, int16_t top);
