// The translations of the 40 runes and 40 hieroglyphs, by symbol number: entry 0 "None",
// 1..40 the symbols, 41 "ALL". Symbol k is entry k-1 of KnownRunes and KnownHieroglyphs.
#pragma once

#include <array>
#include <cstdint>
#include <string_view>

constexpr int kAllSymbols = 41;  // the number of the "ALL" entry; also the known-flag count

extern const std::array<std::string_view, kAllSymbols + 1> RuneNames;
extern const std::array<std::string_view, kAllSymbols + 1> HieroglyphNames;

// The name of symbol k, or an empty name outside 0..41.
std::string_view RuneName(int32_t k);
std::string_view HieroglyphName(int32_t k);
