// The custom campaign editor's screen (RunCustomCampaignEditor is declared with the other
// database editors).
#pragma once

#include <array>
#include <cstdint>
#include <string_view>

extern const std::array<std::string_view, 4> WorldMapCountLabels;

// Flip 1 presents it.
void DrawCustomCampaign(int16_t flip);
