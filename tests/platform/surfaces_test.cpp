// The surface table, the cutting of every sheet, copies with and without the key.
#include <SDL2/SDL.h>

#include <filesystem>

#include "platform/display.h"
#include "platform/graphics.h"
#include "platform/input.h"
#include "platform/resources.h"
#include "platform/source_rects.h"
#include "tests/support/headless_test.h"

namespace {

constexpr uint16_t kKey565 = 0x7B2C;  // RGB(126, 102, 102) in 5-6-5

bool SameAsRegion(const Surface* s, const uint16_t* sheet, int32_t sheetWidth, int32_t x, int32_t y) {
    for (int32_t r = 0; r < s->height; ++r)
        for (int32_t c = 0; c < s->width; ++c)
            if (s->Row(r)[c] != sheet[size_t(y + r) * sheetWidth + x + c]) return false;
    return true;
}

// A pixel value that differs from cell to cell at every pitch the sheets use.
uint16_t Marker(int32_t x, int32_t y) { return uint16_t((uint32_t(x) * 40503u) ^ (uint32_t(y) * 2654435761u >> 7)); }

void WriteMarkedBmp(const std::string& path, int32_t w, int32_t h) {
    SDL_Surface* s = SDL_CreateRGBSurfaceWithFormat(0, w, h, 24, SDL_PIXELFORMAT_BGR24);
    ASSERT_NE(s, nullptr);
    for (int32_t y = 0; y < h; ++y) {
        auto* row = static_cast<uint8_t*>(s->pixels) + size_t(y) * s->pitch;
        for (int32_t x = 0; x < w; ++x) {
            uint16_t v = Marker(x, y);
            row[3 * x + 0] = uint8_t((v & 31) << 3);
            row[3 * x + 1] = uint8_t(((v >> 5) & 63) << 2);
            row[3 * x + 2] = uint8_t((v >> 11) << 3);
        }
    }
    ASSERT_EQ(SDL_SaveBMP(s, path.c_str()), 0);
    SDL_FreeSurface(s);
}

class SurfacesTest : public HeadlessTest {};

TEST_F(SurfacesTest, TableOrderAndSizes) {
    OpenDisplay();
    ASSERT_EQ(OffscreenSurfaceCount(), 8659);
    struct Expect {
        int index, w, h;
    } table[] = {
        {0, 10, 18},     {545, 10, 18},   {546, 8, 1},     {549, 1, 3},     {551, 30, 30},   {631, 32, 32},
        {3025, 32, 32},  {3026, 30, 30},  {3164, 68, 37},  {3165, 8, 8},    {5560, 69, 86},  {5577, 6, 10},
        {5941, 189, 64}, {5942, 213, 167}, {5943, 187, 256}, {5944, 456, 457}, {5945, 456, 170}, {5946, 30, 30},
        {6954, 61, 30},  {7302, 92, 92},  {7741, 61, 61},  {7742, 30, 30},  {7976, 61, 30},  {8119, 30, 185},
        {8455, 30, 30},  {8456, 640, 480}, {8467, 640, 480}, {8468, 231, 203}, {8469, 217, 231}, {8474, 217, 231},
        {8475, 20, 20},  {8634, 20, 20},  {8635, 32, 8},   {8636, 8, 32},   {8640, 8, 8},    {8641, 42, 45},
        {8643, 63, 15},  {8644, 278, 18}, {8645, 56, 8},   {8646, 1, 2},    {8647, 5, 7},    {8657, 74, 74},
        {8658, 640, 480},
    };
    for (const Expect& e : table) {
        const Surface* s = OffscreenSurface(e.index);
        ASSERT_NE(s, nullptr);
        EXPECT_EQ(s->width, e.w) << "surface " << e.index;
        EXPECT_EQ(s->height, e.h) << "surface " << e.index;
    }
    EXPECT_EQ(OffscreenSurface(3164), ModuleIcons[kModuleBanner]);
    EXPECT_EQ(OffscreenSurface(8467), BookPicture);
    EXPECT_EQ(OffscreenSurface(8658), KitSlatePicture);
}

TEST_F(SurfacesTest, ModuleSheetCutAtItsOwnGrid) {
    WriteMarkedBmp("Mod/GameData/custom.bmp", 530, 792);
    OpenDisplay();
    Bitmap sheet;
    ASSERT_TRUE(LoadBitmapFile("Mod/GameData/custom.bmp", 530, 792, sheet));
    struct Piece {
        const Surface* s;
        int32_t x, y;
    } pieces[] = {
        {WallTiles[2240], 15, 26},          {WallTiles[2314], 33 * 14 + 15, 33 * 4 + 26},
        {MiniWallTiles[2256], 9 + 15, 9 + 195}, {ItemPictures[611], 15, 321},
        {ItemPictures[642], 31 * 15 + 15, 31 + 321}, {ItemPictures[656], 15, 259},
        {MonsterPictures[1747], 31 * 15 + 15, 31 * 2 + 411}, {MonsterPictures[1763], 62 * 7 + 15, 31 + 508},
        {MonsterPictures[1770], 31 * 6 + 15, 574}, {MonsterPictures[1795], 62 * 7 + 15, 62 + 640},
    };
    for (const Piece& p : pieces) EXPECT_TRUE(SameAsRegion(p.s, sheet.pixels, 530, p.x, p.y)) << p.x << "," << p.y;
    EXPECT_TRUE(host.posted.empty());
}

TEST_F(SurfacesTest, MissingModuleSheetGivesTheDefaultOne) {
    std::filesystem::remove("Mod/GameData/custom.bmp");
    OpenDisplay();
    ResourceSheet sheet;
    ASSERT_TRUE(FindSheet("VCUSTOM", sheet));
    EXPECT_TRUE(SameAsRegion(WallTiles[2240], sheet.pixels, 530, 15, 26));
    EXPECT_TRUE(SameAsRegion(MiniWallTiles[2314], sheet.pixels, 530, 9 * 14 + 15, 9 * 4 + 195));
    EXPECT_TRUE(SameAsRegion(ItemPictures[656], sheet.pixels, 530, 15, 259));
    EXPECT_TRUE(SameAsRegion(MonsterPictures[1795], sheet.pixels, 530, 62 * 7 + 15, 62 + 640));
    EXPECT_TRUE(host.posted.empty()) << "no quit message for a module without its own sheet";
}

TEST_F(SurfacesTest, BuiltInSheetsCutAtTheirPitches) {
    OpenDisplay();
    auto sheet = [](const char* name) {
        ResourceSheet s;
        EXPECT_TRUE(FindSheet(name, s)) << name;
        return s;
    };
    struct Piece {
        const char* sheet;
        const Surface* s;
        int32_t x, y;
    } pieces[] = {
        {"vfont", BigGlyphs[545], 11 * 90 + 1, 19 * 5 + 1},   {"VFONT", SmallGlyphs[363], 7 * 90 + 1, 11 * 3 + 115},
        {"VWALL", WallTiles[2239], 33 * 19 + 1, 33 * 111 + 1}, {"VWALL", WallTiles[2315], 1, 33 * 112 + 1},
        {"VWALL", WallTiles[2394], 33 * 19 + 1, 33 * 115 + 1}, {"VMINIWALL", MiniWallTiles[2394], 9 * 19 + 1, 9 * 115 + 1},
        {"VMONST", MonsterPictures[1139], 62 * 11 + 1, 31 * 10 + 1303}, {"VMONST", MonsterPictures[1235], 31 * 23 + 1, 62 * 3 + 1644},
        {"VMONST", MonsterPictures[1363], 93 * 7 + 1, 2512}, {"VMONST", MonsterPictures[1699], 31 * 23 + 1, 31 * 13 + 2605},
        {"VEQUIP", ItemPictures[324], 31 * 25 + 1, 62 * 2 + 311}, {"VEQUIP", ItemPictures[428], 62 * 12 + 1, 62 + 900},
        {"VEQUIP", ItemPictures[610], 31 * 25 + 1, 31 * 5 + 1241}, {"VEQUIP", ItemPictures[713], 31 * 25 + 1, 1489},
        {"VBOX", UiIcons[149], 21 * 29 + 1, 21 * 4 + 151},  {"VBOX", UiIcons[159], 21 * 9 + 421, 256},
        {"VBOX", RunePictures[39], 590, 32},              {"VBOX", HieroglyphPictures[20], 1, 471},
        {"VBOX", HeraldryPictures[9], 631, 63},           {"VBOX", CardPictures[6], 421, 349},
        {"VBOX", VitalsPanel, 0, 281},                    {"VBOX", DigitPictures[9], 67, 507},
        {"VBOX", ViewFramePieces[5], 261, 282},           {"VBOX", HandPictures[1], 322, 289},
        {"VBOX", HorizontalGaugeStripes[1], 195, 296},    {"VBOX", CityMapMarker, 509, 354},
        {"VMODULE", ModuleIcons[137], 63, 1396},          {"VMODULE", ModuleIcons[kModuleBanner], 1, 1427},
    };
    for (const Piece& p : pieces) {
        ResourceSheet s = sheet(p.sheet);
        EXPECT_TRUE(SameAsRegion(p.s, s.pixels, s.width, p.x, p.y)) << p.sheet << " at " << p.x << "," << p.y;
    }
}

TEST_F(SurfacesTest, KeysAsTheTableSays) {
    OpenDisplay();
    EXPECT_EQ(MatchColour(WallTiles[0], KeyColour), kKey565);
    EXPECT_TRUE(BigGlyphs[0]->keyed);
    EXPECT_EQ(BigGlyphs[0]->key, BigGlyphs[0]->pixels[0]);
    EXPECT_EQ(BigGlyphs[300]->key, kKey565) << "the font's own key must be the common transparent colour";
    EXPECT_TRUE(SmallGlyphs[5]->keyed && SmallGlyphs[5]->key == kKey565);
    EXPECT_TRUE(MonsterPictures[10]->keyed && BookPicture->keyed && HeroFigure->keyed);
    EXPECT_FALSE(VitalsPanel->keyed || ViewFramePieces[0]->keyed || VerticalGaugeStripes[0]->keyed ||
                 TitleMenuPicture->keyed);
}

TEST(SurfaceCopy, KeyedOpaqueAndOffTheEdge) {
    Surface dest(8, 8), src(4, 4);
    std::fill(dest.pixels.get(), dest.pixels.get() + 64, uint16_t(7));
    for (int i = 0; i < 16; ++i) src.pixels[size_t(i)] = uint16_t(i % 2 ? 100 : kKey565);
    src.keyed = true;
    src.key = kKey565;
    const Rect all{0, 0, 4, 4};
    ASSERT_TRUE(CopyRect(&dest, 4, 4, &src, all, kBltKeyed));
    EXPECT_EQ(dest.Row(4)[4], 7);  // the key shows what lay under it
    EXPECT_EQ(dest.Row(4)[5], 100);
    ASSERT_TRUE(CopyRect(&dest, 0, 0, &src, all, kBltOpaque));
    EXPECT_EQ(dest.Row(0)[0], kKey565);
    src.keyed = false;  // a surface without a key is always opaque
    ASSERT_TRUE(CopyRect(&dest, 0, 4, &src, all, kBltKeyed));
    EXPECT_EQ(dest.Row(4)[0], kKey565);

    Surface before(8, 8);
    std::copy(dest.pixels.get(), dest.pixels.get() + 64, before.pixels.get());
    EXPECT_FALSE(CopyRect(&dest, 5, 0, &src, all, kBltOpaque));
    EXPECT_FALSE(CopyRect(&dest, -1, 0, &src, all, kBltOpaque));
    EXPECT_FALSE(CopyRect(&dest, 0, 5, &src, all, kBltOpaque));
    EXPECT_FALSE(CopyRect(&dest, 0, 0, &src, Rect{1, 1, 5, 5}, kBltOpaque));
    EXPECT_FALSE(CopyRect(&dest, 0, 0, nullptr, all, kBltOpaque));
    EXPECT_FALSE(CopyRect(nullptr, 0, 0, &src, all, kBltOpaque));
    EXPECT_TRUE(std::equal(dest.pixels.get(), dest.pixels.get() + 64, before.pixels.get()));
}

TEST_F(SurfacesTest, FillScreenWithTileCoversTheScreen) {
    OpenDisplay();
    std::fill(BackSurface->pixels.get(), BackSurface->pixels.get() + 640 * 480, uint16_t(0x1234));
    FillScreenWithTile(1327);
    for (int y = 0; y < 480; ++y)
        for (int x = 0; x < 640; ++x)
            ASSERT_EQ(BackSurface->Row(y)[x], WallTiles[1327]->Row(y % 32)[x % 32]) << x << "," << y;
    ASSERT_TRUE(Flip());
    ASSERT_EQ(host.frames.size(), 1u);
    EXPECT_EQ(host.frames.back().At(639, 479), WallTiles[1327]->Row(31)[31]);
    EXPECT_EQ(BackSurface->Row(0)[0], WallTiles[1327]->Row(0)[0]) << "a flip keeps the back buffer";
}

TEST_F(SurfacesTest, OddSizedModuleBitmapIsStretched) {
    WriteMarkedBmp("Mod/GameData/vexmenu.bmp", 320, 240);
    std::filesystem::remove("Mod/GameData/VexMenu.bmp");
    OpenDisplay();
    Bitmap small;
    ASSERT_TRUE(LoadBitmapFile("Mod/GameData/VEXMENU.BMP", 320, 240, small));
    EXPECT_EQ(TitleMenuPicture->Row(101)[201], small.pixels[50 * 320 + 100]);
}

}  // namespace
