// What the "Restore Character" and "Save Character" screens share: the page, the nine slot
// rows, the three buttons and the row selection.
#pragma once

#include <array>
#include <cstdint>
#include <initializer_list>
#include <string_view>

struct SlotHelpLine {
    int16_t y;
    std::string_view text;
};

// The page with its title, the rows (namingSlot as an empty text field), the three buttons
// and the help text; no flip.
void DrawSlotScreen(std::string_view title, int16_t titleColour, int16_t selection, int16_t namingSlot,
                    const std::array<std::string_view, 3>& buttons, std::initializer_list<SlotHelpLine> help);
// The row clicks, the keys 1..9, Up and Down; true when the selection changed.
bool PollSlotRows(int16_t& selection);
int16_t CountUsedSlots();
