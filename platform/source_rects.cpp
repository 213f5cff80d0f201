#include "source_rects.h"

Rect BigGlyphRect;
Rect SmallGlyphRect;
Rect FullScreenRect;
Rect PortraitRect;
Rect HeroFigureRect;
Rect TileRect;
Rect IconRect;
Rect SmallScrollRect;
Rect MediumScrollRect;
Rect MediumScrollLeftRect;
Rect MediumScrollRightRect;
Rect BigScrollRect;
Rect PageInsetRect;
std::array<Rect, 3> ViewFrameRects;
Rect VitalsPanelRect;
Rect GaugeStripeRect;
Rect BarStripeRect;
Rect CreditPictureRect;
Rect XpBarFrameRect;
Rect BarPixelRect;
std::array<Rect, 10> ViewPieceRects;
Rect HandPictureRect;
Rect EquipShadeRect;
Rect DigitRect;
Rect HeroScreenBannerRect;
Rect MiniTileRect;
Rect PictureRect;
Rect ModuleBannerRect;
Rect CityMapMarkerRect;

namespace {
constexpr Rect Size(int32_t w, int32_t h) { return {0, 0, w, h}; }
}  // namespace

void WriteSourceRects() {
    BigGlyphRect = Size(10, 18);
    SmallGlyphRect = Size(6, 10);
    FullScreenRect = Size(640, 480);
    PortraitRect = Size(69, 86);
    HeroFigureRect = Size(217, 231);
    TileRect = Size(32, 32);
    IconRect = Size(20, 20);
    SmallScrollRect = Size(213, 167);
    MediumScrollRect = Size(187, 256);
    MediumScrollLeftRect = {0, 0, 37, 256};
    MediumScrollRightRect = {150, 0, 187, 256};
    BigScrollRect = Size(456, 457);
    PageInsetRect = {339, 107, 619, 387};
    ViewFrameRects = {Size(32, 8), Size(8, 32), Size(8, 8)};
    VitalsPanelRect = Size(189, 64);
    GaugeStripeRect = Size(8, 1);
    BarStripeRect = Size(1, 3);
    CreditPictureRect = Size(231, 203);
    XpBarFrameRect = Size(56, 8);
    BarPixelRect = Size(1, 2);
    ViewPieceRects = {Size(30, 30), Size(61, 30),  Size(30, 61),  Size(30, 92),  Size(30, 123),
                      Size(30, 185), Size(61, 61), Size(61, 123), Size(61, 92), Size(92, 92)};
    HandPictureRect = Size(42, 45);
    EquipShadeRect = Size(63, 15);
    DigitRect = Size(5, 7);
    HeroScreenBannerRect = Size(278, 18);
    MiniTileRect = Size(8, 8);
    PictureRect = Size(30, 30);
    ModuleBannerRect = Size(68, 37);
    CityMapMarkerRect = Size(74, 74);
}
