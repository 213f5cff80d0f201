// The "Define Zone Names" dialog: each zone's name, condition and tune, and the flag
// conditions of zones 1, 3 and 4; and the "Music Selector" that chooses a tune by ear.
#pragma once

#include <array>
#include <cstdint>
#include <string_view>

// The zone conditions 0..7, "Normal" first.
extern const std::array<std::string_view, 8> ZoneConditionNames;
// The tunes of zones, objectives and wilderness combat: 0 "None", then tune t is music t - 1.
extern const std::array<std::string_view, 19> TuneNames;

// The name of a zone condition or of a tune; empty for a value outside its table.
std::string_view ZoneConditionName(int16_t condition);
std::string_view TuneName(int16_t tune);

void RunZoneNamesEditor();
void DrawZoneNames(int16_t flip);
// Opens at the tune given and returns the tune chosen, 0..18.
int16_t PickTune(int16_t current);
// playing is the tune that plays, -1 none.
void DrawMusicSelector(int16_t playing, int16_t selection, int16_t flip);
