// The Yes/No box, the two-line message box with OK, the check box that toggles in place,
// and the a/an test. The boxes restore nothing they cover.
#pragma once

#include <cstdint>
#include <string_view>

// 1 for Yes, 0 for No; only Y, N and the two buttons answer.
int Confirm(int16_t x, int16_t y, std::string_view text);
void DrawConfirmBox(int16_t x, int16_t y, std::string_view text);
// Waits for OK, Enter or Esc.
void ShowMessage(int16_t x, int16_t y, std::string_view line1, std::string_view line2);
void DrawMessageBox(int16_t x, int16_t y, std::string_view line1, std::string_view line2);
// On a click of the box the flag becomes 0 when it was 1, else 1, and the box shows it at once.
void ToggleCheckBox(int16_t x, int16_t y, uint32_t& flag);
// 1 when the text begins with a capital vowel ("an" goes before it).
int StartsWithVowel(std::string_view text);
