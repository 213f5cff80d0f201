// The code picker: all 67 script codes as buttons in nine groups.
#pragma once

#include <array>
#include <cstdint>
#include <span>
#include <string_view>

// A group of the picker: its heading and, one under the other every 21 pixels from firstY,
// the buttons of its codes in order.
struct ScriptCodeGroup {
    std::string_view heading;
    int16_t x, headingY, firstY;
    std::span<const int16_t> codes;
};
extern const std::array<ScriptCodeGroup, 9> ScriptCodeGroups;

// The chosen code, or `code` itself on Cancel, C or Esc.
int16_t PickScriptCode(int16_t code);
void DrawScriptCodePicker();
