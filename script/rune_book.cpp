// The rune book: four pages of runes and four of hieroglyphs, each symbol's picture with
// its translation once the hero has learnt it.
#include <array>
#include <string>

#include "data/game_state.h"
#include "journal.h"
#include "platform/display.h"
#include "platform/fonts.h"
#include "platform/input.h"
#include "platform/keys.h"
#include "platform/source_rects.h"
#include "platform/widgets.h"
#include "symbol_names.h"

namespace {

constexpr int16_t kBookPages = 8;

// The symbols of a page: the left column from its own top, the right one from 120.
struct SymbolPage {
    int16_t leftFirst, leftLast, leftTop, rightFirst, rightLast;
};
constexpr std::array<SymbolPage, 4> kSymbolPages = {{
    {1, 4, 190, 5, 10},
    {11, 16, 120, 17, 22},
    {23, 28, 120, 29, 34},
    {35, 40, 120, 0, -1},
}};

struct SymbolBook {
    std::string_view title, introLine3;
    const std::array<Surface*, 40>& pictures;
    const uint32_t* known;
    std::string_view (*name)(int32_t);
};

void DrawSymbolColumn(const SymbolBook& book, int16_t first, int16_t last, int16_t x, int16_t top, int16_t nameGap) {
    for (int16_t k = first; k <= last; ++k) {
        const auto y = int16_t(top + 40 * (k - first));
        BltFast(BackSurface, x, y, book.pictures[size_t(k - 1)], ViewPieceRects[0], kBltKeyed);
        const std::string_view name = book.known[k - 1] ? book.name(k) : "------------";
        DrawSmallText(int16_t(x + nameGap), int16_t(y + 10), name, kSmallBlack);
    }
}

void DrawSymbolPage(const SymbolBook& book, int16_t page) {
    if (page < 1 || page > int16_t(kSymbolPages.size())) page = 1;
    BltFast(BackSurface, 0, 0, SlatePicture, FullScreenRect, kBltOpaque);
    BltFast(BackSurface, 0, 0, BookPicture, FullScreenRect, kBltKeyed);
    DrawBigText(80, 80, book.title, kBigBlue);
    DrawBigText(400, 80, "Page   of ", kBigBlue);
    DrawBigText(449, 80, std::to_string(page), kBigBlue);
    DrawBigText(502, 80, "4", kBigBlue);
    if (page == 1) {
        DrawSmallText(80, 120, "  What follows is a brief", kSmallBlack);
        DrawSmallText(80, 135, "translation of each of the", kSmallBlack);
        DrawSmallText(80, 150, book.introLine3, kSmallBlack);
        DrawSmallText(80, 165, "known.", kSmallBlack);
    }
    const SymbolPage& p = kSymbolPages[size_t(page - 1)];
    DrawSymbolColumn(book, p.leftFirst, p.leftLast, 80, p.leftTop, 60);
    DrawSymbolColumn(book, p.rightFirst, p.rightLast, 340, 120, 50);
    DrawIcon(BackSurface, 90, 390, 86);
    DrawSmallText(120, 395, "Done", kSmallBlack);
    DrawIcon(BackSurface, 390, 390, 88);
    DrawSmallText(425, 395, "Page select", kSmallBlack);
    DrawIcon(BackSurface, 510, 390, 87);
    Flip();
}

void DrawOpenBookPage(int16_t page) {
    if (page <= 4) DrawKnownRunesPage(page);
    else DrawKnownHieroglyphsPage(int16_t(page - 4));
}

}  // namespace

void DrawKnownRunesPage(int16_t page) {
    DrawSymbolPage({"Known Runes", "runes that you currently", RunePictures, GameState.KnownRunes, RuneName}, page);
}

void DrawKnownHieroglyphsPage(int16_t page) {
    DrawSymbolPage({"Known Hieroglyphs", "Hieroglyphs that you currently", HieroglyphPictures,
                    GameState.KnownHieroglyphs, HieroglyphName},
                   page);
}

void RunKnownSymbols() {
    Screen screen("rune book");
    int16_t page = 1;
    auto redraw = [&page] { DrawOpenBookPage(page); };
    redraw();
    for (;;) {
        LoopPass(screen, redraw);
        if (AreaClicked(390, 390, 30, 20, 'P', 1, 1, 1)) {
            if (page > 1) --page;
            redraw();
        }
        if (AreaClicked(510, 390, 30, 20, 'N', 1, 1, 1)) {
            if (page < kBookPages) ++page;
            redraw();
        }
        if (AreaClicked(90, 390, 100, 20, kEsc, 1, 1, 1)) return;
    }
}
