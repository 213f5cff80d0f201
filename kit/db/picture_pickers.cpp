#include "kit/db/picture_pickers.h"

#include <array>
#include <span>
#include <string_view>

#include "adventure/encounters.h"
#include "platform/display.h"
#include "platform/fonts.h"
#include "platform/input.h"
#include "platform/keys.h"
#include "platform/source_rects.h"
#include "platform/widgets.h"

namespace {

// A run of cells in reading order: `count` pictures from `first` by `step`, `columns` to a
// row, each cell w x h at (x + dx c, y + dy r).
struct CellRun {
    int16_t first, step, count, columns;
    int16_t x, y, dx, dy, w, h;
    int16_t classOf = -1;  // the picture whose size class cuts every cell; -1 each its own
};

struct PickerPage {
    int16_t number;
    std::span<const CellRun> runs;
};

template <class F>
void ForEachCell(const PickerPage& page, F&& f) {
    for (const CellRun& run : page.runs)
        for (int16_t i = 0; i < run.count; ++i) {
            const int16_t x = int16_t(run.x + run.dx * (i % run.columns));
            const int16_t y = int16_t(run.y + run.dy * (i / run.columns));
            f(run, int16_t(run.first + run.step * i), x, y);
        }
}

void DrawCells(const PickerPage& page) {
    ForEachCell(page, [](const CellRun& run, int16_t picture, int16_t x, int16_t y) {
        if (picture < 0 || size_t(picture) >= MonsterPictures.size()) return;
        const int16_t sizeClass = PictureSizeClass(run.classOf >= 0 ? run.classOf : picture);
        BltFast(BackSurface, x, y, MonsterPictures[size_t(picture)], ViewPieceRects[size_t(sizeClass)], kBltKeyed);
    });
}

// The picture of the cell clicked, or -1; the click makes no sound.
int16_t ClickedCell(const PickerPage& page) {
    int16_t picked = -1;
    ForEachCell(page, [&](const CellRun& run, int16_t picture, int16_t x, int16_t y) {
        if (picked < 0 && AreaClicked(x, y, run.w, run.h, 0, 1, 1, 0)) picked = picture;
    });
    return picked;
}

using NextPage = int16_t (*)(int16_t page);

struct PageButton {
    std::string_view label;
    int16_t x, pieces, key;
    NextPage next;
};

struct Picker {
    const char* screen;
    std::span<const PickerPage> pages;
    std::span<const PageButton> buttons;
    int16_t doneX;
    std::string_view hint;
};

// Monster picker: every fourth picture, a set of four facings.
constexpr CellRun kMonsterPg1[] = {{0, 4, 96, 12, 23, 30, 32, 32, 30, 30}};
constexpr CellRun kMonsterPg2[] = {{384, 4, 120, 12, 23, 30, 32, 32, 30, 30}};
constexpr CellRun kMonsterPg3[] = {{1008, 4, 33, 9, 23, 30, 65, 32, 61, 30}};
constexpr CellRun kMonsterPg4[] = {{1140, 4, 24, 12, 23, 30, 32, 65, 30, 61}};
constexpr CellRun kMonsterPg5[] = {{1236, 4, 30, 6, 23, 30, 65, 65, 61, 61},
                                   {1356, 0, 1, 1, 450, 150, 0, 0, 92, 92, 1356},
                                   {1360, 0, 1, 1, 450, 250, 0, 0, 92, 92, 1356}};
constexpr CellRun kMonsterCustom[] = {{1700, 4, 12, 12, 23, 95, 32, 0, 30, 30},
                                      {1748, 4, 4, 4, 23, 135, 64, 0, 61, 30},
                                      {1764, 4, 4, 4, 23, 175, 32, 0, 30, 61},
                                      {1780, 4, 4, 4, 23, 255, 64, 0, 61, 61}};
constexpr PickerPage kMonsterPages[] = {{0, kMonsterPg1}, {1, kMonsterPg2}, {2, kMonsterPg3},
                                        {3, kMonsterPg4}, {4, kMonsterPg5}, {5, kMonsterCustom}};

template <int16_t Page>
int16_t ToPage(int16_t) {
    return Page;
}
constexpr PageButton kMonsterButtons[] = {{"Pg1", 50, 2, '1', ToPage<0>},    {"Pg2", 100, 2, '2', ToPage<1>},
                                          {"Pg3", 150, 2, '3', ToPage<2>},   {"Pg4", 200, 2, '4', ToPage<3>},
                                          {"Pg5", 250, 2, '5', ToPage<4>},   {"Custom", 300, 3, 'C', ToPage<5>}};

// NPC picker: every picture, one square each.
constexpr CellRun NpcGrid(int16_t first, int16_t count, int16_t columns) {
    return {first, 1, count, columns, 23, 30, 32, 32, 30, 30};
}
constexpr CellRun kNpcMonster1[] = {NpcGrid(0, 160, 16)};
constexpr CellRun kNpcMonster2[] = {NpcGrid(160, 160, 16)};
constexpr CellRun kNpcMonster3[] = {NpcGrid(320, 160, 16)};
constexpr CellRun kNpcMonster4[] = {NpcGrid(480, 160, 16)};
constexpr CellRun kNpcMonster5[] = {NpcGrid(640, 160, 16)};
constexpr CellRun kNpcPage13[] = {NpcGrid(1364, 160, 16)};
constexpr CellRun kNpcPage14[] = {NpcGrid(1524, 176, 18)};
constexpr CellRun kNpcCustom[] = {NpcGrid(1700, 48, 16)};
constexpr int16_t kFirstNpcPage = 13, kCustomNpcPage = 20;
constexpr PickerPage kNpcPages[] = {{1, kNpcMonster1}, {2, kNpcMonster2}, {3, kNpcMonster3},
                                    {4, kNpcMonster4}, {5, kNpcMonster5}, {13, kNpcPage13},
                                    {14, kNpcPage14},  {20, kNpcCustom}};

// "Click on same button for multiple sets".
int16_t NextMonsterPage(int16_t page) { return page >= 1 && page <= 4 ? int16_t(page + 1) : 1; }
int16_t NextNpcPage(int16_t page) { return page == kFirstNpcPage ? int16_t(kFirstNpcPage + 1) : kFirstNpcPage; }
constexpr PageButton kNpcButtons[] = {{"Monster", 150, 4, '1', NextMonsterPage},
                                      {"NPC", 250, 4, 0, NextNpcPage},
                                      {"Custom", 350, 4, 0, ToPage<kCustomNpcPage>}};

constexpr Picker kMonsterPicker = {"monster picture picker", kMonsterPages, kMonsterButtons, 420, ""};
constexpr Picker kNpcPicker = {"npc picture picker", kNpcPages, kNpcButtons, 500,
                               "Click on same button for multiple sets"};

const PickerPage* FindPage(const Picker& picker, int16_t number) {
    for (const PickerPage& p : picker.pages)
        if (p.number == number) return &p;
    return nullptr;
}

void DrawPicker(const Picker& picker, int16_t page, int16_t flip) {
    BltFast(BackSurface, 0, 0, SlatePicture, FullScreenRect, kBltOpaque);
    DrawPanel(5, 5, 31, 22, 0, "");
    if (const PickerPage* p = FindPage(picker, page)) DrawCells(*p);
    DrawDivider(18, 365, 30);
    for (const PageButton& b : picker.buttons) DrawButton(b.x, 395, b.pieces, b.label);
    DrawButton(picker.doneX, 395, 3, "Done");
    if (!picker.hint.empty()) DrawSmallText(100, 420, picker.hint, kSmallBlack);
    if (flip) Flip();
}

int16_t RunPicker(const Picker& picker, int16_t page, int16_t current) {
    Screen screen(picker.screen);
    auto redraw = [&] { DrawPicker(picker, page, 1); };
    redraw();
    for (;;) {
        LoopPass(screen, redraw);
        for (const PageButton& b : picker.buttons) {
            if (ButtonClicked(b.x, 395, int16_t(2 * b.pieces), b.key, 0, 1, 1)) {
                page = b.next(page);
                redraw();
            }
        }
        if (const PickerPage* p = FindPage(picker, page)) {
            const int16_t picked = ClickedCell(*p);
            if (picked >= 0) return picked;
        }
        if (ButtonClicked(picker.doneX, 395, 6, kEsc, 0, 1, 1)) return current;
    }
}

}  // namespace

void DrawMonsterPicturePicker(int16_t page, int16_t flip) { DrawPicker(kMonsterPicker, page, flip); }
void DrawNpcPicturePicker(int16_t page, int16_t flip) { DrawPicker(kNpcPicker, page, flip); }

int16_t PickMonsterPicture(int16_t current) { return RunPicker(kMonsterPicker, 0, current); }

int16_t PickNpcPicture(int16_t current, int16_t) { return RunPicker(kNpcPicker, kFirstNpcPage, current); }
