// What every event screen is made of: the event record of a square, the play screen under the
// screen, lines in the small font at x 465, 100-pixel buttons at x 485, and the modal loop that
// waits for one of them.
#pragma once

#include <cstdint>
#include <initializer_list>
#include <optional>
#include <span>
#include <string_view>

#include "data/level.h"
#include "platform/input.h"
#include "platform/keys.h"

// Line 0..9 of Text[page], bounded by its field.
std::string_view EventLine(const EventRecord& e, int16_t page, int16_t line);
// The last non-empty line of Text[page] among lines 0..last, or -1.
int16_t LastEventLine(const EventRecord& e, int16_t page, int16_t last);

// Numbers read from event words, checked before they index anything.
inline bool IsFlagNumber(int32_t flag) { return flag >= 0 && flag < 8000; }
inline bool IsItemNumber(int32_t item) { return item >= 0 && item < 714; }
inline bool IsMapSquare(int32_t x, int32_t y) { return x >= 0 && x < 50 && y >= 0 && y < 50; }
// A level that may be travelled to (0..129) and a square on it.
inline bool IsDestination(int32_t level, int32_t x, int32_t y) {
    return level >= 0 && level < 130 && IsMapSquare(x, y);
}
// Travel to a destination that is no place of the world keeps the hero where he is, with a "no".
bool DestinationOrNo(int32_t level, int32_t x, int32_t y);

// A copy of the event on (x, y) when its condition on words 1..3 holds (a copy, because the
// screens of a handler may load another level); nothing when the square holds none.
std::optional<EventRecord> ActiveEvent(int16_t x, int16_t y);
// The hero stays, and "Text" announces the screen.
void BeginEventScreen(int& result);
// A copy of the event on (x, y), its screen begun; nothing when the square holds none.
std::optional<EventRecord> OpenEvent(int16_t x, int16_t y, int& result);
// The same, only when its condition on words 1..3 holds.
std::optional<EventRecord> OpenActiveEvent(int16_t x, int16_t y, int& result);

// The play screen without its side panel, the map view shown; no flip.
void DrawEventBackground();
// A full page over the covered map view, beside the side panel: the title in the big font and
// the rule under it; no flip.
void DrawServicePage(std::string_view title);

struct PageLine {
    int16_t y;
    std::string_view text;
    int16_t colour = 0;
};
// The lines of a page on the side panel's scroll. A line too long for the parchment goes on
// a line lower at a space, and the lines after it move down with it.
constexpr int16_t kPageLineStep = 12;
void DrawPageLines(std::span<const PageLine> lines, int16_t x = 465);
inline void DrawPageLines(std::initializer_list<PageLine> lines, int16_t x = 465) {
    DrawPageLines(std::span<const PageLine>(lines.begin(), lines.size()), x);
}
// Lines from (x, y) down, 12 pixels apart, colour 0.
void DrawLineStack(std::span<const std::string_view> lines, int16_t y = 120, int16_t x = 465);
inline void DrawLineStack(std::initializer_list<std::string_view> lines, int16_t y = 120, int16_t x = 465) {
    DrawLineStack(std::span<const std::string_view>(lines.begin(), lines.size()), y, x);
}

struct EventButton {
    int16_t action;          // what the loop answers when it is hit
    std::string_view label;  // empty: a key with no button drawn
    int16_t y;
    int16_t hotkey1 = 0;
    int16_t hotkey2 = 0;
    int16_t sound = 1;  // 0 silent, 1 "Click"
    int16_t x = 485;
    int16_t pieces = 5;
    int16_t units = 0;    // click width in tens of pixels; 0: as drawn
    int16_t drawnY = -1;  // where it is drawn when that is not its click area
    int16_t drawnX = -1;
};
inline constexpr EventButton kLeaveButton{.action = 0, .label = "Leave", .y = 282, .hotkey1 = 'L'};
inline constexpr EventButton kLeaveOrEscButton{
    .action = 0, .label = "Leave", .y = 282, .hotkey1 = 'L', .hotkey2 = kEsc};
inline constexpr EventButton kBackButton{.action = 0, .label = "Back", .y = 282, .hotkey1 = 'B'};

// Several action buttons stack upward from the lowest, 22 pixels apart (from 260 or 250).
constexpr int16_t StackY(int16_t lowest, int16_t index) { return int16_t(lowest - 22 * index); }

void DrawEventButtons(std::span<const EventButton> buttons);
// The action of the first button hit in this pass, or -1.
int16_t PollEventButtons(std::span<const EventButton> buttons);

// Draws the whole screen (draw shows the buttons and flips) and runs the loop until a button
// is hit; redraws on a regained focus. Returns the button's action. The screen is the
// handler's, open for all its pages, so that the screens an action opens are over it.
template <class Draw>
int16_t WaitForEventButton(Screen& screen, Draw&& draw, std::span<const EventButton> buttons) {
    draw();
    for (;;) {
        LoopPass(screen, draw);
        const int16_t hit = PollEventButtons(buttons);
        if (hit >= 0) return hit;
    }
}
// Draws the page (drawPage, then the buttons, then a flip) and runs the loop until a button is
// hit; redraws the same way when a regained focus asks for it. Returns the button's action.
template <class Draw>
int16_t RunEventChoice(Screen& screen, Draw&& drawPage, std::span<const EventButton> buttons) {
    return WaitForEventButton(screen, [&] {
        drawPage();
        DrawEventButtons(buttons);
        Flip();
    }, buttons);
}
template <class Draw>
int16_t RunEventChoice(Screen& screen, Draw&& drawPage, std::initializer_list<EventButton> buttons) {
    return RunEventChoice(screen, drawPage, std::span<const EventButton>(buttons.begin(), buttons.size()));
}

// Text[0] of the event on (x, y) with one action button at 260 and "Leave" (L, Esc): 1 when
// the action was chosen.
int RunOneActionPage(Screen& screen, int16_t x, int16_t y, std::string_view action, int16_t hotkey);

// A page of fixed lines over the play screen with one button, waited for: a screen of its own.
void ShowEventMessage(std::initializer_list<PageLine> lines, const EventButton& button = kBackButton);
// Text[page] of the event on (x, y) with one button, waited for.
void ShowEventText(int16_t x, int16_t y, int16_t page, const EventButton& button = kLeaveOrEscButton);
// A page of lines left on the screen without a loop: flipped, then the held arrow key released.
void ShowPassingPage(std::initializer_list<std::string_view> lines, int16_t dx, int16_t dy);
// The same with Text[page] of the event on (x, y).
void ShowPassingTextPage(int16_t x, int16_t y, int16_t page, int16_t dx, int16_t dy);
