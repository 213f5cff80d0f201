// The level editor's six panel pages: five buttons each, with their labels, keys and actions.
#pragma once

#include <array>
#include <cstdint>
#include <string_view>

struct EditorState;

struct PanelButton {
    std::string_view label;  // empty: the row holds something else (or nothing)
    int16_t key;             // 0 none
    void (*action)(EditorState& editor);
};

// Rows 1..5 of pages 0 "Def" .. 5 "Util".
extern const std::array<std::array<PanelButton, 5>, 6> PanelPages;

constexpr int16_t kPanelX = 475;
constexpr int16_t PanelRowY(int row) { return int16_t(258 + 23 * row); }
