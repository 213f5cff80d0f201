// The forge recipe editor's screen (RunForgeEditor is declared with the other database
// editors) and the names of the four forges, which the FORGE EVENT dialog shows too.
#pragma once

#include <array>
#include <cstdint>
#include <string_view>

extern const std::array<std::string_view, 4> ForgeTypeLabels;

// Recipe 0..59; flip 1 presents it.
void DrawForgeEditor(int16_t recipe, int16_t flip);
