#include "fonts.h"

#include "display.h"
#include "source_rects.h"

namespace {

template <size_t N>
void DrawText(std::array<Surface*, N>& glyphs, const Rect& rect, int32_t advance, int16_t x, int16_t y,
              std::string_view text, int16_t colour) {
    text = text.substr(0, text.find('\0'));
    if (text.empty()) return;
    host::Get().TextDrawn(text, x, y, colour);
    int32_t at = x;
    for (char ch : text) {
        const int32_t index = ch == ' ' ? -1 : GlyphIndex(ch, colour);
        if (index >= 0 && size_t(index) < N) BltFast(BackSurface, at, y, glyphs[size_t(index)], rect, kBltKeyed);
        at += advance;
    }
}

}  // namespace

int32_t GlyphIndex(char ch, int16_t colour) {
    // Texts read from files may hold any byte; only the fonts' range has glyphs.
    const auto code = static_cast<signed char>(ch);
    if (code < 32 || code > 122) return -1;
    return code - 32 + colour;
}

void DrawBigText(int16_t x, int16_t y, std::string_view text, int16_t colour) {
    DrawText(BigGlyphs, BigGlyphRect, kBigAdvance, x, y, text, colour);
}

void DrawSmallText(int16_t x, int16_t y, std::string_view text, int16_t colour) {
    DrawText(SmallGlyphs, SmallGlyphRect, kSmallAdvance, x, y, text, colour);
}

void DrawSmallTextSpaced(int16_t x, int16_t y, std::string_view text, int16_t colour, int32_t advance) {
    DrawText(SmallGlyphs, SmallGlyphRect, advance, x, y, text, colour);
}

void DrawSmallGlyph(Surface* dest, int32_t x, int32_t y, int32_t index) {
    if (index < 0 || size_t(index) >= SmallGlyphs.size()) return;
    BltFast(dest, x, y, SmallGlyphs[size_t(index)], SmallGlyphRect, kBltKeyed);
}
