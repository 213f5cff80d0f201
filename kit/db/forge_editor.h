// The forge recipe editor.
#pragma once

#include <array>
#include <string_view>

extern const std::array<std::string_view, 4> ForgeTypeLabels;
