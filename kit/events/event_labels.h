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

// Containers.
extern const char ChestTypeLabels[2][10];
extern const char ChestPictureLabels[9][10];
extern const char ContainerTrapLabels[8][15];
extern const char SearchTypeLabels[16][15];
// Town services.
extern const char TrainingLabels[6][9];
extern const char TrainingLines[6][70];  // the skills each training offers
extern const char CasinoGameLabels[7][10];
// Floor traps.
extern const char TrapTypeLabels[8][15];
extern const char PitEndLabels[2][8];
// Switches and climbing.
extern const char SwitchTypeLabels[10][17];
extern const char SwitchCriticalTexts[10][26];  // the critical value of the switches without a field
extern const char ColourRingLabels[6][10];
extern const char SwitchSoundLabels[2][8];
extern const char ClimbDirectionLabels[3][5];
// Spells and items used on a square.
extern const char SpellTypeLabels[5][9];
extern const char PlaceableItemLabels[3][17];
// Travel.
extern const char TelexyModeLabels[3][18];
// Conditions.
extern const char ScriptConditionLabels[2][10];
extern const char CarryWearLabels[2][9];
// Puzzles and devices.
extern const char BeamColourLabels[7][10];
extern const char PuzzleLabels[8][15];
// Terrain.
extern const char BridgeTypeLabels[3][15];
extern const char CrustTypeLabels[3][20];
extern const char ElementalDamageLabels[5][12];
extern const char SplatTypeLabels[13][15];
extern const char WaterRootsTypeLabels[5][14];
// Items, rewards and spawns (the forge types are the forge editor's).
extern const char MushroomTypeLabels[3][10];
extern const char UseTypeLabels[5][12];
extern const char StatPlusLabels[27][22];
extern const char SpawnPicLabels[4][15];
// Symbols and texts.
extern const char TextColourLabels[3][6];
extern const char DanceTypeLabels[2][10];
