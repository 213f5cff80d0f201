#include "cheat_menu.h"

#include <algorithm>
#include <limits>

#include "cheat_menu_controls.h"
#include "data/game_state.h"
#include "hero/derived_stats.h"
#include "platform/display.h"
#include "platform/fonts.h"
#include "platform/input.h"
#include "platform/keys.h"
#include "platform/list_chooser.h"
#include "platform/message_boxes.h"
#include "platform/number_entry.h"
#include "platform/source_rects.h"
#include "platform/tabs.h"
#include "platform/widgets.h"

int16_t MonitoredFlag = -1;
uint32_t FreezeMonsters = 0;
int16_t CheatFlagNumber = 1;

namespace {

constexpr int16_t kPageCount = 7;
constexpr int16_t kFunctionsPage = 6;
// The keys of the pages in order: Stats, Skills, Effects, Prot, Afflict, Collect, Functions.
constexpr char kPageKeys[kPageCount] = {'S', 'T', 'E', 'P', 'A', 'C', 'F'};

std::span<const CheatControl> ControlsOf(int16_t page) {
    return page == kFunctionsPage ? FunctionsPageControls() : CheatPageControls(page);
}

int16_t Units(const CheatControl& c) { return c.units > 0 ? c.units : int16_t(2 * c.pieces); }

bool Clicked(const CheatControl& c) { return ButtonClicked(c.x, c.y, Units(c), 0, 0, 1, 1) != 0; }

void EnterValue(const CheatControl& c, CheatMenuState& m) {
    c.value.Set(m, EnterNumber(c.x, c.y, c.entryPieces > 0 ? c.entryPieces : c.pieces, c.min, c.max));
    if (c.after) c.after(c);
}

void ChooseName(const CheatControl& c, CheatMenuState& m) {
    RedrawCheatMenu(m, 0);
    const auto count = int16_t(c.names.size());
    for (size_t i = 0; i < c.names.size(); ++i) SetListRow(i, c.names[i]);
    // Esc answers -1: the value stays as it was, even one outside the list.
    const int16_t chosen = ChooseFromList(c.x, c.y, c.listPieces, count, -1, count, 1);
    if (chosen >= 0 && chosen < count) c.value.Set(m, chosen);
}

// 1 when the control changed something or ended the menu (ended is set then).
bool Poll(const CheatControl& c, CheatMenuState& m, int& ended) {
    switch (c.kind) {
        case CheatControlKind::kLabel:
        case CheatControlKind::kText: return false;
        case CheatControlKind::kNumber:
            if (!Clicked(c)) return false;
            EnterValue(c, m);
            return true;
        case CheatControlKind::kChoice:
            if (!Clicked(c)) return false;
            if (c.act) ended = c.act(m);
            else ChooseName(c, m);
            return true;
        case CheatControlKind::kToggle:
            if (!Clicked(c)) return false;
            if (c.act) ended = c.act(m);
            else c.value.Set(m, c.value.Get(m) > 0 ? 0 : 1);
            return true;
        case CheatControlKind::kCheck: {
            if (!c.value.u32) return false;
            const uint32_t before = *c.value.u32;
            ToggleCheckBox(c.x, c.y, *c.value.u32);
            return *c.value.u32 != before;
        }
        case CheatControlKind::kButton:
            if (!Clicked(c)) return false;
            ended = c.act ? c.act(m) : 0;
            return true;
        case CheatControlKind::kIcon:
            if (!AreaClicked(c.x, c.y, 15, 15, 0, 1, 1, 1)) return false;
            ended = c.act ? c.act(m) : 0;
            return true;
    }
    return false;
}

}  // namespace

int32_t CheatValue::Get(const CheatMenuState& m) const {
    if (i16) return *i16;
    if (i32) return *i32;
    if (u32) return int32_t(std::min<uint32_t>(*u32, std::numeric_limits<int32_t>::max()));
    if (menu) return m.*menu;
    return get ? get(m) : 0;
}

void CheatValue::Set(CheatMenuState& m, int32_t v) const {
    if (i16) *i16 = int16_t(v);
    else if (i32) *i32 = v;
    else if (u32) *u32 = uint32_t(v);
    else if (menu) m.*menu = int16_t(v);
    else if (set) set(m, v);
}

void DrawCheatControls(std::span<const CheatControl> controls, const CheatMenuState& m) {
    for (const CheatControl& c : controls) {
        if (c.kind != CheatControlKind::kButton && !c.label.empty())
            DrawSmallText(c.labelX, c.labelY, c.label, c.colour);
        const int32_t v = c.value.Get(m);
        switch (c.kind) {
            case CheatControlKind::kLabel: break;
            case CheatControlKind::kText:
                if (c.text) DrawSmallText(c.x, c.y, c.text(c), c.colour);
                break;
            case CheatControlKind::kNumber: DrawTextField(c.x, c.y, c.pieces, NumberText(v)); break;
            case CheatControlKind::kChoice:
                DrawChoiceField(c.x, c.y, c.pieces,
                                v >= 0 && size_t(v) < c.names.size() ? c.names[size_t(v)] : std::string_view());
                break;
            case CheatControlKind::kToggle:
                if (c.names.size() == 2) DrawButton(c.x, c.y, c.pieces, c.names[v > 0 ? 1 : 0]);
                break;
            case CheatControlKind::kCheck: DrawCheckBox(c.x, c.y, v != 0); break;
            case CheatControlKind::kButton: DrawButton(c.x, c.y, c.pieces, c.label); break;
            case CheatControlKind::kIcon: DrawIcon(BackSurface, c.x, c.y, c.index); break;
        }
    }
}

int PollCheatControls(std::span<const CheatControl> controls, CheatMenuState& m) {
    for (const CheatControl& c : controls) {
        int ended = 0;
        if (!Poll(c, m, ended)) continue;
        if (ended) return 1;
        RedrawCheatMenu(m);
    }
    return 0;
}

void DrawCheatMenu(int16_t page, int16_t teleportLevel, int16_t, int16_t teleportX, int16_t teleportY,
                   int16_t questNumber, uint32_t flip) {
    BltFast(BackSurface, 0, 0, SlatePicture, FullScreenRect, kBltOpaque);
    DrawPanel(15, 12, 28, 22, 1, "Cheat Menu");
    DrawTabRow(32, 52, kPageCount, page, {"Stats", "Skills", "Effects", "Prot", "Afflict", "Collect", "Functions"},
               3);
    DrawDivider(25, 62, 27);
    CheatMenuState shown;
    shown.page = page;
    shown.teleportLevel = teleportLevel;
    shown.teleportX = teleportX;
    shown.teleportY = teleportY;
    shown.questNumber = questNumber;
    if (page >= 0 && page < kPageCount) DrawCheatControls(ControlsOf(page), shown);
    DrawDivider(25, 390, 27);
    DrawButton(380, 410, 4, "Done");
    if (flip) Flip();
}

void RedrawCheatMenu(const CheatMenuState& m, uint32_t flip) {
    DrawCheatMenu(m.page, m.teleportLevel, GameState.CompactHud, m.teleportX, m.teleportY, m.questNumber, flip);
}

void RunCheatMenu() {
    Screen screen("cheat menu");
    CheatMenuState m;
    m.teleportLevel = GameState.CurrentLevelNumber;
    m.teleportX = GameState.HeroX;
    m.teleportY = GameState.HeroY;
    auto redraw = [&m] { RedrawCheatMenu(m); };
    redraw();
    for (;;) {
        LoopPass(screen, redraw);
        int16_t page = m.page;
        for (int16_t i = 0; i < kPageCount; ++i)
            if (ButtonClicked(int16_t(32 + 60 * i), 52, 6, 0, 0, 1, 1)) page = i;
        if (TabPressed(1)) page = int16_t((m.page + 1) % kPageCount);
        for (int16_t i = 0; i < kPageCount; ++i)
            if (KeyPressed(kPageKeys[i], 1, 0, 1)) page = i;
        if (page != m.page) {
            m.page = page;
            redraw();
        }
        if (PollCheatControls(ControlsOf(m.page), m)) break;
        if (ButtonClicked(380, 410, 8, kEsc, 'Q', 1, 1)) break;
    }
    RecalcHero();
}
