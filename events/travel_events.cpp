#include "events/travel_events.h"

#include <array>

#include "adventure/square_triggers.h"
#include "adventure/teleport.h"
#include "data/game_state.h"
#include "data/square_kinds.h"
#include "events/event_screen.h"
#include "events/puzzle_screen.h"
#include "events/tile_pictures.h"
#include "platform/display.h"
#include "platform/fonts.h"
#include "platform/message_boxes.h"
#include "platform/sound.h"
#include "platform/source_rects.h"
#include "platform/widgets.h"
#include "script/flags.h"
#include "script/symbol_names.h"

namespace {

enum TravelAction : int16_t { kLeave, kActivate, kPrev, kNext };

// The numbered orbs of the TELEXY's second mode: items 557..560 worth 1, 5, 10 and 20.
int16_t OrbValue(int16_t item) {
    constexpr std::array<int16_t, 4> kOrbValues = {1, 5, 10, 20};
    return item >= 557 && item <= 560 ? kOrbValues[size_t(item - 557)] : int16_t(0);
}

int16_t OrbSum(const EventRecord& w, int first) {
    int16_t sum = 0;
    for (int i = 0; i < 3; ++i) sum = int16_t(sum + OrbValue(GameFlag(w.Word[first + i])));
    return sum;
}

void TeleXYByFlags(const EventRecord& w) {
    if (w.Word[12] < 1 || w.Word[13] < 1 || !IsFlagNumber(w.Word[12]) || !IsFlagNumber(w.Word[13])) {
        ShowMessage(50, 50, "Invalid TeleXY flags!", "");
        return;
    }
    TryTeleXY(GameFlag(w.Word[12]), GameFlag(w.Word[13]));
}

void TeleXYByOrbs(const EventRecord& w) {
    if (!TryTeleXY(OrbSum(w, 15), OrbSum(w, 18))) ShowMessage(100, 120, " Invalid coordinates!", " Teleportation failed!");
}

void TeleXYByItem(const EventRecord& w) {
    // The five destinations: item, X and Y words.
    constexpr std::array<std::array<int, 3>, 5> kTable = {{{3, 6, 9}, {4, 7, 10}, {5, 8, 11}, {21, 23, 25}, {22, 24, 26}}};
    const int16_t flag = w.Word[14];
    if (flag < 1 || !IsFlagNumber(flag)) {
        ShowMessage(50, 50, "Invalid FLAG in", "USE ITEM event");
    } else {
        const int16_t item = GameFlag(flag);
        for (const auto& [itemWord, xWord, yWord] : kTable) {
            if (item < 1 || item > 713 || w.Word[itemWord] != item) continue;
            TryTeleXY(w.Word[xWord], w.Word[yWord]);
            return;
        }
    }
    PlaySoundEffect("Curse");
    Delay(400);
}

constexpr std::array<void (*)(const EventRecord&), 3> kTeleXYModes = {TeleXYByFlags, TeleXYByOrbs, TeleXYByItem};

// The riddle's symbols: runes or hieroglyphs, with their names and what the hero knows.
struct SymbolSet {
    const std::array<Surface*, 40>& pictures;
    std::string_view (*name)(int32_t symbol);
    const uint32_t (&known)[41];
};

void DrawRuneRiddle(int16_t x, int16_t y, const SymbolSet& set, int16_t chosen) {
    DrawEventTextPage(x, y, 0);
    if (chosen < 1 || chosen > 40) return;
    BltFast(BackSurface, 470, 200, set.pictures[size_t(chosen - 1)], PictureRect, kBltKeyed);
    DrawSmallText(500, 215, set.known[chosen - 1] ? set.name(chosen) : "Meaning unknown!", kSmallBlack);
}

struct Destination {
    std::string_view name;
    int16_t cost, level, x, y, flag;
    bool offered;  // its button shows its name (else "-") and a click on it can take the hero there
};

// One rule names a destination and opens it, so whatever is named can be taken. A flag below 1
// is no condition; a square off the map or a level without a file is refused at the click.
bool DestinationOffered(int16_t cost, int16_t level, int16_t flag) {
    return cost != 0 && level >= 0 && CheckFlagCondition(flag, 5, 1);
}

std::array<Destination, 5> Destinations(const EventRecord& w) {
    std::array<Destination, 5> d;
    for (int i = 0; i < 5; ++i) {
        Destination& one = d[size_t(i)];
        one = {EventLine(w, 0, int16_t(i)), w.Word[2 + i], w.Word[8 + i], w.Word[14 + i], w.Word[20 + i],
               w.Word[26 + i], false};
        one.offered = DestinationOffered(one.cost, one.level, one.flag);
    }
    return d;
}

void DrawCoach(const std::array<Destination, 5>& d) {
    DrawEventBackground();
    DrawPageLines({{120, "Were would you like"}, {132, "to travel?"}}, 475);
    for (size_t i = 0; i < d.size(); ++i) DrawButton(475, int16_t(157 + 22 * i), 6, d[i].offered ? d[i].name : "-");
    DrawButton(475, 282, 6, "Leave");
}

// Six puffs, each -1 (large) or 0 (small).
using Puffs = std::array<int16_t, 6>;
constexpr int16_t kLargePuff = 1607, kSmallPuff = 1608;

void DrawSmokeSignal(const Puffs& puffs) {
    DrawPuzzleBackground();
    DrawMediumScroll(180, 100);
    DrawSmallText(220, 130, "Smoke Signals", kSmallBlue);
    DrawLineStack({"Select pattern of large", "and small smoke puffs", "then click 'Send Signal'", "to send smoke signal."},
                  160, 200);
    for (size_t i = 0; i < puffs.size(); ++i) DrawTilePicture(puffs[i] == -1 ? kLargePuff : kSmallPuff, int32_t(200 + 25 * i), 220);
    DrawButton(220, 280, 5, "Send Signal");
    DrawButton(220, 305, 5, "Cancel");
    Flip();
}

}  // namespace

int TryTeleXY(int16_t x, int16_t y) {
    bool bad = !IsMapSquare(x, y);
    if (!bad) {
        const int16_t access = CurrentLevel.AccessLayer[x * 50 + y];
        bad = access == kFalconAccess || access == kSolidAccess || access == kChasmAccess ||
              (access == kWaterAccess && GameState.WaterWalkTurns <= 0) || EventAt(x, y) != nullptr;
    }
    if (bad) {
        PlaySoundEffect("Curse");
        return 0;
    }
    PlaySoundEffect("Spell");
    TeleportHero(GameState.CurrentLevelNumber, 0, x, y, 1);
    return 1;
}

void RunTeleXYEvent(int16_t x, int16_t y, int16_t, int16_t, int& result) {
    const std::optional<EventRecord> open = OpenEvent(x, y, result);
    if (!open) return;
    const EventRecord& w = *open;
    const int16_t mode = w.Word[2];
    if (mode < 0 || mode >= int16_t(kTeleXYModes.size())) return;
    Screen screen("telexy");
    if (RunEventChoice(screen, [&] { DrawEventTextPage(x, y, 0); },
                       {{.action = kActivate, .label = "Activate", .y = 260, .hotkey1 = 'A'}, kLeaveOrEscButton}) ==
        kActivate)
        kTeleXYModes[size_t(mode)](w);
}

void RunRuneRiddleEvent(int16_t x, int16_t y, int16_t, int16_t, int& result) {
    const std::optional<EventRecord> open = OpenEvent(x, y, result);
    if (!open) return;
    const EventRecord& w = *open;
    const int16_t correct = w.Word[2], answerFlag = w.Word[3], status = w.Word[5];
    const SymbolSet runes{RunePictures, RuneName, GameState.KnownRunes};
    const SymbolSet glyphs{HieroglyphPictures, HieroglyphName, GameState.KnownHieroglyphs};
    const SymbolSet& set = w.Word[1] == 0 ? runes : glyphs;
    // The choice lives in the status flag; without one the riddle cannot be answered.
    const bool works = IsFlagNumber(status);
    const bool answerable = correct >= 1 && correct <= 40;
    auto choose = [&](int16_t from, int16_t to) {
        SetGameFlag(status, to);
        if (answerable && from == correct) AssignFlag(answerFlag, 2, 1);
        if (answerable && to == correct) AssignFlag(answerFlag, 1, 1);
    };
    if (works && GameFlag(status) == -1) choose(-1, 1);
    Screen screen("rune riddle");
    for (;;) {
        const int16_t chosen = GameFlag(status);
        const int16_t action =
            RunEventChoice(screen, [&] { DrawRuneRiddle(x, y, set, chosen); },
                           {{.action = kPrev, .label = "Prev", .y = 238, .hotkey1 = 'P'},
                            {.action = kNext, .label = "Next", .y = 260, .hotkey1 = 'N'},
                            kLeaveOrEscButton});
        if (action == kLeave) return;
        if (!works) continue;
        if (action == kPrev && chosen > 1) choose(chosen, int16_t(chosen - 1));
        if (action == kNext && chosen < 40) choose(chosen, int16_t(chosen + 1));
    }
}

void RunCoachEvent(int16_t x, int16_t y, int16_t, int16_t, int& result) {
    const std::optional<EventRecord> open = OpenEvent(x, y, result);
    if (!open) return;
    const EventRecord& w = *open;
    const std::array<Destination, 5> d = Destinations(w);
    bool any = false;
    for (const Destination& one : d) any = any || one.offered;
    if (!any) {
        ShowEventText(x, y, 1);
        return;
    }
    Screen screen("coach");
    auto draw = [&] {
        DrawCoach(d);
        Flip();
    };
    draw();
    for (;;) {
        LoopPass(screen, draw);
        for (size_t i = 0; i < d.size(); ++i) {
            const Destination& one = d[i];
            if (!ButtonClicked(475, int16_t(157 + 22 * i), 12, 0, 0, 1, 0)) continue;
            if (!one.offered || GameState.HeroGold < one.cost) {
                PlaySoundEffect("No");
                continue;
            }
            if (!CheckArrival(one.level, one.x, one.y)) {
                draw();
                continue;
            }
            PlaySoundEffect("Click");
            DrawCoach(d);
            if (Confirm(200, 150, "Really travel there?")) {
                PlaySoundEffect("Buy");
                GameState.HeroGold -= one.cost;
                TeleportHero(one.level, 0, one.x, one.y, 1);
                return;
            }
            draw();
        }
        if (ButtonClicked(475, 282, 12, 'L', kEsc, 1, 1)) return;
    }
}

void RunSmokeSignalEvent(int16_t x, int16_t y, int16_t dx, int16_t dy, int& result) {
    const std::optional<EventRecord> open = OpenEvent(x, y, result);
    if (!open) return;
    const EventRecord& w = *open;
    if (GameFlag(w.Word[1]) != 1) {
        ShowPassingTextPage(x, y, 0, dx, dy);
        return;
    }
    Screen screen("smoke signal");
    Puffs puffs;
    puffs.fill(-1);
    auto draw = [&] { DrawSmokeSignal(puffs); };
    draw();
    for (;;) {
        LoopPass(screen, draw);
        for (size_t i = 0; i < puffs.size(); ++i) {
            if (!AreaClicked(int16_t(200 + 25 * i), 220, 25, 25, 0, 1, 1, 0)) continue;
            puffs[i] = puffs[i] == -1 ? int16_t(0) : int16_t(-1);
            draw();
        }
        if (ButtonClicked(220, 280, 10, 0, 0, 1, 1)) {
            bool right = true;
            for (size_t i = 0; i < puffs.size(); ++i) right = right && puffs[i] == w.Word[3 + i];
            if (right) {
                SetGameFlag(w.Word[2], 1);
                PlaySoundEffect("PowerUp");
            } else {
                PlaySoundEffect("fire");
            }
            return;
        }
        if (ButtonClicked(220, 305, 10, 'C', kEsc, 1, 1)) return;
    }
}
