// Sound effects by resource name, and the tune.
#pragma once

#include <string_view>

// Plays an embedded effect by name regardless of case; a name that is no effect plays
// the default sound. A new effect cuts off the one playing.
void PlaySoundEffect(std::string_view name);
// Stops and closes the tune that is playing.
void StopTune();
