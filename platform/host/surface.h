// Our own 16-bit RGB565 pixel buffers, with an optional source colour key.
#pragma once

#include <cstdint>
#include <memory>

struct Rect {
    int32_t left = 0, top = 0, right = 0, bottom = 0;
    int32_t Width() const { return right - left; }
    int32_t Height() const { return bottom - top; }
};

struct Surface {
    int32_t width = 0;
    int32_t height = 0;
    std::unique_ptr<uint16_t[]> pixels;
    bool keyed = false;
    uint16_t key = 0;

    Surface(int32_t w, int32_t h);
    uint16_t* Row(int32_t y) { return pixels.get() + size_t(y) * size_t(width); }
    const uint16_t* Row(int32_t y) const { return pixels.get() + size_t(y) * size_t(width); }
};

// 0x00BBGGRR, as the colour values of the game are written.
using ColourRef = uint32_t;
constexpr ColourRef kInvalidColour = 0xFFFFFFFFu;

constexpr ColourRef Rgb(uint32_t r, uint32_t g, uint32_t b) { return r | g << 8 | b << 16; }

constexpr uint16_t RgbTo565(ColourRef c) {
    uint32_t r = c & 0xFF, g = (c >> 8) & 0xFF, b = (c >> 16) & 0xFF;
    return uint16_t((r >> 3) << 11 | (g >> 2) << 5 | (b >> 3));
}

enum BltMode : uint32_t { kBltOpaque = 0, kBltKeyed = 1 };

// Copies srcRect of src to (x, y) of dest. A rectangle that does not lie wholly inside
// both surfaces, or a null surface, fails and draws nothing. Keyed copies of a surface
// without a key are opaque.
bool CopyRect(Surface* dest, int32_t x, int32_t y, const Surface* src, const Rect& srcRect, BltMode mode);
