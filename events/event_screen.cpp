#include "events/event_screen.h"

#include "adventure/square_triggers.h"
#include "data/text_field.h"
#include "platform/display.h"
#include "platform/fonts.h"
#include "platform/sound.h"
#include "platform/widgets.h"
#include "script/flags.h"
#include "view/hud.h"
#include "view/play_screen.h"

std::string_view EventLine(const EventRecord& e, int16_t page, int16_t line) {
    if (page < 0 || page > 1 || line < 0 || line > 9) return {};
    return FieldText(e.Text[page][line]);
}

int16_t LastEventLine(const EventRecord& e, int16_t page, int16_t last) {
    for (int16_t i = last; i >= 0; --i)
        if (!EventLine(e, page, i).empty()) return i;
    return -1;
}

std::optional<EventRecord> ActiveEvent(int16_t x, int16_t y) {
    const EventRecord* e = EventAt(x, y);
    if (!e || !CheckFlagCondition(e->Word[1], e->Word[2], e->Word[3])) return std::nullopt;
    return *e;
}

bool DestinationOrNo(int32_t level, int32_t x, int32_t y) {
    if (IsDestination(level, x, y)) return true;
    PlaySoundEffect("no");
    return false;
}

void BeginEventScreen(int& result) {
    result = 0;
    PlaySoundEffect("Text");
}

std::optional<EventRecord> OpenEvent(int16_t x, int16_t y, int& result) {
    const EventRecord* e = EventAt(x, y);
    if (!e) return std::nullopt;
    BeginEventScreen(result);
    return *e;
}

std::optional<EventRecord> OpenActiveEvent(int16_t x, int16_t y, int& result) {
    std::optional<EventRecord> w = ActiveEvent(x, y);
    if (w) BeginEventScreen(result);
    return w;
}

void DrawEventBackground() { DrawPlayScreen(0, 1, 0, -1, -1, 0); }

void DrawServicePage(std::string_view title) {
    DrawPlayScreen(1, 0, 0, -1, -1, 0);
    DrawBigText(50, 50, title, kBigBlue);
    DrawSmallText(50, 70, "----------------------------------------------------------", kSmallBlack);
}

void DrawPageLines(std::span<const PageLine> lines, int16_t x) {
    int16_t shift = 0;
    for (const PageLine& l : lines) {
        const int16_t y = int16_t(l.y + shift);
        const int16_t next = DrawSideScrollText(x, y, l.text.substr(0, l.text.find('\0')), l.colour, kPageLineStep);
        shift = int16_t(shift + next - y - kPageLineStep);
    }
}

void DrawLineStack(std::span<const std::string_view> lines, int16_t y, int16_t x) {
    for (std::string_view line : lines) {
        DrawSmallText(x, y, line, kSmallBlack);
        y = int16_t(y + kPageLineStep);
    }
}

void DrawEventButtons(std::span<const EventButton> buttons) {
    for (const EventButton& b : buttons)
        if (!b.label.empty())
            DrawButton(b.drawnX >= 0 ? b.drawnX : b.x, b.drawnY >= 0 ? b.drawnY : b.y, b.pieces, b.label);
}

int16_t PollEventButtons(std::span<const EventButton> buttons) {
    for (const EventButton& b : buttons) {
        const int16_t units = b.units > 0 ? b.units : int16_t(2 * b.pieces);
        if (ButtonClicked(b.x, b.y, units, b.hotkey1, b.hotkey2, 1, b.sound)) return b.action;
    }
    return -1;
}

int RunOneActionPage(Screen& screen, int16_t x, int16_t y, std::string_view action, int16_t hotkey) {
    return RunEventChoice(screen, [&] { DrawEventTextPage(x, y, 0); },
                          {{.action = 1, .label = action, .y = 260, .hotkey1 = hotkey}, kLeaveOrEscButton}) == 1;
}

void ShowEventMessage(std::initializer_list<PageLine> lines, const EventButton& button) {
    Screen screen("event message");
    RunEventChoice(screen,
                   [&] {
                       DrawEventBackground();
                       DrawPageLines(lines);
                   },
                   {button});
}

void ShowEventText(int16_t x, int16_t y, int16_t page, const EventButton& button) {
    Screen screen("event text");
    RunEventChoice(screen, [&] { DrawEventTextPage(x, y, page); }, {button});
}

void ShowPassingPage(std::initializer_list<std::string_view> lines, int16_t dx, int16_t dy) {
    DrawEventBackground();
    DrawLineStack(lines);
    Flip();
    WaitMoveKeyRelease(dx, dy);
}

void ShowPassingTextPage(int16_t x, int16_t y, int16_t page, int16_t dx, int16_t dy) {
    DrawEventTextPage(x, y, page);
    Flip();
    WaitMoveKeyRelease(dx, dy);
}
