#include "message_window.h"

#include <algorithm>
#include <cstring>
#include <string>

#include "data/level.h"
#include "data/text_field.h"
#include "platform/display.h"
#include "platform/fonts.h"
#include "platform/widgets.h"
#include "view/play_screen.h"

std::array<std::array<char, kMessageLineChars + 1>, kMessageLineSlots> MessageLines{};
std::array<int16_t, kMessageLineSlots> MessageLineColours{};
int16_t MessageLineCount = 0;

void AppendMessageLine(std::string_view text, int16_t colour) {
    const int16_t at = std::clamp<int16_t>(MessageLineCount, 0, kMessageLineSlots - 1);
    text = text.substr(0, std::min(text.find('\0'), size_t(kMessageLineChars)));
    auto& line = MessageLines[size_t(at)];
    line.fill('\0');
    std::memcpy(line.data(), text.data(), text.size());
    MessageLineColours[size_t(at)] = colour;
    if (at < kMessageLineSlots - 1) MessageLineCount = int16_t(at + 1);
}

void AppendMessageLine(const char* text, int16_t colour) {
    AppendMessageLine(text ? std::string_view(text) : std::string_view(), colour);
}

void ClearMessageLines() {
    for (auto& line : MessageLines) line.fill('\0');
    MessageLineColours.fill(-1);
    MessageLineCount = 0;
}

void DrawMessageTitle(int16_t script) {
    DrawPlayScreen(1, 0, 0, -1, -1, 0);
    if (script >= 0 && script < kScriptSlots && ScriptTable[size_t(script)])
        DrawBigText(50, 50, FieldText(ScriptTable[size_t(script)]->Record.Title), kBigBlue);
    DrawSmallText(50, 70, std::string(58, '-'), kSmallBlack);
}

void ShowMessageLines(int16_t script, uint32_t flip) {
    DrawMessageTitle(script);
    const int16_t count = std::clamp<int16_t>(MessageLineCount, 0, kMessageLineSlots - 1);
    for (int16_t i = 0; i < count; ++i) {
        if (MessageLineColours[size_t(i)] == -1) continue;
        const auto& line = MessageLines[size_t(i)];
        DrawSmallText(50, int16_t(100 + 15 * i), std::string_view(line.data(), strnlen(line.data(), line.size())),
                      MessageLineColours[size_t(i)]);
    }
    if (flip) Flip();
}

void RedrawScriptAnswer(int16_t script) {
    ShowMessageLines(script, 0);
    DrawTextField(100, int16_t(80 + 15 * MessageLineCount), 9, "");
    Flip();
}
