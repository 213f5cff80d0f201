#include "events/module_travel.h"

#include <string>
#include <vector>

#include "adventure/square_triggers.h"
#include "adventure/teleport.h"
#include "data/campaign_tables.h"
#include "data/game_state.h"
#include "data/text_field.h"
#include "events/event_screen.h"
#include "hero/carried_items.h"
#include "kit/db/module_description.h"
#include "platform/display.h"
#include "platform/fonts.h"
#include "platform/message_boxes.h"
#include "platform/sound.h"
#include "platform/source_rects.h"
#include "platform/widgets.h"
#include "script/flags.h"

namespace {

constexpr int16_t kFirstPortalKey = 77;

bool IsModule(int16_t m) { return m >= 0 && m < int16_t(ModuleTable.size()); }

bool ModuleCompleted(int16_t m) {
    const int16_t flag = ModuleTable[size_t(m)].ModuleDoneFlag;
    return flag > 0 && GameFlag(flag) == 1;
}

// A page of its own over the whole screen: the card is wider than the covered view and would
// lie over the side panel and the HUD buttons.
void DrawModuleChooser(const int16_t modules[6], int16_t count, int16_t page) {
    BltFast(BackSurface, 0, 0, Slate2Picture, FullScreenRect, kBltOpaque);
    BltFast(BackSurface, 5, 5, BigScroll, BigScrollRect, kBltKeyed);
    DrawBigText(50, 80, "Select Module", kBigBlue);
    DrawSmallText(50, 115, "Module " + std::to_string(page + 1) + " of " + std::to_string(count), kSmallBlack);
    DrawButton(50, 140, 3, "Prev");
    DrawButton(120, 140, 3, "Next");
    DrawLineStack({"Select 'Play' once", "you have found a", "module of interest,", "or 'cancel' to quit."}, 180, 50);
    DrawButton(50, 240, 3, "Cancel");
    DrawButton(120, 240, 3, "Play");
    if (count > 0) DrawModuleDescription(270, 50, modules[page]);
}
}  // namespace

void RunModuleAccessEvent(int16_t x, int16_t y, int16_t, int16_t, int& result) {
    const std::optional<EventRecord> open = OpenActiveEvent(x, y, result);
    if (!open) return;
    const EventRecord& w = *open;
    enum : int16_t { kLeave, kPeruse };
    Screen screen("module access");
    if (RunEventChoice(screen, [&] { DrawEventTextPage(x, y, 0); },
                       {{.action = kPeruse, .label = "Peruse", .y = 257, .hotkey1 = 'P'}, kLeaveButton}) != kPeruse)
        return;
    int16_t modules[6];
    int16_t count = 0;
    for (int i = 0; i < 6; ++i) {
        const int16_t m = w.Word[4 + i], flag = w.Word[10 + i];
        if (IsModule(m) && (flag < 1 || GameFlag(flag) >= w.Word[16 + i])) modules[count++] = m;
    }
    ChooseModule(modules, count);
}

void ChooseModule(const int16_t modules[6], int16_t count) {
    Screen screen("module chooser");
    int16_t page = 0;
    auto draw = [&] {
        DrawModuleChooser(modules, count, page);
        Flip();
    };
    draw();
    for (;;) {
        LoopPass(screen, draw);
        if (ButtonClicked(50, 140, 6, 'P', 0, 1, 1) && page > 0) {
            --page;
            draw();
        }
        if (ButtonClicked(120, 140, 6, 'N', 0, 1, 1) && page < count - 1) {
            ++page;
            draw();
        }
        if (ButtonClicked(50, 240, 6, 'C', kEsc, 1, 1)) return;
        if (ButtonClicked(120, 240, 6, 0, 0, 1, 0) && count > 0) {
            const ModuleRecord& m = ModuleTable[size_t(modules[page])];
            if (ModuleCompleted(modules[page])) {
                PlaySoundEffect("No");
                Delay(150);
                ShowMessage(150, 150, "   You have already", "  completed this module!");
                draw();
                continue;
            }
            if (!IsDestination(m.ModuleStart[0], m.ModuleStart[1], m.ModuleStart[2])) {
                PlaySoundEffect("no");
                continue;
            }
            PlaySoundEffect("Bell");
            Delay(450);
            TeleportHero(m.ModuleStart[0], 0, m.ModuleStart[1], m.ModuleStart[2], 0);
            return;
        }
    }
}

void RunElevatorEvent(int16_t x, int16_t y, int16_t, int16_t, int& result) {
    const std::optional<EventRecord> open = OpenEvent(x, y, result);
    if (!open) return;
    const EventRecord& w = *open;
    static constexpr std::string_view kFloorLabels[] = {"Level 1", "Level 2", "Level 3", "Level 4", "Level 5"};
    std::vector<EventButton> buttons{{.action = 0, .label = "Leave", .y = 287, .hotkey1 = 'L'}};
    int16_t count = 0;
    for (int16_t k = 1; k <= 5; ++k) {
        if (w.Word[k] <= 0) continue;
        buttons.push_back({.action = int16_t(k),
                           .label = kFloorLabels[count],
                           .y = int16_t(155 + 22 * count),
                           .hotkey1 = int16_t('1' + count)});
        ++count;
    }
    Screen screen("elevator");
    const int16_t k = RunEventChoice(
        screen, [&] { DrawEventTextPage(x, y, 0); }, buttons);
    if (k <= 0) return;
    const int16_t level = w.Word[k], fx = w.Word[10 + k], fy = w.Word[15 + k];
    if (!IsDestination(level, fx, fy)) {
        PlaySoundEffect("no");
        return;
    }
    PlaySoundEffect("Chain");
    Delay(250);
    TeleportHero(level, 0, fx, fy, 1);
}

void RunPentaPortalEvent(int16_t x, int16_t y, int16_t, int16_t, int& result) {
    const EventRecord* e = EventAt(x, y);
    if (!e) return;
    const int16_t n = e->Word[1];
    result = 0;
    if (n < 0 || n > 4) return;  // no portal of that number
    PlaySoundEffect("Text");
    Screen screen("penta portal");
    enum : int16_t { kLeave = 10, kPutKey = 11 };  // 0..4 are the portals
    for (;;) {
        const bool active = GameState.PentaActive[n] == 1;
        const bool canPut = HasItem(int16_t(kFirstPortalKey + n)) && GameState.HeroForm == 0;
        std::vector<EventButton> buttons{
            {.action = kLeave, .label = "Leave", .y = 287, .hotkey1 = 'L', .x = 475, .pieces = 6}};
        bool anyOther = false;
        if (active) {
            for (int16_t i = 0; i < 5; ++i) {
                if (i == n || GameState.PentaActive[i] != 1) continue;
                anyOther = true;
                buttons.push_back({.action = i,
                                   .label = FieldText(PentaTable[size_t(i)].PentaName),
                                   .y = int16_t(165 + 22 * i),
                                   .hotkey1 = int16_t('1' + i),
                                   .x = 475,
                                   .pieces = 6});
            }
        } else if (canPut) {
            buttons.push_back(
                {.action = kPutKey, .label = "Put Portal Key", .y = 262, .hotkey1 = 'P', .x = 475, .pieces = 6});
        }
        const std::string needs = "Requires: Portal Key " + std::to_string(n + 1);
        const int16_t hit = RunEventChoice(
            screen,
            [&] {
                DrawEventBackground();
                if (active) {
                    DrawPageLines({{120, "The pentagram portal is"}, {132, "active!"}});
                    if (!anyOther)
                        DrawPageLines({{190, "You'll need to activate"},
                                       {203, "at least one more Portal"},
                                       {214, "before you can travel"},
                                       {226, "anywhere..."}});
                } else {
                    DrawPageLines({{120, "The pentagram portal is"}, {132, "dormant!"}, {168, needs, kSmallRed}});
                }
            },
            buttons);
        if (hit == kLeave) return;
        if (hit == kPutKey) {
            PlaySoundEffect("PowerUp");
            GameState.PentaActive[n] = 1;
            TakeItem(int16_t(kFirstPortalKey + n));
            GameState.Score = int16_t(GameState.Score + 1);
            ShowMessage(80, 80, "   The portal activates!", "        Score + 1!");
            continue;
        }
        const int16_t* to = PentaTable[size_t(hit)].PentaDestination;
        if (!IsDestination(to[0], to[1], to[2])) {
            PlaySoundEffect("no");
            continue;
        }
        PlaySoundEffect("PowerUp");
        Delay(250);
        TeleportHero(to[0], 0, to[1], to[2], 1);
        return;
    }
}
