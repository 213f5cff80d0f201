// Loading the art sheets and the module's bitmaps, and cutting them into the surfaces.
#pragma once

#include <cstdint>
#include <memory>
#include <string>
#include <string_view>

#include "host/surface.h"

// RGB(126, 102, 102): the transparent colour of every keyed surface.
constexpr ColourRef KeyColour = 0x66667E;

// A loaded sheet in the display's pixel format.
struct Bitmap {
    int32_t width = 0, height = 0;
    const uint16_t* pixels = nullptr;
    std::unique_ptr<uint16_t[]> owned;  // when not read straight from the executable
};

// A resource sheet or a bitmap file (8, 24 or 32 bits, RLE), stretched to w x h when its
// size differs. The file name is matched regardless of case when the exact name is missing.
bool LoadResourceBitmap(std::string_view name, int32_t w, int32_t h, Bitmap& out);
bool LoadBitmapFile(const std::string& path, int32_t w, int32_t h, Bitmap& out);

// Copies (srcX, srcY, width, height) of the bitmap onto the whole surface, stretching when
// the sizes differ; 0 for width or height means the bitmap's own. 0 on success.
int CopyBitmapToSurface(Surface* surface, const Bitmap* bitmap, int32_t srcX, int32_t srcY, int32_t width,
                        int32_t height);
// kInvalidColour keys the surface on the colour of its own top-left pixel.
void SetColourKey(Surface* surface, ColourRef colour);
uint16_t MatchColour(const Surface* surface, ColourRef colour);

void LoadGraphics();
