#include "music.h"

#include <string>

#include "data/game_state.h"
#include "data/level.h"
#include "data/options.h"
#include "host/host.h"

void SendMediaCommand(std::string_view command) { host::Get().MediaCommand(command); }

void PlayTune(int16_t tune, uint32_t fixedVolume) {
    if (Options.CdMusic) {
        PlayCdTrack(tune);
        return;
    }
    SendMediaCommand("open music/tune" + std::to_string(tune) + ".mp3 alias currtune");
    SendMediaCommand("play currtune REPEAT");
    SetTuneVolume(fixedVolume);
}

void SetTuneVolume(uint32_t fixedVolume) {
    if (Options.CdMusic) return;
    const std::string volume = std::to_string(fixedVolume ? 600 : 200 * int32_t(Options.MusicVolume));
    SendMediaCommand("setaudio currtune left volume to " + volume);
    SendMediaCommand("setaudio currtune right volume to " + volume);
}

void StopTune() {
    if (Options.CdMusic) {
        StopCdAudio();
        return;
    }
    SendMediaCommand("stop currtune");
    SendMediaCommand("close currtune");
}

void PlayCdTrack(int16_t track) {
    SendMediaCommand("open cdaudio");
    SendMediaCommand("set cdaudio time format tmsf");
    SendMediaCommand("play cdaudio from " + std::to_string(track) + " to " + std::to_string(track + 1));
}

void StopCdAudio() {
    SendMediaCommand("stop cdaudio");
    SendMediaCommand("close cdaudio");
}

void UpdateZoneMusic() {
    if (Options.MusicVolume <= 0) return;
    const int32_t x = GameState.HeroX, y = GameState.HeroY;
    if (x < 0 || x >= 50 || y < 0 || y >= 50) return;
    // A zone or tune out of range, as a damaged level file may hold, is a zone without music.
    const int16_t zone = CurrentLevel.ZoneLayer[x * 50 + y];
    int16_t tune = -1;
    if (zone >= 0 && zone < 6 && CurrentLevel.ZoneTunes[zone] > 0) tune = int16_t(CurrentLevel.ZoneTunes[zone] - 1);

    if (GameState.CurrentTune == tune) return;
    if (GameState.CurrentTune != -1) StopTune();
    if (tune != -1) PlayTune(tune, 0);
    GameState.CurrentTune = tune;
}
