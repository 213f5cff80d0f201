#include "events/puzzles.h"

#include <array>
#include <string>
#include <string_view>

#include "events/event_screen.h"
#include "events/puzzle_screen.h"
#include "events/tile_pictures.h"
#include "platform/fonts.h"
#include "platform/keys.h"
#include "platform/message_boxes.h"
#include "platform/sound.h"
#include "platform/widgets.h"
#include "script/flags.h"
#include "view/play_screen.h"

namespace {

struct PuzzleKind {
    int (*run)(int16_t x, int16_t y);
    bool clicks;  // a success is told with "You hear a click!"
};

constexpr std::array<PuzzleKind, 8> kPuzzleKinds = {{
    {RunStrangeDevice, true},
    {RunAlienPanel, true},
    {RunStoneTablet, true},
    {RunAlienPanel, true},
    {RunPowerConduit, false},
    {RunProcessor, false},
    {RunBalance, false},
    {RunWaterJars, false},
}};

// The strange device: a marker walked through a hidden 10 x 10 maze; three cells light lamps.
constexpr std::array<std::string_view, 10> kMaze = {
    "#....#..##", "#.#.###...", "..#.#.#.#.", "#.###...##", "....##..##",
    ".##.......", "....##.##.", "###.##.##.", ".....#....", "##.#.####.",
};
constexpr int16_t kDeviceIdle = 1684, kDeviceMoved = 1689, kDeviceBlocked = 1690;
constexpr int16_t kLightOff = 1691, kLightOn = 1692;

struct Arrow {
    int16_t key, dx, dy, tile, x, y;
};
constexpr std::array<Arrow, 4> kArrows = {{
    {kUp, 0, -1, 1688, 180, 150},
    {kDown, 0, 1, 1687, 180, 210},
    {kRight, 1, 0, 1685, 210, 180},
    {kLeft, -1, 0, 1686, 150, 180},
}};

struct Lamp {
    int16_t col, row;
};
constexpr std::array<Lamp, 3> kLamps = {{{3, 2}, {9, 2}, {9, 9}}};

struct Device {
    int16_t col = 2, row = 9;
    std::array<bool, 3> lit{};
    int16_t centre = kDeviceIdle;
};

bool MazeOpen(int32_t col, int32_t row) {
    return col >= 0 && col < 10 && row >= 0 && row < 10 && kMaze[size_t(row)][size_t(col)] == '.';
}

void DrawStrangeDevice(const Device& d) {
    DrawPuzzleBackground();
    DrawMediumScroll(110, 100);
    DrawSmallText(130, 130, "A strange device:", kSmallBlue);
    DrawTilePicture(d.centre, 180, 180);
    for (const Arrow& a : kArrows) DrawTilePicture(a.tile, a.x, a.y);
    DrawSmallText(185, 260, "N" + std::to_string(d.col) + "-" + std::to_string(d.row), kSmallBlack);
    for (size_t i = 0; i < kLamps.size(); ++i) DrawTilePicture(d.lit[i] ? kLightOn : kLightOff, 240, int32_t(155 + 30 * i));
    DrawButton(160, 300, 4, "Cancel");
    Flip();
}

// Kinds 1 and 3: five digits turned one click at a time against the code of words 4..8.
struct AlienPanel {
    std::array<int16_t, 5> digits{};
    int16_t firstIcon;
};

void DrawAlienPanel(const AlienPanel& p) {
    DrawPuzzleBackground();
    BltFast(BackSurface, 180, 180, SmallScroll, SmallScrollRect, kBltKeyed);
    for (size_t i = 0; i < p.digits.size(); ++i) DrawIconPicture(p.firstIcon + p.digits[i], int32_t(215 + 30 * i), 240);
    DrawSmallText(215, 205, "Alien control panel:", kSmallBlue);
    DrawButton(260, 290, 3, "Done");
    Flip();
}

// Kind 2: 4 x 5 cells of six symbols (the last blank) against the pattern of words 9..28.
constexpr std::array<int16_t, 6> kTabletSymbols = {1697, 1693, 1694, 1695, 1696, -1};
using Tablet = std::array<std::array<int16_t, 5>, 4>;  // [column][row]

void DrawStoneTablet(const Tablet& t) {
    DrawPuzzleBackground();
    DrawMediumScroll(110, 100);
    DrawSmallText(130, 130, " A strange stone tablet:", kSmallBlue);
    for (int c = 0; c < 4; ++c)
        for (int r = 0; r < 5; ++r) DrawTilePicture(kTabletSymbols[size_t(t[size_t(c)][size_t(r)])], 140 + 30 * c, 145 + 30 * r);
    DrawButton(160, 305, 4, "Cancel");
    Flip();
}

void DrawBalance() {
    DrawPuzzleHeading("Balance:");
    DrawButton(190, 270, 4, "Cancel");
    Flip();
}

// Kind 7: three jars of 8, 5 and 3 measures; two of them holding 4 solves it.
struct WaterJars {
    std::array<int16_t, 3> content{8, 0, 0};
    int16_t selected = -1;
};
struct Jar {
    int16_t capacity, x;
    std::string_view label;
    int16_t areaY, areaH;  // the click area from (x - 1, areaY), 34 wide
};
constexpr std::array<Jar, 3> kJars = {{{8, 180, "8L", 135, 98}, {5, 220, "5L", 171, 62}, {3, 260, "3L", 195, 38}}};
constexpr int16_t kBottomFull = 1551, kFull = 1552, kBottomEmpty = 1553, kEmpty = 1554, kJarMarker = 1187;

void DrawWaterJars(const WaterJars& w) {
    DrawPuzzleHeading("Water Jars:");
    for (size_t j = 0; j < kJars.size(); ++j) {
        const Jar& jar = kJars[j];
        for (int16_t i = 0; i < jar.capacity; ++i) {
            const bool full = i < w.content[j];
            const int16_t tile = i == 0 ? (full ? kBottomFull : kBottomEmpty) : (full ? kFull : kEmpty);
            DrawTilePicture(tile, jar.x, 220 - 12 * i);
        }
        DrawBigText(int16_t(jar.x + 10), 240, jar.label, kBigBlack);
        if (w.selected == int16_t(j)) DrawTilePicture(kJarMarker, jar.x, 200);
    }
    DrawButton(190, 270, 4, "Cancel");
    Flip();
}

void Pour(WaterJars& w, size_t from, size_t to) {
    while (w.content[from] >= 1 && w.content[to] < kJars[to].capacity) {
        --w.content[from];
        ++w.content[to];
    }
}

bool JarsSolved(const WaterJars& w) {
    int fours = 0;
    for (int16_t c : w.content) fours += c == 4 ? 1 : 0;
    return fours == 2;
}

}  // namespace

void DrawPuzzleBackground() { DrawPlayScreen(1, 1, 0, -1, -1, 0); }

void DrawMediumScroll(int16_t x, int16_t y) { BltFast(BackSurface, x, y, MediumScroll, MediumScrollRect, kBltKeyed); }

void DrawPuzzleHeading(std::string_view title) {
    DrawPuzzleBackground();
    DrawMediumScroll(140, 63);
    DrawBigText(165, 93, title, kBigBlack);
}

int PuzzleExitClicked(int16_t x, int16_t y, bool done) {
    return ButtonClicked(x, y, 8, done ? 'D' : 'C', kEsc, 1, 1);
}

void RunPuzzleEvent(int16_t x, int16_t y, int16_t, int16_t, int& result) {
    const EventRecord* e = EventAt(x, y);
    if (!e) return;
    const int16_t kind = e->Word[2], flag = e->Word[3];
    result = 0;
    if (kind < 0 || kind >= int16_t(kPuzzleKinds.size())) return;
    PlaySoundEffect("Text");
    const PuzzleKind& k = kPuzzleKinds[size_t(kind)];
    if (!k.run(x, y)) return;
    AssignFlag(flag, 1, 1);
    if (k.clicks) {
        DrawPuzzleBackground();
        ShowMessage(80, 80, "    You hear a click!", "");
    }
}

int RunStrangeDevice(int16_t, int16_t) {
    Screen screen("strange device");
    while (KeyStillDown(kUp) || KeyStillDown(kDown) || KeyStillDown(kLeft) || KeyStillDown(kRight) ||
           KeyStillDown(kPadUp) || KeyStillDown(kPadDown) || KeyStillDown(kPadLeft) || KeyStillDown(kPadRight))
        Delay(10);
    Device d;
    auto draw = [&] { DrawStrangeDevice(d); };
    draw();
    for (;;) {
        LoopPass(screen, draw);
        for (const Arrow& a : kArrows) {
            if (!AreaClicked(a.x, a.y, 30, 30, a.key, 1, 1, 1)) continue;
            const int16_t col = int16_t(d.col + a.dx), row = int16_t(d.row + a.dy);
            const bool moves = MazeOpen(col, row);
            if (moves) {
                d.col = col;
                d.row = row;
                for (size_t i = 0; i < kLamps.size(); ++i)
                    if (kLamps[i].col == col && kLamps[i].row == row) d.lit[i] = true;
            }
            d.centre = moves ? kDeviceMoved : kDeviceBlocked;
            draw();
            Delay(400);
            d.centre = kDeviceIdle;
            if (d.lit[0] && d.lit[1] && d.lit[2]) return 1;
            draw();
        }
        if (ButtonClicked(150, 300, 8, 'C', kEsc, 1, 1)) return 0;
    }
}

int RunAlienPanel(int16_t x, int16_t y) {
    const EventRecord* e = EventAt(x, y);
    if (!e) return 0;
    Screen screen("alien panel");
    const EventRecord w = *e;
    AlienPanel p{.firstIcon = int16_t(w.Word[1] == 1 ? 90 : 150)};
    auto draw = [&] { DrawAlienPanel(p); };
    draw();
    for (;;) {
        LoopPass(screen, draw);
        for (size_t i = 0; i < p.digits.size(); ++i) {
            if (!AreaClicked(int16_t(215 + 30 * i), 240, 20, 20, 0, 1, 1, 1)) continue;
            p.digits[i] = int16_t((p.digits[i] + 1) % 10);
            draw();
            bool solved = true;
            for (size_t d = 0; d < p.digits.size(); ++d) solved = solved && p.digits[d] == w.Word[4 + d];
            if (solved) {
                PlaySoundEffect("Alien");
                Delay(300);
                return 1;
            }
        }
        if (ButtonClicked(260, 290, 6, 'D', kEsc, 1, 1)) return 0;
    }
}

int RunStoneTablet(int16_t x, int16_t y) {
    const EventRecord* e = EventAt(x, y);
    if (!e) return 0;
    Screen screen("stone tablet");
    const EventRecord w = *e;
    Tablet t{};
    auto draw = [&] { DrawStoneTablet(t); };
    draw();
    for (;;) {
        LoopPass(screen, draw);
        for (int16_t c = 0; c < 4; ++c)
            for (int16_t r = 0; r < 5; ++r) {
                if (!AreaClicked(int16_t(140 + 30 * c), int16_t(145 + 30 * r), 29, 29, 0, 1, 1, 1)) continue;
                int16_t& symbol = t[size_t(c)][size_t(r)];
                symbol = int16_t((symbol + 1) % int16_t(kTabletSymbols.size()));
                draw();
                bool solved = true;
                for (int16_t cc = 0; cc < 4; ++cc)
                    for (int16_t rr = 0; rr < 5; ++rr) solved = solved && t[size_t(cc)][size_t(rr)] == w.Word[9 + 4 * rr + cc];
                if (solved) {
                    Delay(500);
                    return 1;
                }
            }
        if (ButtonClicked(150, 305, 8, 'C', kEsc, 1, 1)) return 0;
    }
}

int RunBalance(int16_t, int16_t) {
    Screen screen("balance");
    DrawBalance();
    for (;;) {
        LoopPass(screen, DrawBalance);
        if (PuzzleExitClicked(190, 270, false)) return 0;
    }
}

int RunWaterJars(int16_t, int16_t) {
    Screen screen("water jars");
    WaterJars w;
    auto draw = [&] { DrawWaterJars(w); };
    draw();
    for (;;) {
        LoopPass(screen, draw);
        for (size_t j = 0; j < kJars.size(); ++j) {
            if (!AreaClicked(int16_t(kJars[j].x - 1), kJars[j].areaY, 34, kJars[j].areaH, 0, 1, 1, 0)) continue;
            if (w.selected < 0) {
                w.selected = int16_t(j);
                draw();
                continue;
            }
            const size_t from = size_t(w.selected);
            w.selected = -1;
            if (from != j) {
                Pour(w, from, j);
                if (JarsSolved(w)) {
                    PlaySoundEffect("Grate");
                    draw();
                    Delay(2000);
                    return 1;
                }
            }
            draw();
        }
        if (PuzzleExitClicked(190, 270, false)) return 0;
    }
}
