// The painters of the individual sheets; BuildSheets puts their results into the pack.
#pragma once

#include <string>
#include <string_view>
#include <vector>

#include "draw.h"
#include "pack.h"
#include "play_art.h"

namespace art {

// VFONT from the bitmap fonts in fontDir; prints an error and exits when they cannot be read.
Image BuildFontSheet(const std::string& fontDir);
// A text in the big font of that sheet, colour row 0 (teal) to 5 (black), letter for letter as
// the game draws it: the same pixels, 10 to a letter.
void DrawBigFontText(Image& img, const Image& fontSheet, int x, int y, std::string_view text, int row);

// The 160 UiIcons pieces, 20 x 20 each, key-coloured where transparent.
std::vector<Image> BuildUiIcons();

Image BuildBoxSheet();     // VBOX
// The caption over the weapon and shield slots, "MELEE" and "MISSILE", the active mode lit:
// the hero screen carries the melee one, the interface sheet the missile one.
Image ModeCaption(bool missile);
Image BuildModuleSheet();  // VMODULE

// Scrolls and full pages.
Image BuildSmallScroll();   // VLSCROLL
Image BuildMediumScroll();  // VMSCROLL
Image BuildBigScroll();     // VBSCROLL
Image BuildLongScroll();    // VLONGSCROLL
Image BuildSlate();         // VSLATE, the play screen
Image BuildKitSlate();      // VKITSLATE, the level editor: the slate with pale bands for its dark texts
Image BuildSlate2();        // VSLATE2, behind books and editors
Image BuildDeathPage();     // VDEAD
Image BuildHeroScreen();    // VCHAR
Image BuildBook();          // VBOOK
Image BuildHeroFigure();    // VMAN
Image BuildCreditPicture(); // VCREDIT

// The module's custom.bmp: the default custom tiles, items and monsters in its layout.
Image BuildCustomSheet(const PlayArt& art);

// Shared scenery for the large pictures.
void PaintParchment(Image& img, int x, int y, int w, int h, uint32_t seed, float darkness = 0.0f);
void PaintStoneWall(Image& img, int x, int y, int w, int h, uint32_t seed, Col base, int blockW, int blockH);
void PaintWood(Image& img, int x, int y, int w, int h, uint32_t seed, Col base, bool vertical);
// A gilt-edged dark frame band around a rectangle (inside the rectangle, `width` pixels).
void PaintFrame(Image& img, int x, int y, int w, int h, int width);

// Colours of the fonts, which the widget art has to agree with.
namespace fontcol {
constexpr uint32_t kSmallBlack = 0x100C08;
constexpr uint32_t kSmallRed = 0xA01410;
constexpr uint32_t kSmallBlue = 0x14309C;
constexpr uint32_t kSmallGreen = 0x186A1C;
}  // namespace fontcol

}  // namespace art
