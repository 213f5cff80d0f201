// The meanings of the runes and hieroglyphs, by symbol number 1..40 (entry 0 "None").
#pragma once

#include <array>
#include <string_view>

extern const std::array<std::string_view, 41> RuneNames;
extern const std::array<std::string_view, 41> HieroglyphNames;
