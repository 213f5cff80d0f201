// The source rectangles every copy of a picture names, written once by the title loop.
#pragma once

#include <array>

#include "host/surface.h"

extern Rect BigGlyphRect;
extern Rect SmallGlyphRect;
extern Rect FullScreenRect;
extern Rect PortraitRect;
extern Rect HeroFigureRect;
extern Rect TileRect;
extern Rect IconRect;
extern Rect SmallScrollRect;
extern Rect MediumScrollRect;
extern Rect MediumScrollLeftRect;
extern Rect MediumScrollRightRect;
extern Rect BigScrollRect;
extern Rect PageInsetRect;
extern std::array<Rect, 3> ViewFrameRects;  // 32 x 8, 8 x 32, 8 x 8
extern Rect VitalsPanelRect;
extern Rect GaugeStripeRect;
extern Rect BarStripeRect;
extern Rect CreditPictureRect;
extern Rect XpBarFrameRect;
extern Rect BarPixelRect;
extern std::array<Rect, 10> ViewPieceRects;  // monster and item pictures by size class
extern Rect HandPictureRect;
extern Rect EquipShadeRect;
extern Rect DigitRect;
extern Rect HeroScreenBannerRect;
extern Rect MiniTileRect;
extern Rect PictureRect;
extern Rect ModuleBannerRect;
extern Rect CityMapMarkerRect;

void WriteSourceRects();
