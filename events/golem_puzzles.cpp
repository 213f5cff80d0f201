// The golem's two puzzles: the processor assembled chip by chip, then the power conduit that
// must carry its voltage. They change the flags themselves and report no success.
#include <array>
#include <string>
#include <utility>

#include "data/game_state.h"
#include "events/event_screen.h"
#include "events/puzzle_screen.h"
#include "events/puzzles.h"
#include "events/tile_pictures.h"
#include "hero/level_advance.h"
#include "platform/fonts.h"
#include "platform/widgets.h"
#include "script/flags.h"
#include "script/quests.h"

namespace {

constexpr int16_t kGolemQuest = 49, kGolemXp = 50;
constexpr int16_t kFirstCapacitorPicture = 158, kEmptySlotPicture = 163, kConduitEndPicture = 164;
constexpr int16_t kSelectionPicture = 165;  // also chip n's picture is 165 + n
constexpr std::array<int16_t, 5> kCapacitorVolts = {11, 9, 3, 7, 5};

// Places 0..2 are the conduit's slots, 3..7 the capacitors' own places; -1 an empty place.
struct Conduit {
    std::array<int16_t, 8> places{-1, -1, -1, 0, 1, 2, 3, 4};
    int16_t selected = -1;
    int16_t volts = 0;
    bool armed = true;
};

int16_t PlaceX(size_t place) { return int16_t(place < 3 ? 185 + 30 * place : 160 + 30 * (place - 3)); }
int16_t PlaceY(size_t place) { return place < 3 ? 120 : 190; }

int16_t ConduitVolts(const Conduit& c) {
    int16_t volts = 0;
    for (size_t slot = 0; slot < 3; ++slot) {
        const int16_t kind = c.places[slot];
        if (kind < 0) return 0;
        volts = int16_t(volts + kCapacitorVolts[size_t(kind)]);
    }
    return volts;
}

// Clicks count only while the processor stands assembled (0) or the golem is finished (2).
bool ConduitOpen() {
    const int16_t golem = GameFlag(GolemFlag);
    return golem == 0 || golem == 2;
}

void DrawPowerConduit(const Conduit& c) {
    DrawPuzzleHeading("Power Conduit:");
    const int16_t golem = GameFlag(GolemFlag);
    if (golem == -1) {
        DrawPageLines({{132, "Processor must be"}, {144, "correclty assembled"}, {166, "before power can be"},
                       {188, "supplied!"}},
                      165);
    } else if (golem == 1) {
        DrawPageLines({{132, "21 Mega Volts supplied.", kSmallBlue},
                       {166, "The Iron golem powers"},
                       {178, "up and marches out the"},
                       {190, "northern door!"},
                       {214, "You gain 50 xp!", kSmallRed}},
                      165);
    } else if (ConduitOpen()) {
        DrawSmallText(195, 240, "MegaVolts: " + std::to_string(c.volts), c.volts == 0 ? kSmallRed : kSmallBlue);
        DrawItemPicture(kConduitEndPicture, 161, 120);
        DrawItemPicture(kConduitEndPicture, 269, 120);
        DrawBigText(175, 170, "Capacitors:", kBigBlack);
        for (size_t place = 0; place < c.places.size(); ++place) {
            const int16_t kind = c.places[place];
            if (kind >= 0) DrawItemPicture(kFirstCapacitorPicture + kind, PlaceX(place), PlaceY(place));
            else if (place < 3) DrawItemPicture(kEmptySlotPicture, PlaceX(place), PlaceY(place));
            if (c.selected == int16_t(place)) DrawItemPicture(kSelectionPicture, PlaceX(place), PlaceY(place));
        }
    }
    DrawButton(190, 270, 4, ConduitOpen() ? "Cancel" : "Done");
    Flip();
}

// A click on a place: the first picks a capacitor, the second swaps the two places.
void ClickConduitPlace(Conduit& c, size_t place) {
    if (c.selected < 0) {
        if (c.places[place] >= 0) c.selected = int16_t(place);
        return;
    }
    std::swap(c.places[size_t(c.selected)], c.places[place]);
    c.selected = -1;
}

// Chips by [row][column].
using Chips = std::array<std::array<int16_t, 3>, 3>;
constexpr Chips kAssembled = {{{1, 2, 3}, {4, 5, 6}, {7, 8, 9}}};
constexpr Chips kScrambled = {{{6, 9, 1}, {3, 2, 7}, {5, 8, 4}}};

struct Processor {
    Chips chips;
    bool complete;
    int16_t selected = -1;  // row * 3 + column
};

void DrawProcessor(const Processor& p) {
    DrawPuzzleHeading("Processor:");
    for (int16_t r = 0; r < 3; ++r)
        for (int16_t col = 0; col < 3; ++col) {
            const int16_t px = int16_t(190 + 30 * col), py = int16_t(140 + 30 * r);
            DrawItemPicture(kSelectionPicture + p.chips[size_t(r)][size_t(col)], px, py);
            if (p.selected == r * 3 + col) DrawItemPicture(kSelectionPicture, px, py);
        }
    if (p.complete) DrawSmallText(170, 245, "Processor is complete!", kSmallBlue);
    DrawButton(190, 270, 4, p.complete ? "Done" : "Cancel");
    Flip();
}

}  // namespace

int RunPowerConduit(int16_t x, int16_t y) {
    const EventRecord* e = EventAt(x, y);
    if (!e) return 0;
    Screen screen("power conduit");
    const int16_t flag = e->Word[3], wanted = e->Word[4];
    Conduit c;
    auto draw = [&] { DrawPowerConduit(c); };
    draw();
    for (;;) {
        LoopPass(screen, draw);
        for (size_t place = 0; place < c.places.size() && ConduitOpen(); ++place) {
            if (!AreaClicked(PlaceX(place), PlaceY(place), 30, 30, 0, 1, 1, 0)) continue;
            ClickConduitPlace(c, place);
            const int16_t volts = ConduitVolts(c);
            if (c.armed && volts != c.volts) {
                if (volts == wanted) AssignFlag(flag, 1, 1);
                else if (c.volts == wanted) AssignFlag(flag, 2, 1);
            }
            c.volts = volts;
            if (GameFlag(GolemFlag) != 0) c.armed = false;
            draw();
        }
        if (PuzzleExitClicked(190, 270, !ConduitOpen())) break;
    }
    if (GameFlag(GolemFlag) == 1) {
        SetQuestState(kGolemQuest, 2);
        AddXp(kGolemXp);
        SetGameFlag(GolemFlag, 2);
    }
    return 0;
}

int RunProcessor(int16_t x, int16_t y) {
    const EventRecord* e = EventAt(x, y);
    if (!e) return 0;
    Screen screen("processor");
    const int16_t flag = e->Word[3];
    const bool complete = GameFlag(flag) > -1;
    Processor p{complete ? kAssembled : kScrambled, complete};
    auto draw = [&] { DrawProcessor(p); };
    draw();
    for (;;) {
        LoopPass(screen, draw);
        for (int16_t chip = 0; chip < 9 && !p.complete; ++chip) {
            const int16_t r = int16_t(chip / 3), col = int16_t(chip % 3);
            if (!AreaClicked(int16_t(190 + 30 * col), int16_t(140 + 30 * r), 30, 30, 0, 1, 1, 0)) continue;
            if (p.selected < 0) {
                p.selected = chip;
            } else {
                std::swap(p.chips[size_t(p.selected / 3)][size_t(p.selected % 3)], p.chips[size_t(r)][size_t(col)]);
                p.selected = -1;
            }
            if (p.chips == kAssembled) {
                p.complete = true;
                AssignFlag(flag, 1, 1);
            }
            draw();
        }
        if (PuzzleExitClicked(190, 270, p.complete)) return 0;
    }
}
