// Sound effects: the embedded ones by name, and a WAVE file of the working folder.
#pragma once

#include <string>
#include <string_view>

// Plays an embedded effect by name regardless of case; a name that is no effect plays
// the default sound. A new effect cuts off the one playing.
void PlaySoundEffect(std::string_view name);
// Plays a WAVE file of the working folder (its name matched regardless of case); nothing
// when it is missing.
void PlaySoundFile(const std::string& path);
