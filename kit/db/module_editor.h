// The module editor's screen (RunModuleEditor is declared with the other database editors).
#pragma once

#include <array>
#include <cstdint>
#include <string_view>

extern const std::array<std::string_view, 9> ModuleColourLabels;
extern const std::array<std::string_view, 3> ModuleMapLabels;

// The editor on a module and page (0 Front1, 1 Front2, 3 Start), with the card previewed at
// (previewX, previewY) unless hidden; flip 1 presents it.
void DrawModuleEditor(int16_t previewHidden, int16_t previewX, int16_t previewY, int16_t module, int16_t page,
                      int16_t flip);
