#include "graphics.h"

#include <SDL2/SDL.h>

#include <algorithm>
#include <cstring>

#include "display.h"
#include "files.h"
#include "resources.h"

namespace {

void Stretch(const uint16_t* src, int32_t sw, int32_t sh, size_t srcPitch, uint16_t* dest, int32_t dw, int32_t dh) {
    for (int32_t y = 0; y < dh; ++y) {
        const uint16_t* row = src + size_t(int64_t(y) * sh / dh) * srcPitch;
        for (int32_t x = 0; x < dw; ++x) dest[size_t(y) * dw + x] = row[int64_t(x) * sw / dw];
    }
}

void StretchInto(Bitmap& out, const uint16_t* src, int32_t sw, int32_t sh, size_t pitch, int32_t w, int32_t h) {
    out.owned = std::make_unique<uint16_t[]>(size_t(w) * h);
    Stretch(src, sw, sh, pitch, out.owned.get(), w, h);
    out.width = w;
    out.height = h;
    out.pixels = out.owned.get();
}

enum class Key { None, Colour, TopLeft };

void KeyAfterCopy(Surface* s, Key key) {
    if (key == Key::Colour) SetColourKey(s, KeyColour);
    if (key == Key::TopLeft) SetColourKey(s, kInvalidColour);
}

// One piece: the surface's own size from (x, y) of the sheet. Returns the copy's result.
int Cut(Surface* s, const Bitmap& b, int32_t x, int32_t y, Key key) {
    if (!s) return -1;
    int result = CopyBitmapToSurface(s, &b, x, y, s->width, s->height);
    KeyAfterCopy(s, key);
    return result;
}

// rows x cols pieces at (pitchX * c + x0, pitchY * r + y0), numbered row by row from first.
template <size_t N>
int CutGrid(std::array<Surface*, N>& target, int first, int rows, int cols, int32_t pitchX, int32_t pitchY,
            int32_t x0, int32_t y0, const Bitmap& b, Key key) {
    int result = 0;
    for (int r = 0; r < rows; ++r)
        for (int c = 0; c < cols; ++c) {
            size_t i = size_t(first + r * cols + c);
            if (i < N) result = Cut(target[i], b, pitchX * c + x0, pitchY * r + y0, key);
        }
    return result;
}

void LoadFont() {
    Bitmap b;
    LoadResourceBitmap("VFONT", 1002, 159, b);
    CutGrid(BigGlyphs, 0, 6, 91, 11, 19, 1, 1, b, Key::TopLeft);
    CutGrid(SmallGlyphs, 0, 4, 91, 7, 11, 1, 115, b, Key::Colour);
}

void LoadPage(Surface* s, const char* resource, int32_t w, int32_t h, Key key = Key::None) {
    Bitmap b;
    LoadResourceBitmap(resource, w, h, b);
    Cut(s, b, 0, 0, key);
}

void LoadFilePage(Surface* s, const char* file, int32_t w, int32_t h) {
    Bitmap b;
    LoadBitmapFile(std::string("Mod/GameData/") + file, w, h, b);
    Cut(s, b, 0, 0, Key::None);
}

void LoadBox() {
    Bitmap b;
    LoadResourceBitmap("VBOX", 701, 544, b);
    for (int i = 0; i < 3; ++i) Cut(VerticalGaugeStripes[i], b, 193 + 10 * i, 292, Key::None);
    for (int i = 0; i < 2; ++i) Cut(HorizontalGaugeStripes[i], b, 193 + 2 * i, 296, Key::Colour);
    CutGrid(RunePictures, 0, 2, 20, 31, 31, 1, 1, b, Key::Colour);
    CutGrid(HieroglyphPictures, 0, 2, 20, 31, 31, 1, 440, b, Key::Colour);
    CutGrid(HeraldryPictures, 0, 1, 10, 70, 0, 1, 63, b, Key::Colour);
    CutGrid(CardPictures, 0, 1, 7, 70, 0, 1, 349, b, Key::Colour);
    CutGrid(UiIcons, 0, 5, 30, 21, 21, 1, 151, b, Key::Colour);
    CutGrid(UiIcons, 150, 1, 10, 21, 0, 421, 256, b, Key::Colour);
    const int32_t frameX[] = {192, 225, 234, 243, 252, 261};
    for (int i = 0; i < 6; ++i) Cut(ViewFramePieces[i], b, frameX[i], 282, Key::None);
    Cut(VitalsPanel, b, 0, 281, Key::None);
    Cut(EquipSlotShade, b, 199, 320, Key::Colour);
    Cut(HeroScreenBanner, b, 381, 297, Key::Colour);
    Cut(XpBarFrame, b, 3, 272, Key::Colour);
    Cut(BarPixel, b, 60, 275, Key::Colour);
    CutGrid(HandPictures, 0, 1, 2, 43, 0, 279, 289, b, Key::Colour);
    CutGrid(DigitPictures, 0, 1, 10, 6, 0, 13, 507, b, Key::Colour);
    Cut(CityMapMarker, b, 509, 354, Key::Colour);
}

void LoadModuleSheet() {
    Bitmap b;
    LoadResourceBitmap("VMODULE", 94, 1465, b);
    for (int r = 0; r < 46; ++r)
        for (int c = 0; c < 3; ++c) Cut(ModuleIcons[size_t(3 * r + c)], b, 31 * c + 1, 31 * r + 1, Key::Colour);
    Cut(ModuleIcons[kModuleBanner], b, 1, 1427, Key::Colour);
}

void LoadWalls() {
    Bitmap walls, minis;
    LoadResourceBitmap("VWALL", 661, 3829, walls);
    CutGrid(WallTiles, 0, 112, 20, 33, 33, 1, 1, walls, Key::Colour);
    CutGrid(WallTiles, 2315, 4, 20, 33, 33, 1, 33 * 112 + 1, walls, Key::Colour);
    LoadResourceBitmap("VMINIWALL", 181, 1045, minis);
    CutGrid(MiniWallTiles, 0, 112, 20, 9, 9, 1, 1, minis, Key::Colour);
    CutGrid(MiniWallTiles, 2315, 4, 20, 9, 9, 1, 9 * 112 + 1, minis, Key::Colour);
}

void LoadMonsters() {
    Bitmap b;
    LoadResourceBitmap("VMONST", 745, 3039, b);
    CutGrid(MonsterPictures, 0, 42, 24, 31, 31, 1, 1, b, Key::Colour);
    CutGrid(MonsterPictures, 1008, 11, 12, 62, 31, 1, 1303, b, Key::Colour);
    CutGrid(MonsterPictures, 1140, 4, 24, 31, 62, 1, 1644, b, Key::Colour);
    CutGrid(MonsterPictures, 1236, 10, 12, 62, 62, 1, 1892, b, Key::Colour);
    CutGrid(MonsterPictures, 1356, 1, 8, 93, 0, 1, 2512, b, Key::Colour);
    CutGrid(MonsterPictures, 1364, 14, 24, 31, 31, 1, 2605, b, Key::Colour);
}

void LoadItems() {
    Bitmap b;
    LoadResourceBitmap("VEQUIP", 807, 1520, b);
    CutGrid(ItemPictures, 0, 9, 26, 31, 31, 1, 1, b, Key::Colour);
    CutGrid(ItemPictures, 234, 1, 13, 62, 0, 1, 280, b, Key::Colour);
    CutGrid(ItemPictures, 247, 3, 26, 31, 62, 1, 311, b, Key::Colour);
    CutGrid(ItemPictures, 325, 1, 26, 31, 0, 1, 497, b, Key::Colour);
    CutGrid(ItemPictures, 351, 1, 26, 31, 0, 1, 590, b, Key::Colour);
    CutGrid(ItemPictures, 377, 1, 26, 31, 0, 1, 714, b, Key::Colour);
    CutGrid(ItemPictures, 403, 2, 13, 62, 62, 1, 900, b, Key::Colour);
    CutGrid(ItemPictures, 429, 1, 13, 62, 0, 1, 1024, b, Key::Colour);
    CutGrid(ItemPictures, 442, 1, 13, 62, 0, 1, 1148, b, Key::Colour);
    CutGrid(ItemPictures, 455, 6, 26, 31, 31, 1, 1241, b, Key::Colour);
    CutGrid(ItemPictures, 643, 1, 13, 62, 0, 1, 1427, b, Key::Colour);
    CutGrid(ItemPictures, 688, 1, 26, 31, 0, 1, 1489, b, Key::Colour);
}

// The module's own tiles and pictures; its grid starts 14 pixels further right. A module
// without its own sheet (or with one that cannot be read) gets the built-in default sheet.
void LoadCustom() {
    Bitmap b;
    if (!LoadBitmapFile("Mod/GameData/custom.bmp", 530, 792, b)) LoadResourceBitmap("VCUSTOM", 530, 792, b);
    CutGrid(WallTiles, 2240, 5, 15, 33, 33, 15, 26, b, Key::Colour);
    CutGrid(MiniWallTiles, 2240, 5, 15, 9, 9, 15, 195, b, Key::Colour);
    CutGrid(ItemPictures, 611, 2, 16, 31, 31, 15, 321, b, Key::Colour);
    CutGrid(ItemPictures, 656, 2, 16, 31, 31, 15, 259, b, Key::Colour);
    CutGrid(MonsterPictures, 1700, 3, 16, 31, 31, 15, 411, b, Key::Colour);
    CutGrid(MonsterPictures, 1748, 2, 8, 62, 31, 15, 508, b, Key::Colour);
    CutGrid(MonsterPictures, 1764, 1, 16, 31, 0, 15, 574, b, Key::Colour);
    if (CutGrid(MonsterPictures, 1780, 2, 8, 62, 62, 15, 640, b, Key::Colour) != 0)
        host::Get().PostMessage(host::kMsgQuit);
}

}  // namespace

bool LoadResourceBitmap(std::string_view name, int32_t w, int32_t h, Bitmap& out) {
    out = Bitmap{};
    ResourceSheet sheet;
    if (!FindSheet(name, sheet)) return false;
    if (sheet.width == w && sheet.height == h) {
        out.width = w;
        out.height = h;
        out.pixels = sheet.pixels;
        return true;
    }
    StretchInto(out, sheet.pixels, sheet.width, sheet.height, size_t(sheet.width), w, h);
    return true;
}

bool LoadBitmapFile(const std::string& path, int32_t w, int32_t h, Bitmap& out) {
    out = Bitmap{};
    SDL_Surface* loaded = SDL_LoadBMP(ResolvePath(path).c_str());
    if (!loaded) return false;
    SDL_Surface* converted = SDL_ConvertSurfaceFormat(loaded, SDL_PIXELFORMAT_RGB565, 0);
    SDL_FreeSurface(loaded);
    if (!converted) return false;
    bool ok = converted->w > 0 && converted->h > 0 && SDL_LockSurface(converted) == 0;
    if (ok) {
        StretchInto(out, static_cast<const uint16_t*>(converted->pixels), converted->w, converted->h,
                    size_t(converted->pitch) / 2, w, h);
        SDL_UnlockSurface(converted);
    }
    SDL_FreeSurface(converted);
    return ok;
}

int CopyBitmapToSurface(Surface* surface, const Bitmap* bitmap, int32_t srcX, int32_t srcY, int32_t width,
                        int32_t height) {
    if (!surface || !bitmap || !bitmap->pixels) return -1;
    if (width == 0) width = bitmap->width;
    if (height == 0) height = bitmap->height;
    if (width <= 0 || height <= 0) return -1;
    // Pixels of the rectangle that lie outside the bitmap come out black.
    const int32_t dw = surface->width, dh = surface->height;
    for (int32_t y = 0; y < dh; ++y) {
        uint16_t* d = surface->Row(y);
        const int64_t sy = srcY + int64_t(y) * height / dh;
        if (sy < 0 || sy >= bitmap->height) {
            std::fill(d, d + dw, uint16_t(0));
            continue;
        }
        const uint16_t* s = bitmap->pixels + size_t(sy) * size_t(bitmap->width);
        if (width == dw && srcX >= 0 && int64_t(srcX) + dw <= bitmap->width) {
            std::memcpy(d, s + srcX, size_t(dw) * 2);
            continue;
        }
        for (int32_t x = 0; x < dw; ++x) {
            const int64_t sx = srcX + int64_t(x) * width / dw;
            d[x] = (sx >= 0 && sx < bitmap->width) ? s[sx] : 0;
        }
    }
    return 0;
}

uint16_t MatchColour(const Surface* surface, ColourRef colour) {
    if (!surface) return 0;
    if (colour == kInvalidColour) return surface->pixels[0];
    return RgbTo565(colour);
}

void SetColourKey(Surface* surface, ColourRef colour) {
    if (!surface) return;
    surface->key = MatchColour(surface, colour);
    surface->keyed = true;
}

void LoadGraphics() {
    LoadFont();
    LoadFilePage(TitlePicture, "VexTitle.bmp", 640, 480);
    LoadFilePage(WinPictures[0], "VexWin1.bmp", 640, 480);
    LoadFilePage(WinPictures[1], "VexWin2.bmp", 640, 480);
    LoadPage(HeroScreenPicture, "VCHAR", 640, 480);
    LoadPage(SmallScroll, "VLSCROLL", 213, 167, Key::Colour);
    LoadPage(MediumScroll, "VMSCROLL", 187, 256, Key::Colour);
    LoadPage(BigScroll, "VBSCROLL", 456, 457, Key::Colour);
    LoadPage(LongScroll, "VLONGSCROLL", 456, 170, Key::Colour);
    LoadPage(SlatePicture, "VSLATE", 640, 480);
    LoadPage(Slate2Picture, "VSLATE2", 640, 480);
    LoadPage(KitSlatePicture, "VKITSLATE", 640, 480);
    LoadPage(DeathPicture, "VDEAD", 640, 480);
    LoadPage(HeroFigure, "VMAN", 217, 231, Key::Colour);
    const char* objectives[] = {"VexObj.bmp", "VexObj1.bmp", "VexObj2.bmp", "VexObj3.bmp", "VexObj4.bmp"};
    for (int i = 0; i < 5; ++i) {
        Bitmap b;
        LoadBitmapFile(std::string("Mod/GameData/") + objectives[i], 217, 231, b);
        Cut(ObjectiveSurfaces[size_t(i)], b, 0, 0, Key::Colour);
    }
    LoadPage(CreditPicture, "VCREDIT", 231, 203, Key::Colour);
    LoadFilePage(WorldMapSurfaces[0], "VexMap.bmp", 640, 480);
    LoadFilePage(WorldMapSurfaces[1], "VexMap2.bmp", 640, 480);
    LoadFilePage(WorldMapSurfaces[2], "VexMap3.bmp", 640, 480);
    LoadFilePage(TitleMenuPicture, "VexMenu.bmp", 640, 480);
    LoadPage(BookPicture, "VBOOK", 640, 480, Key::Colour);
    LoadBox();
    LoadModuleSheet();
    LoadWalls();
    LoadMonsters();
    LoadItems();
    LoadCustom();
}
