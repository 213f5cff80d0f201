// Layout of the resource pack shared by the art generator and the game's resource reader.
#pragma once

#include <cstdint>

namespace pack_format {

constexpr char kMagic[4] = {'V', 'X', 'P', 'K'};
constexpr uint32_t kSheet = 1;  // width x height RGB565 pixels, little-endian
constexpr uint32_t kWave = 2;   // a whole WAVE file

// Header: magic, u32 entry count; then the entries; then the data, each block 4-byte aligned.
struct Entry {
    char name[24];  // zero-padded, upper case
    uint32_t kind;
    uint32_t width;
    uint32_t height;
    uint32_t offset;  // from the start of the pack
    uint32_t size;
};
static_assert(sizeof(Entry) == 44);

}  // namespace pack_format
