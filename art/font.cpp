// VFONT: the big and the small font, rendered from fixed-size X11 bitmap fonts.
#include <ft2build.h>
#include FT_FREETYPE_H

#include <cstdio>
#include <cstdlib>

#include "sheets.h"

namespace art {
namespace {

constexpr int kFirstChar = 32;
constexpr int kCharCount = 91;  // 32 (space) .. 122 ('z')

[[noreturn]] void Fail(const std::string& what) {
    std::fprintf(stderr, "make_art: %s\n", what.c_str());
    std::exit(1);
}

// One monochrome glyph placed in a cell: ink[y * w + x].
struct CellGlyph {
    int w = 0, h = 0;
    std::vector<uint8_t> ink;
};

class BitmapFont {
public:
    BitmapFont(FT_Library lib, const std::string& path, int cellW, int cellH) : cellW_(cellW), cellH_(cellH) {
        if (FT_New_Face(lib, path.c_str(), 0, &face_)) Fail("cannot open the font " + path);
        if (face_->num_fixed_sizes > 0) {
            if (FT_Select_Size(face_, 0)) Fail("cannot select the size of " + path);
        } else if (FT_Set_Pixel_Sizes(face_, 0, FT_UInt(cellH))) {
            Fail("cannot size the font " + path);
        }
        ascent_ = int(face_->size->metrics.ascender >> 6);
        descent_ = int(-(face_->size->metrics.descender >> 6));
        if (ascent_ <= 0) ascent_ = cellH * 4 / 5;
        path_ = path;
    }
    ~BitmapFont() { FT_Done_Face(face_); }

    // The glyph of ch on the font's baseline; the baseline sits so that ascent and descent
    // share the cell, and the glyph's own left bearing is kept.
    CellGlyph Render(int ch) const {
        CellGlyph g;
        g.w = cellW_;
        g.h = cellH_;
        g.ink.assign(size_t(g.w) * g.h, 0);
        if (FT_Load_Char(face_, FT_ULong(ch), FT_LOAD_RENDER | FT_LOAD_TARGET_MONO))
            Fail("cannot render character " + std::to_string(ch) + " of " + path_);
        const FT_GlyphSlot slot = face_->glyph;
        const FT_Bitmap& bm = slot->bitmap;
        int spare = cellH_ - (ascent_ + descent_);
        int baseline = ascent_ + std::max(0, spare / 2);
        int top = baseline - slot->bitmap_top;
        int left = slot->bitmap_left;
        for (unsigned r = 0; r < bm.rows; ++r)
            for (unsigned c = 0; c < bm.width; ++c) {
                bool on;
                if (bm.pixel_mode == FT_PIXEL_MODE_MONO)
                    on = (bm.buffer[r * bm.pitch + c / 8] >> (7 - c % 8)) & 1;
                else
                    on = bm.buffer[r * bm.pitch + c] >= 128;
                int x = left + int(c), y = top + int(r);
                if (on && x >= 0 && y >= 0 && x < g.w && y < g.h) g.ink[size_t(y) * g.w + x] = 1;
            }
        return g;
    }

private:
    FT_Face face_ = nullptr;
    int cellW_, cellH_;
    int ascent_ = 0, descent_ = 0;
    std::string path_;
};

void PutGlyph(Image& img, int x0, int y0, const CellGlyph& g, uint32_t ink, bool shadow, uint32_t shade) {
    if (shadow) {
        for (int y = 0; y < g.h; ++y)
            for (int x = 0; x < g.w; ++x)
                if (g.ink[size_t(y) * g.w + x]) {
                    int sx = x + 1, sy = y + 1;
                    if (sx < g.w && sy < g.h) img.Set(x0 + sx, y0 + sy, shade);
                }
    }
    for (int y = 0; y < g.h; ++y)
        for (int x = 0; x < g.w; ++x)
            if (g.ink[size_t(y) * g.w + x]) img.Set(x0 + x, y0 + y, ink);
}

// A four-pointed spark with a bright core, filling a big-font cell (10 x 18) on the key.
void DrawSparkle(Image& img, int x0, int y0) {
    FillRect(img, x0, y0, 10, 18, kKeyColour);
    Layer L(10, 18);
    const Col glow{150, 200, 255}, core{255, 255, 255}, warm{255, 236, 150};
    L.Fill(sdf::Poly{Star(5, 9, 7.5f, 1.3f, 4, 0)}, glow);
    L.Fill(sdf::Poly{Star(5, 9, 3.6f, 1.0f, 4, 45)}, warm);
    L.Fill(sdf::Circle(5, 9, 1.6f), core);
    Stamp(L, img, x0, y0);
}

}  // namespace

void DrawBigFontText(Image& img, const Image& fontSheet, int x, int y, std::string_view text, int row) {
    for (char ch : text) {
        const int c = static_cast<unsigned char>(ch) - kFirstChar;
        if (ch != ' ' && c >= 0 && c < kCharCount)
            for (int gy = 0; gy < 18; ++gy)
                for (int gx = 0; gx < 10; ++gx) {
                    const uint32_t p = fontSheet.Get(11 * c + 1 + gx, 19 * row + 1 + gy);
                    if (p != kKeyColour) img.Set(x + gx, y + gy, p);
                }
        x += 10;
    }
}

Image BuildFontSheet(const std::string& fontDir) {
    FT_Library lib;
    if (FT_Init_FreeType(&lib)) Fail("cannot start FreeType");
    Image img(1002, 159, kKeyColour);
    {
        // The bold face keeps its shape on textured backgrounds; the light colours get a
        // dark drop shadow so they also read on parchment.
        BitmapFont big(lib, fontDir + "/9x18B.pcf.gz", 10, 18);
        struct Row {
            uint32_t ink;
            bool shadow;
        };
        const Row rows[6] = {
            {0x5CDCD0, true},   // teal
            {0xB01C14, false},  // red
            {0x1C3CA8, false},  // blue
            {0xFBF6E8, true},   // white
            {0x1E7A24, false},  // green
            {0x0E0A06, false},  // black
        };
        const uint32_t shade = 0x140C06;
        for (int c = 0; c < kCharCount; ++c) {
            CellGlyph g = big.Render(kFirstChar + c);
            for (int r = 0; r < 6; ++r) PutGlyph(img, 11 * c + 1, 19 * r + 1, g, rows[r].ink, rows[r].shadow, shade);
        }
        // The white row's '@' is the spark of the title's shower of particles.
        DrawSparkle(img, 11 * ('@' - kFirstChar) + 1, 19 * 3 + 1);
        // The big font's transparent colour is read from each glyph's top-left pixel.
        for (int r = 0; r < 6; ++r)
            for (int c = 0; c < kCharCount; ++c) img.Set(11 * c + 1, 19 * r + 1, kKeyColour);
    }
    {
        BitmapFont small(lib, fontDir + "/6x10.pcf.gz", 6, 10);
        const uint32_t rows[4] = {fontcol::kSmallBlack, fontcol::kSmallRed, fontcol::kSmallBlue, fontcol::kSmallGreen};
        for (int c = 0; c < kCharCount; ++c) {
            CellGlyph g = small.Render(kFirstChar + c);
            for (int r = 0; r < 4; ++r) PutGlyph(img, 7 * c + 1, 11 * r + 115, g, rows[r], false, 0);
        }
        // Text entry marks in the first row: the cursor bar in the '#' place and the blanking
        // block in the '*' place, the exact colour behind text fields.
        const int cursorX = 7 * 3 + 1, blankX = 7 * 10 + 1, y0 = 115;
        FillRect(img, cursorX, y0, 6, 10, kKeyColour);
        FillRect(img, cursorX, y0, 1, 10, fontcol::kSmallBlack);
        FillRect(img, blankX, y0, 6, 10, pal::kFieldLight);
    }
    FT_Done_FreeType(lib);
    return img;
}

}  // namespace art
