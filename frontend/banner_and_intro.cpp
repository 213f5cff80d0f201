#include "banner_and_intro.h"

#include <array>

#include "platform/display.h"
#include "platform/fonts.h"
#include "platform/input.h"
#include "platform/random.h"
#include "platform/source_rects.h"

namespace {

bool IntroKeyDown() { return KeyDown(32) || KeyDown(27) || KeyDown(13); }

}  // namespace

void ShowMakerBanner() {
    Delay(2000);
    FillScreenWithTile(1327);
    DrawBigText(215, 180, "Quillmark Presents", kBigWhite);
    Flip();
    Delay(1900);
}

void AnimateTitle(int16_t count, int16_t* x, int16_t* y) {
    BltFast(BackSurface, 0, 0, TitlePicture, FullScreenRect, kBltOpaque);
    const int32_t glyph = GlyphIndex('@', kBigWhite);
    for (int16_t i = 0; i < count; ++i) {
        ++x[i];
        ++y[i];
        if (x[i] > 630 || y[i] > 460) {
            const int32_t r = Random15() % 1000;
            if (r >= 400) {
                x[i] = int16_t(r - 400);
                y[i] = 0;
            } else {
                x[i] = 0;
                y[i] = int16_t(r);
            }
        }
        if (glyph >= 0) BltFast(BackSurface, x[i], y[i], BigGlyphs[size_t(glyph)], BigGlyphRect, kBltKeyed);
    }
}

void RunTitleIntro() {
    Screen screen("title intro");
    std::array<int16_t, kTitleParticles> x{}, y{};
    for (int16_t i = 0; i < kTitleParticles; ++i) {
        x[size_t(i)] = int16_t(Random15() % 530 + 20);
        y[size_t(i)] = int16_t(Random15() % 410 + 20);
    }
    // The flip waits for the display, which paces the animation.
    do {
        screen.Pass();
        AnimateTitle(kTitleParticles, x.data(), y.data());
        Flip();
    } while (!IntroKeyDown());
    WaitUntilUp(32, 27, 13);
}
