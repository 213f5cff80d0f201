// The win text editor's screen (RunWinTextEditor is declared with the other database editors).
#pragma once

#include <array>
#include <cstdint>
#include <string_view>

extern const std::array<std::string_view, 2> WinTextLabels;

// Text 0 or 1 on page 0..9 (lines 10 x page on); flip 1 presents it.
void DrawWinTextEditor(int16_t text, int16_t page, int16_t flip);
// Empties the text's lines; its indent and tune stay.
void ClearWinText(int16_t text);
