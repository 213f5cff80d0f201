// The in-game options menu.
#pragma once

#include <cstdint>

// The menu in the side-panel area of the back buffer; no flip.
void DrawGameOptions();
// The menu over the play screen (showView as the play screen takes it); returns 1 when the
// adventure is to end.
uint32_t RunGameOptions(int16_t showView);
// After the settings screen: the music stopped, started or re-levelled to follow the volume,
// compared with the volume before that visit.
void ApplyMusicSetting(int16_t previousVolume);
