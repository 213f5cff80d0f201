// Art generator: images, the resource pack written for the executable, and 24-bit BMP output.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

namespace art {

// 0xRRGGBB, row-major, top row first.
struct Image {
    int width = 0;
    int height = 0;
    std::vector<uint32_t> rgb;

    Image() = default;
    Image(int w, int h, uint32_t fill) : width(w), height(h), rgb(size_t(w) * size_t(h), fill) {}

    bool Inside(int x, int y) const { return x >= 0 && y >= 0 && x < width && y < height; }
    uint32_t Get(int x, int y) const { return Inside(x, y) ? rgb[size_t(y) * width + x] : 0; }
    void Set(int x, int y, uint32_t c) {
        if (Inside(x, y)) rgb[size_t(y) * width + x] = c;
    }
};

// RGB(126, 102, 102): the transparent colour of every keyed surface.
constexpr uint32_t kKeyColour = 0x7E6666;

// The executable's embedded resources: sheets (stored as RGB565) and WAVE sounds, by name.
class Pack {
public:
    void AddSheet(const std::string& name, const Image& image);
    void AddWave(const std::string& name, std::vector<uint8_t> waveFile);
    bool Write(const std::string& path) const;

private:
    struct Entry {
        std::string name;
        uint32_t kind;
        uint32_t width, height;
        std::vector<uint8_t> bytes;
    };
    std::vector<Entry> entries_;
};

bool WriteBmp(const std::string& path, const Image& image);

// Defined by the sheet, module-bitmap and sound sources of the generator.
struct PlayArt;
void BuildSheets(Pack& pack, const std::string& fontDir, const PlayArt& art);
bool BuildModuleBitmaps(const std::string& gameDataDir, const PlayArt& art, const std::string& fontDir);
void BuildSounds(Pack& pack);

}  // namespace art
