// The window, the display and its surfaces, and the focus protocol.
#pragma once

#include <array>
#include <cstdint>

#include "host/host.h"
#include "host/surface.h"

// Owner of every surface while the display is held; null while released.
struct DisplayObject;
extern DisplayObject* DirectDrawObject;

extern Surface* FrontSurface;
extern Surface* BackSurface;
extern uint32_t MainWindow;  // 1 while the window exists
extern uint32_t SurfacesLost;
extern uint32_t RedrawNeeded;

extern std::array<Surface*, 546> BigGlyphs;
extern std::array<Surface*, 3> VerticalGaugeStripes;
extern std::array<Surface*, 2> HorizontalGaugeStripes;
extern std::array<Surface*, 40> RunePictures;
extern std::array<Surface*, 40> HieroglyphPictures;
extern std::array<Surface*, 2395> WallTiles;
constexpr int kModuleBanner = 138;  // the banner follows the 138 module icons
extern std::array<Surface*, 139> ModuleIcons;
extern std::array<Surface*, 2395> MiniWallTiles;
extern std::array<Surface*, 10> HeraldryPictures;
extern std::array<Surface*, 7> CardPictures;
extern std::array<Surface*, 364> SmallGlyphs;
extern Surface* VitalsPanel;
extern Surface* SmallScroll;
extern Surface* MediumScroll;
extern Surface* BigScroll;
extern Surface* LongScroll;
extern std::array<Surface*, 1796> MonsterPictures;
extern std::array<Surface*, 714> ItemPictures;
extern Surface* TitlePicture;
extern std::array<Surface*, 2> WinPictures;
extern Surface* HeroScreenPicture;
extern Surface* SlatePicture;
extern Surface* Slate2Picture;
extern Surface* KitSlatePicture;  // the slate as the level editor's screen shows it
extern Surface* DeathPicture;
extern std::array<Surface*, 3> WorldMapSurfaces;
extern Surface* TitleMenuPicture;
extern Surface* BookPicture;
extern Surface* CreditPicture;
extern Surface* HeroFigure;
extern std::array<Surface*, 5> ObjectiveSurfaces;
extern std::array<Surface*, 160> UiIcons;
extern std::array<Surface*, 6> ViewFramePieces;
extern std::array<Surface*, 2> HandPictures;
extern Surface* EquipSlotShade;
extern Surface* HeroScreenBanner;
extern Surface* XpBarFrame;
extern Surface* BarPixel;
extern std::array<Surface*, 10> DigitPictures;
extern Surface* CityMapMarker;

constexpr int kOffscreenSurfaceCount = 8659;

struct PictureSize {
    int32_t width, height;
};
// Picture sizes by index; an index outside the table is a 30 x 30 picture.
PictureSize MonsterPictureSize(int32_t index);
PictureSize ItemPictureSize(int32_t index);

// The program from the window to its release: 0 at a normal end, 1 when the window or the
// display could not be had (said on standard error).
int AppMain();
int32_t WindowProc(host::Message message);
int InitDirectDraw();
int ReleaseDirectDraw();
// The off-screen surfaces in the order they were created; empty while released.
int OffscreenSurfaceCount();
const Surface* OffscreenSurface(int index);

// Copies a rectangle of src into BackSurface (or any target) at (x, y). Fails and draws
// nothing when a surface is missing or the rectangle does not fit; a copy onto the front
// surface shows at once.
bool BltFast(Surface* dest, int32_t x, int32_t y, const Surface* src, const Rect& srcRect, BltMode mode);
// Shows the back buffer; the back buffer keeps its content.
bool Flip();
