// Stand-in declarations of the screen toolkit's message boxes until the toolkit lands.
#pragma once

#include <cstdint>
#include <string_view>

int Confirm(int16_t x, int16_t y, std::string_view text);
void ShowMessage(int16_t x, int16_t y, std::string_view line1, std::string_view line2);
