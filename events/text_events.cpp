#include "events/text_events.h"

#include <array>
#include <string>

#include "adventure/encounters.h"
#include "adventure/square_triggers.h"
#include "data/game_state.h"
#include "events/event_screen.h"
#include "hero/level_advance.h"
#include "platform/display.h"
#include "platform/fonts.h"
#include "platform/sound.h"
#include "platform/source_rects.h"
#include "script/flags.h"
#include "script/quests.h"
#include "script/symbol_names.h"
#include "view/play_screen.h"

namespace {

// A flag change of an event's branch; a positive flag also wakes the monsters of its group.
void ChangeFlagAndWake(int16_t flag, int16_t op, int16_t value) {
    ChangeFlag(flag, op, value);
    if (flag > 0) SpawnMonstersOfGroup(flag);
}

// A rune, glyph or heraldry sign whose condition holds: the hero stays and the scroll is drawn
// over the map view. Null when the sign is not there.
const EventRecord* OpenSign(int16_t x, int16_t y, int& result) {
    const EventRecord* e = EventAt(x, y);
    if (!e || !TestFlagCondition(e->Word[1], e->Word[2], e->Word[3])) return nullptr;
    PlaySoundEffect("Text");
    SkipNextRedraw = 1;
    result = 0;
    DrawPlayScreen(1, 1, 0, -1, -1, 0);
    BltFast(BackSurface, 180, 100, MediumScroll, MediumScrollRect, kBltKeyed);
    return e;
}

struct SymbolSign {
    const std::array<Surface*, 40>& pictures;
    std::string_view (*name)(int32_t symbol);
    const uint32_t (&known)[41];
    std::string_view heading;
    std::string_view unknown;
};

void RunSymbolEvent(int16_t x, int16_t y, int16_t dx, int16_t dy, int& result, const SymbolSign& sign) {
    const EventRecord* e = OpenSign(x, y, result);
    if (!e) return;
    DrawSmallText(200, 130, sign.heading, kSmallBlue);
    int16_t row = 160;
    for (int w = 4; w <= 8; ++w) {
        const int16_t n = e->Word[w];
        if (n < 1 || n > 40) continue;  // an empty place, or no symbol at all
        BltFast(BackSurface, 200, row, sign.pictures[size_t(n - 1)], PictureRect, kBltKeyed);
        DrawSmallText(250, int16_t(row + 10), sign.known[n - 1] ? sign.name(n) : sign.unknown, kSmallBlack);
        row = int16_t(row + 30);
    }
    Flip();
    WaitMoveKeyRelease(dx, dy);
}

// The STEP TEXT page without its button.
void DrawQuestChange(int16_t x, int16_t y, int16_t thenBranch, int16_t quest1, int16_t state1, int16_t quest2,
                     int16_t state2, int16_t xp, int16_t page) {
    DrawEventTextPage(x, y, page);
    const EventRecord* e = EventAt(x, y);
    // Line 9 is not looked at: the extra lines may stand above it.
    const int16_t last = e ? LastEventLine(*e, page, 8) : -1;
    int16_t lineY = int16_t(120 + 12 * (last + 2));
    if (!thenBranch) return;
    constexpr std::array<std::string_view, 4> kQuestLines = {"", "< New quest activated! >", "< Quest completed! >",
                                                             "< Quest cancelled! >"};
    bool questShown = false;
    for (auto [quest, state] : {std::pair{quest1, state1}, std::pair{quest2, state2}}) {
        if (quest <= -1 || state < 1 || state > 3) continue;
        DrawSmallText(465, lineY, kQuestLines[size_t(state)], kSmallRed);
        lineY = int16_t(lineY + 12);
        questShown = true;
    }
    if (xp > 0) {
        if (questShown) lineY = int16_t(lineY + 12);
        DrawSmallText(465, lineY, "You receive " + std::to_string(xp) + " xp!", kSmallRed);
    }
}

bool IsQuest(int16_t q) { return q >= 0 && q < 200; }

}  // namespace

void RunPushTextEvent(int16_t x, int16_t y, int16_t dx, int16_t dy, int& result) {
    const EventRecord* e = EventAt(x, y);
    if (!e || !CheckFlagCondition(e->Word[1], e->Word[2], e->Word[3])) return;
    const EventRecord w = *e;  // waking monsters or moving quests must not touch the record we read
    result = 0;
    SkipNextRedraw = 1;
    PlaySoundEffect("Text");
    if (CheckFlagCondition(w.Word[4], w.Word[5], w.Word[6])) {
        DrawEventTextPage(x, y, 0);
        ChangeFlagAndWake(w.Word[10], w.Word[11], w.Word[12]);
        AdvanceQuestChain(w.Word[19], w.Word[20]);
    } else {
        DrawEventTextPage(x, y, 1);
        ChangeFlagAndWake(w.Word[16], w.Word[17], w.Word[18]);
    }
    Flip();
    WaitMoveKeyRelease(dx, dy);
}

void RunStepTextEvent(int16_t x, int16_t y, int& shown, int16_t dx, int16_t dy) {
    const EventRecord* e = EventAt(x, y);
    if (!e || !CheckFlagCondition(e->Word[1], e->Word[2], e->Word[3])) return;
    const EventRecord w = *e;
    switch (w.Word[19]) {
        case 1:
            if (dy != 1) return;
            break;
        case 2:
            if (dy != -1) return;
            break;
        case 3:
            if (dx != -1) return;
            break;
        case 4:
            if (dx != 1) return;
            break;
        default: break;
    }
    Screen screen("step text");
    shown = 1;
    SkipNextRedraw = 1;
    PlaySoundEffect("Text");
    const bool thenBranch = CheckFlagCondition(w.Word[4], w.Word[5], w.Word[6]) != 0;
    int16_t quest1 = -1, quest2 = -1, xp = 0;
    if (thenBranch) {
        ChangeFlag(w.Word[10], w.Word[11], w.Word[12]);
        if (IsQuest(w.Word[20])) {
            quest1 = w.Word[20];
            SetQuestState(quest1, w.Word[21]);
        }
        if (IsQuest(w.Word[22])) {
            quest2 = w.Word[22];
            SetQuestState(quest2, w.Word[23]);
        }
        xp = w.Word[24];
        AddXp(xp);
    } else {
        ChangeFlag(w.Word[16], w.Word[17], w.Word[18]);
    }
    const int16_t page = thenBranch ? 0 : 1;
    auto draw = [&] { ShowQuestChange(x, y, thenBranch, quest1, w.Word[21], quest2, w.Word[23], xp, page); };
    draw();
    for (;;) {
        LoopPass(screen, draw);
        if (PollEventButtons(std::span(&kLeaveOrEscButton, 1)) >= 0) break;
    }
    DrawPlayScreen(1, 1, 0, -1, -1, 1);
}

void ShowQuestChange(int16_t x, int16_t y, int16_t thenBranch, int16_t quest1, int16_t state1, int16_t quest2,
                     int16_t state2, int16_t xp, int16_t page) {
    DrawQuestChange(x, y, thenBranch, quest1, state1, quest2, state2, xp, page);
    DrawEventButtons(std::span(&kLeaveOrEscButton, 1));
    Flip();
}

void RunRuneEvent(int16_t x, int16_t y, int16_t dx, int16_t dy, int& result) {
    RunSymbolEvent(x, y, dx, dy, result,
                   {RunePictures, RuneName, GameState.KnownRunes, "Runes are recorded here:", "Unknown Rune"});
}

void RunHieroglyphEvent(int16_t x, int16_t y, int16_t dx, int16_t dy, int& result) {
    RunSymbolEvent(
        x, y, dx, dy, result,
        {HieroglyphPictures, HieroglyphName, GameState.KnownHieroglyphs, "Glyphs are recorded here:", "Unknown Glyph"});
}

void RunHeraldrySignEvent(int16_t x, int16_t y, int16_t dx, int16_t dy, int& result) {
    const EventRecord* e = OpenSign(x, y, result);
    if (!e) return;
    for (int16_t i = 0; i < 4; ++i) DrawSmallText(200, int16_t(140 + 12 * i), EventLine(*e, 0, i), kSmallBlack);
    const int16_t sign = e->Word[5];
    if (sign >= 0 && sign < 10) BltFast(BackSurface, 240, 220, HeraldryPictures[size_t(sign)], PortraitRect, kBltKeyed);
    Flip();
    WaitMoveKeyRelease(dx, dy);
}
