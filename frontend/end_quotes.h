// The closing screen: one saying of the moor's philosophers.
#pragma once

#include <array>
#include <cstdint>
#include <string_view>

struct EndQuote {
    std::array<std::string_view, 4> lines;  // two to four; the rest empty
    std::string_view attribution;
};

constexpr int16_t kEndQuoteCount = 21;
extern const std::array<EndQuote, kEndQuoteCount> EndQuotes;

// Draws a quote chosen at random and waits until Esc, Space or Enter is down.
void ShowEndQuotes();
void DrawEndQuote(int16_t quote);
