// The names of the 53 item types and the help lines that the item editor draws under an
// item's fields.
#pragma once

#include <array>
#include <cstdint>
#include <string_view>

extern const std::array<std::string_view, 53> ItemTypeLabels;

// The label of a type; empty outside the table.
std::string_view ItemTypeLabel(int16_t type);

// Every help line whose rule holds for the type and the item number, small font, colour 182,
// at x 50; lines that share a y are drawn over each other.
void DrawItemTypeDescription(int16_t type, int16_t item);
