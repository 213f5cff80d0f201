// The player's options (Option.dat).
#pragma once

#include <cstddef>
#include <cstdint>

struct OptionsRecord {
    int16_t GameDelay;
    int16_t Difficulty;
    uint32_t WalkSound;
    int16_t Reserved8;
    int16_t MusicVolume;
    uint32_t TrimTitlePages;
    uint32_t IdleThoughts;
    uint32_t CdMusic;
};
static_assert(sizeof(OptionsRecord) == 24);
static_assert(offsetof(OptionsRecord, Difficulty) == 2);
static_assert(offsetof(OptionsRecord, WalkSound) == 4);
static_assert(offsetof(OptionsRecord, Reserved8) == 8);
static_assert(offsetof(OptionsRecord, MusicVolume) == 10);
static_assert(offsetof(OptionsRecord, TrimTitlePages) == 12);
static_assert(offsetof(OptionsRecord, IdleThoughts) == 16);
static_assert(offsetof(OptionsRecord, CdMusic) == 20);

extern OptionsRecord Options;
