// The book editor's screen (RunBookEditor is declared with the other database editors).
#pragma once

#include <cstdint>

// Book 0..4 on page 0..7; flip 1 presents it.
void DrawBookEditor(int16_t book, int16_t page, int16_t flip);
