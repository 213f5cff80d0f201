// Music: one mp3 tune at a time under the media alias "currtune", or CD audio tracks, driven
// by media command strings. Failures are silent: the game plays on without music.
#pragma once

#include <cstdint>
#include <string_view>

void SendMediaCommand(std::string_view command);

// Opens music/tune<tune>.mp3 and loops it (a CD track with the CD option).
void PlayTune(int16_t tune, uint32_t fixedVolume);
// The option's volume on both channels, or the fixed title volume.
void SetTuneVolume(uint32_t fixedVolume);
// Stops and closes the tune.
void StopTune();
// From the start of the track to the start of the next.
void PlayCdTrack(int16_t track);
void StopCdAudio();
// Plays the tune of the hero's zone after a move; the same tune goes on untouched.
void UpdateZoneMusic();
