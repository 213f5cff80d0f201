// The label tables of the event dialogs: fixed-width rows, each ending in a zero. A row is
// read through LabelRow, which gives an empty label for a number outside the table (a word
// read from a file may hold anything).
#pragma once

#include <cstddef>
#include <cstdint>
#include <cstring>
#include <string_view>

template <size_t Rows, size_t Width>
std::string_view LabelRow(const char (&table)[Rows][Width], int32_t row) {
    if (row < 0 || size_t(row) >= Rows) return {};
    return {table[row], strnlen(table[row], Width)};
}
// A table as a label function of the dialogs.
template <auto& Table>
std::string_view LabelOf(int32_t row) {
    return LabelRow(Table, row);
}

// Text and signal dialogs.
extern const char ArrivalDirectionLabels[5][8];
extern const char QuestStateLabels[4][11];
// Heraldry signs.
extern const char HeraldryLabels[10][18];
// Auto-pilot.
extern const char AutoPilotDirectionLabels[6][5];
extern const char EscortLabels[3][7];
// Doors.
extern const char DoorStyleLabels[10][11];
extern const char DoorStateLabels[4][8];
// Portals.
extern const char PortalConditionLabels[6][15];
extern const char PentaPortalKeyLabels[5][23];
