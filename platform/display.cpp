#include "display.h"

#include <cstdio>
#include <memory>
#include <vector>

#include "frontend/title.h"
#include "graphics.h"
#include "music.h"

struct DisplayObject {
    std::unique_ptr<Surface> front;
    std::unique_ptr<Surface> back;
    std::vector<std::unique_ptr<Surface>> offscreen;
};

DisplayObject* DirectDrawObject = nullptr;
Surface* FrontSurface = nullptr;
Surface* BackSurface = nullptr;
uint32_t MainWindow = 0;
uint32_t SurfacesLost = 0;
uint32_t RedrawNeeded = 0;

std::array<Surface*, 546> BigGlyphs{};
std::array<Surface*, 3> VerticalGaugeStripes{};
std::array<Surface*, 2> HorizontalGaugeStripes{};
std::array<Surface*, 40> RunePictures{};
std::array<Surface*, 40> HieroglyphPictures{};
std::array<Surface*, 2395> WallTiles{};
std::array<Surface*, 139> ModuleIcons{};
std::array<Surface*, 2395> MiniWallTiles{};
std::array<Surface*, 10> HeraldryPictures{};
std::array<Surface*, 7> CardPictures{};
std::array<Surface*, 364> SmallGlyphs{};
Surface* VitalsPanel = nullptr;
Surface* SmallScroll = nullptr;
Surface* MediumScroll = nullptr;
Surface* BigScroll = nullptr;
Surface* LongScroll = nullptr;
std::array<Surface*, 1796> MonsterPictures{};
std::array<Surface*, 714> ItemPictures{};
Surface* TitlePicture = nullptr;
std::array<Surface*, 2> WinPictures{};
Surface* HeroScreenPicture = nullptr;
Surface* SlatePicture = nullptr;
Surface* Slate2Picture = nullptr;
Surface* KitSlatePicture = nullptr;
Surface* DeathPicture = nullptr;
std::array<Surface*, 3> WorldMapSurfaces{};
Surface* TitleMenuPicture = nullptr;
Surface* BookPicture = nullptr;
Surface* CreditPicture = nullptr;
Surface* HeroFigure = nullptr;
std::array<Surface*, 5> ObjectiveSurfaces{};
std::array<Surface*, 160> UiIcons{};
std::array<Surface*, 6> ViewFramePieces{};
std::array<Surface*, 2> HandPictures{};
Surface* EquipSlotShade = nullptr;
Surface* HeroScreenBanner = nullptr;
Surface* XpBarFrame = nullptr;
Surface* BarPixel = nullptr;
std::array<Surface*, 10> DigitPictures{};
Surface* CityMapMarker = nullptr;

namespace {

struct SizeRange {
    int32_t last;
    PictureSize size;
};

constexpr SizeRange kMonsterSizes[] = {
    {1007, {30, 30}}, {1139, {61, 30}}, {1235, {30, 61}}, {1355, {61, 61}}, {1363, {92, 92}},
    {1747, {30, 30}}, {1763, {61, 30}}, {1779, {30, 61}}, {1795, {61, 61}},
};

constexpr SizeRange kItemSizes[] = {
    {233, {30, 30}}, {246, {61, 30}},  {324, {30, 61}},  {350, {30, 92}},  {376, {30, 123}}, {402, {30, 185}},
    {428, {61, 61}}, {441, {61, 123}}, {454, {61, 92}},  {642, {30, 30}},  {655, {61, 61}},  {713, {30, 30}},
};

template <size_t N>
PictureSize SizeByIndex(const SizeRange (&table)[N], int32_t index) {
    if (index < 0) return {30, 30};
    for (const SizeRange& r : table)
        if (index <= r.last) return r.size;
    return {30, 30};
}

// Every pointer this file owns, in creation order, so the release can null them all.
template <class F>
void ForEachSlot(F&& f) {
    auto all = [&](auto& array, int32_t w, int32_t h) {
        for (Surface*& s : array) f(s, w, h);
    };
    all(BigGlyphs, 10, 18);
    all(VerticalGaugeStripes, 8, 1);
    all(HorizontalGaugeStripes, 1, 3);
    all(RunePictures, 30, 30);
    all(HieroglyphPictures, 30, 30);
    all(WallTiles, 32, 32);
    for (int i = 0; i < kModuleBanner; ++i) f(ModuleIcons[i], 30, 30);
    f(ModuleIcons[kModuleBanner], 68, 37);
    all(MiniWallTiles, 8, 8);
    all(HeraldryPictures, 69, 86);
    all(CardPictures, 69, 86);
    all(SmallGlyphs, 6, 10);
    f(VitalsPanel, 189, 64);
    f(SmallScroll, 213, 167);
    f(MediumScroll, 187, 256);
    f(BigScroll, 456, 457);
    f(LongScroll, 456, 170);
    for (int i = 0; i < int(MonsterPictures.size()); ++i) {
        PictureSize p = MonsterPictureSize(i);
        f(MonsterPictures[i], p.width, p.height);
    }
    for (int i = 0; i < int(ItemPictures.size()); ++i) {
        PictureSize p = ItemPictureSize(i);
        f(ItemPictures[i], p.width, p.height);
    }
    f(TitlePicture, 640, 480);
    all(WinPictures, 640, 480);
    f(HeroScreenPicture, 640, 480);
    f(SlatePicture, 640, 480);
    f(Slate2Picture, 640, 480);
    f(DeathPicture, 640, 480);
    all(WorldMapSurfaces, 640, 480);
    f(TitleMenuPicture, 640, 480);
    f(BookPicture, 640, 480);
    f(CreditPicture, 231, 203);
    f(HeroFigure, 217, 231);
    all(ObjectiveSurfaces, 217, 231);
    all(UiIcons, 20, 20);
    f(ViewFramePieces[0], 32, 8);
    f(ViewFramePieces[1], 8, 32);
    for (int i = 2; i < 6; ++i) f(ViewFramePieces[i], 8, 8);
    all(HandPictures, 42, 45);
    f(EquipSlotShade, 63, 15);
    f(HeroScreenBanner, 278, 18);
    f(XpBarFrame, 56, 8);
    f(BarPixel, 1, 2);
    all(DigitPictures, 5, 7);
    f(CityMapMarker, 74, 74);
    // The level editor's own slate comes after the game's surfaces, whose places stay as they are.
    f(KitSlatePicture, 640, 480);
}

}  // namespace

PictureSize MonsterPictureSize(int32_t index) { return SizeByIndex(kMonsterSizes, index); }
PictureSize ItemPictureSize(int32_t index) { return SizeByIndex(kItemSizes, index); }

int InitDirectDraw() {
    if (DirectDrawObject) ReleaseDirectDraw();
    auto display = std::make_unique<DisplayObject>();
    DirectDrawObject = display.release();
    if (!host::Get().OpenDisplay()) {
        ReleaseDirectDraw();
        return 0;
    }
    DirectDrawObject->front = std::make_unique<Surface>(640, 480);
    DirectDrawObject->back = std::make_unique<Surface>(640, 480);
    FrontSurface = DirectDrawObject->front.get();
    BackSurface = DirectDrawObject->back.get();
    auto& pool = DirectDrawObject->offscreen;
    pool.reserve(kOffscreenSurfaceCount);
    ForEachSlot([&](Surface*& slot, int32_t w, int32_t h) {
        pool.push_back(std::make_unique<Surface>(w, h));
        slot = pool.back().get();
    });
    return 1;
}

int ReleaseDirectDraw() {
    if (!DirectDrawObject) return 0;
    ForEachSlot([](Surface*& slot, int32_t, int32_t) { slot = nullptr; });
    FrontSurface = nullptr;
    BackSurface = nullptr;
    host::Get().CloseDisplay();
    delete DirectDrawObject;
    DirectDrawObject = nullptr;
    return 1;
}

int OffscreenSurfaceCount() { return DirectDrawObject ? int(DirectDrawObject->offscreen.size()) : 0; }

const Surface* OffscreenSurface(int index) {
    if (index < 0 || index >= OffscreenSurfaceCount()) return nullptr;
    return DirectDrawObject->offscreen[size_t(index)].get();
}

bool BltFast(Surface* dest, int32_t x, int32_t y, const Surface* src, const Rect& srcRect, BltMode mode) {
    if (!CopyRect(dest, x, y, src, srcRect, mode)) return false;
    if (dest == FrontSurface) host::Get().FrontChanged(*dest);
    return true;
}

bool Flip() {
    if (!FrontSurface || !BackSurface) return false;
    std::copy(BackSurface->pixels.get(), BackSurface->pixels.get() + 640 * 480, FrontSurface->pixels.get());
    host::Get().Present(*FrontSurface);
    return true;
}

int32_t WindowProc(host::Message message) {
    switch (message) {
        case host::kMsgDestroy:
            host::Get().PostMessage(host::kMsgQuit);
            return 0;
        case host::kMsgKillFocus:
            StopTune();
            ReleaseDirectDraw();
            SurfacesLost = 1;
            return 0;
        case host::kMsgSetFocus:
            if (SurfacesLost == 1) {
                InitDirectDraw();
                LoadGraphics();
                SurfacesLost = 0;
                RedrawNeeded = 1;
            }
            return 0;
        default:
            return 0;
    }
}

namespace {

// The player learns why the game did not open, and the shell sees a failure.
int StartFailed(host::Backend& h) {
    std::fprintf(stderr, "vexmoor: %s\n", h.Failure().c_str());
    return 1;
}

}  // namespace

int AppMain() {
    host::Backend& h = host::Get();
    if (!h.DisplayPresent() || !h.OpenWindow("Vexmoor 2")) return StartFailed(h);
    MainWindow = 1;
    h.ShowCursor(false);
    if (!InitDirectDraw()) {
        h.CloseWindow();
        MainWindow = 0;
        return StartFailed(h);
    }
    LoadGraphics();
    RunTitle();
    ReleaseDirectDraw();
    h.CloseWindow();
    MainWindow = 0;
    return 0;
}
