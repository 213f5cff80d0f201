#include "events/special_places.h"

#include <algorithm>
#include <array>

#include "adventure/encounters.h"
#include "data/game_state.h"
#include "data/level.h"
#include "events/event_screen.h"
#include "events/tile_pictures.h"
#include "hero/carried_items.h"
#include "platform/fonts.h"
#include "platform/sound.h"
#include "platform/widgets.h"
#include "script/flags.h"
#include "view/event_pictures.h"
#include "view/monster_layer.h"
#include "view/play_screen.h"

namespace {

constexpr int16_t kShovel = 335, kPick = 277, kPureWater = 498;

// How a SPLAT object takes the hero's bump.
enum SplatKind : uint8_t {
    kCreature,  // splatted once, then walked over
    kObject,    // splatted once, never entered
    kStatue,    // three blows
    kDrain,     // unblocked with a shovel or pick
    kMachine,   // smashed from its page
};

struct SplatType {
    SplatKind kind;
    std::array<std::string_view, 4> lines;  // a machine's page
    std::string_view note = {};               // and what it is, in blue
};

constexpr std::array<SplatType, 13> kSplatTypes = {{
    {kCreature, {}},
    {kCreature, {}},
    {kCreature, {}},
    {kObject, {}},
    {kObject, {}},
    {kStatue, {}},
    {kDrain, {}},
    {kDrain, {}},
    {kDrain, {}},
    {kDrain, {}},
    {kMachine, {"Vile chemicals bubble", "and brew within the", "glass vessels."}, "This is a drug lab."},
    {kStatue, {}},
    {kMachine, {"Electrical energy is", "contained within the", "glass orb of the", "massive generator."}},
}};
constexpr int16_t kStatueBlows = 3;

enum PlaceAction : int16_t { kLeave, kAct };

// A blow that shows: the sound, the hero's strike on the play screen, and its pause.
void SplatBlow(int16_t status, int16_t value) {
    PlaySoundEffect("hit");
    SetGameFlag(status, value);
    DrawPlayScreen(1, 1, 1, -1, -1, 1);
    Delay(550);
}

void DrawMachineLines(const SplatType& t) {
    DrawEventBackground();
    for (size_t i = 0; i < t.lines.size(); ++i) DrawSmallText(465, int16_t(120 + 12 * i), t.lines[i], kSmallBlack);
}

// Smashing a machine or unblocking a drain: "done" moves the status on and changes the flag.
void RunSplatPage(const SplatType& t, const EventRecord& w) {
    const int16_t status = w.Word[2];
    auto finish = [&](std::string_view sound) {
        PlaySoundEffect(sound);
        ChangeFlag(w.Word[6], w.Word[7], w.Word[8]);
        AssignFlag(status, 1, 1);
    };
    PlaySoundEffect("Text");
    Screen screen("splat machine");
    if (t.kind == kMachine) {
        if (RunEventChoice(screen,
                           [&] {
                               DrawMachineLines(t);
                               DrawSmallText(465, 180, t.note, kSmallBlue);
                           },
                           {{.action = kAct, .label = "Smash", .y = 260, .hotkey1 = 'S'}, kLeaveOrEscButton}) == kAct)
            finish("Crash");
        return;
    }
    auto drawDrain = [] {
        DrawEventBackground();
        DrawLineStack({"The drain is blocked", "by all manner of", "debris and detritis."});
    };
    if (!HasItem(kShovel) && !HasItem(kPick)) {
        RunEventChoice(screen,
                       [&] {
                           drawDrain();
                           DrawPageLines({{180, "You need a shovel or", kSmallRed}, {192, "pick to unblock it.", kSmallRed}});
                       },
                       {{.action = kLeave, .label = "Leave", .y = 282, .hotkey1 = 'L', .hotkey2 = kEsc, .units = 4}});
        return;
    }
    if (RunEventChoice(screen, drawDrain,
                       {{.action = kAct, .label = "Unblock", .y = 260, .hotkey1 = 'U', .units = 4},
                        {.action = kLeave, .label = "Leave", .y = 282, .hotkey1 = 'L', .hotkey2 = kEsc, .units = 4}}) ==
        kAct)
        finish("Dig");
}

struct RootsPage {
    std::array<std::string_view, 4> lines;
};
constexpr std::array<RootsPage, 3> kRootsPages = {{
    {{"The roots of the One", "Tree hang down from the", "ceiling. They appear", "withered and dry."}},
    {{"The roots of the One", "Tree are green with", "new shoots and appear", "wet and healthy!"}},
    {{"The roots of the One", "Tree are covered with", "sickly pustules and", "foul, oozing lesions."}},
}};

void DrawRoots(int16_t status, bool mayWater) {
    DrawEventBackground();
    if (status >= -1 && status <= 1) {
        const RootsPage& page = kRootsPages[size_t(status + 1)];
        DrawLineStack(std::span<const std::string_view>(page.lines));
    }
    if (mayWater) DrawPageLines({{180, "Water roots with PURE"}, {192, "water?"}});
}

// The vision's corners: the corner cell and its two neighbours masked, the next diagonal
// rounded. By corner: the cell, the steps inward, and the rounding piece.
struct VisionCorner {
    int16_t col, row, dc, dr, rounding;
};
constexpr std::array<VisionCorner, 4> kVisionCorners = {{
    {0, 0, 1, 1, 1836},
    {12, 0, -1, 1, 1835},
    {0, 12, 1, -1, 1816},
    {12, 12, -1, -1, 1815},
}};
constexpr int16_t kVisionMaskTile = 320;

}  // namespace

void RunSplatEvent(int16_t x, int16_t y, int16_t dx, int16_t dy, int& result) {
    const EventRecord* e = EventAt(x, y);
    if (!e) return;
    const EventRecord w = *e;
    result = 0;
    if (!CheckFlagCondition(w.Word[3], w.Word[4], w.Word[5])) {
        if (EventLine(w, 0, 0).empty()) return;
        PlaySoundEffect("Text");
        ShowPassingTextPage(x, y, 0, dx, dy);
        return;
    }
    const int16_t type = w.Word[1], status = w.Word[2];
    if (type > 12 || !IsFlagNumber(status)) return;  // no such object, or it cannot remember its state
    const SplatType& t = kSplatTypes[size_t(std::max<int16_t>(type, 0))];
    const int16_t now = GameFlag(status);
    auto change = [&] { ChangeFlag(w.Word[6], w.Word[7], w.Word[8]); };
    switch (t.kind) {
        case kCreature:
        case kObject:
            if (now == 1) {
                if (t.kind == kCreature) result = 1;
                return;
            }
            SplatBlow(status, 1);
            change();
            return;
        case kStatue:
            // A status past the last blow, set elsewhere, counts as done.
            if (now >= kStatueBlows) return;
            SplatBlow(status, int16_t(now + 1));
            if (now + 1 == kStatueBlows) change();
            return;
        case kDrain:
        case kMachine:
            if (now == -1) RunSplatPage(t, w);
            return;
    }
}

void ShowSpawnEventText(int16_t x, int16_t y, int16_t dx, int16_t dy, int& result) {
    const EventRecord* e = EventAt(x, y);
    if (!e) return;
    result = 0;
    PlaySoundEffect("Text");
    ShowPassingTextPage(x, y, CheckFlagCondition(e->Word[1], e->Word[2], e->Word[3]) ? 0 : 1, dx, dy);
}

void RunWaterRootsEvent(int16_t x, int16_t y, int16_t dx, int16_t dy, int& result) {
    const EventRecord* e = EventAt(x, y);
    if (!e) return;
    const int16_t kind = e->Word[1], status = e->Word[2], count = e->Word[3];
    result = 0;
    PlaySoundEffect("Text");
    if (kind != 0 || !IsFlagNumber(status)) return;
    const int16_t now = GameFlag(status);
    const bool mayWater = now == -1 && HasItem(kPureWater);
    if (!mayWater) {
        DrawRoots(now, false);
        Flip();
        WaitMoveKeyRelease(dx, dy);
        return;
    }
    Screen screen("water roots");
    if (RunEventChoice(screen, [&] { DrawRoots(now, true); },
                       {{.action = kAct, .label = "Water", .y = 264, .hotkey1 = 'W', .x = 470, .pieces = 3, .units = 4},
                        {.action = kLeave, .label = "Leave", .y = 264, .hotkey1 = 'L', .hotkey2 = kEsc, .x = 540,
                         .pieces = 3, .units = 4}}) != kAct)
        return;
    AssignFlag(count, 1, 1);
    SetGameFlag(status, 0);
}

void RunChopTreeEvent(int16_t x, int16_t y, int16_t, int16_t, int& result) {
    const EventRecord* e = EventAt(x, y);
    if (!e) return;
    const int16_t status = e->Word[1];
    if (IsFlagNumber(status) && GameFlag(status) == 1) return;
    result = 0;
    if (!IsFlagNumber(status)) return;  // a tree that cannot remember its felling stands
    PlaySoundEffect("Text");
    Screen screen("chop tree");
    if (RunEventChoice(screen,
                       [] {
                           DrawEventBackground();
                           DrawLineStack({"This tree would make a", "good impromptu bridge."});
                       },
                       {{.action = kAct, .label = "Chop", .y = 260, .hotkey1 = 'C', .units = 4},
                        {.action = kLeave, .label = "Leave", .y = 282, .hotkey1 = 'L', .hotkey2 = kEsc, .units = 4}}) !=
        kAct)
        return;
    PlaySoundEffect("hit");
    Delay(250);
    SetGameFlag(status, 1);
}

void DrawVision(int16_t originX, int16_t originY, uint32_t flip) {
    DrawPlayScreen(1, 2, 0, -1, -1, 0);
    for (int16_t i = 0; i < 13; ++i)
        for (int16_t j = 0; j < 13; ++j) {
            const int16_t x = int16_t(originX + i), y = int16_t(originY + j);
            const int16_t sx = int16_t(15 + 32 * i), sy = int16_t(15 + 32 * j);
            const int32_t square = x * 50 + y;
            DrawTilePicture(CurrentLevel.BottomLayer[square], sx, sy, kBltOpaque);
            DrawTilePicture(CurrentLevel.TopLayer[square], sx, sy);
            DrawCellEvent(i, j, x, y, sx, sy);
        }
    DrawMonsterLayer(originX, originY, -1, -1, -1);
    for (const VisionCorner& c : kVisionCorners) {
        auto cell = [&](int16_t i, int16_t j, int16_t tile, BltMode mode) {
            DrawTilePicture(tile, 15 + 32 * (c.col + c.dc * i), 15 + 32 * (c.row + c.dr * j), mode);
        };
        cell(0, 0, kVisionMaskTile, kBltOpaque);
        cell(1, 0, kVisionMaskTile, kBltOpaque);
        cell(0, 1, kVisionMaskTile, kBltOpaque);
        cell(2, 0, c.rounding, kBltKeyed);
        cell(1, 1, c.rounding, kBltKeyed);
        cell(0, 2, c.rounding, kBltKeyed);
    }
    DrawViewFrame();
    DrawPanel(100, 320, 12, 4, 1, "A strange vision...");
    DrawButton(170, 365, 4, "Done");
    if (flip) Flip();
}

void RunVisionEvent(int16_t x, int16_t y, int16_t, int16_t, int&) {
    const EventRecord* e = EventAt(x, y);
    if (!e || !CheckFlagCondition(e->Word[1], e->Word[2], e->Word[3])) return;
    Screen screen("vision");
    // Every word is read now: loading the other level frees this record.
    const int16_t level = e->Word[4];
    const int16_t originX = std::clamp<int16_t>(e->Word[5], 0, 37), originY = std::clamp<int16_t>(e->Word[6], 0, 37);
    const int16_t here = GameState.CurrentLevelNumber;
    const bool elsewhere = level != here;
    if (elsewhere) {
        // Only a level that can be loaded again is left for a vision.
        if (!LevelFileExists(here)) return;
        if (level < 0 || level >= kLevelCount || !LoadLevel(level, 1, 0)) return;
        PopulateEncounters();
    }
    PlaySoundEffect("PowerUp");
    auto draw = [&] { DrawVision(originX, originY, 1); };
    draw();
    for (;;) {
        LoopPass(screen, draw);
        if (ButtonClicked(170, 365, 8, 'D', kEsc, 1, 1)) break;
    }
    if (elsewhere) {
        LoadLevel(here, 1, 0);
        PopulateEncounters();
    }
}
