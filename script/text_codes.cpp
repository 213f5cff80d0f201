// TXT, BTX and RTX: a line of text into the window, with the hero's name and forms of
// address put in for a text that begins with '%'.
#include <string>

#include "data/game_state.h"
#include "data/text_field.h"
#include "message_window.h"
#include "platform/fonts.h"
#include "platform/message_boxes.h"
#include "script_codes.h"

namespace {

std::string_view SexWord(std::string_view male, std::string_view female) {
    switch (GameState.HeroSex) {
        case 0: return male;
        case 1: return female;
        default: return {};
    }
}

}  // namespace

std::string SubstituteHeroWords(std::string_view text, size_t room) {
    std::string out;
    for (size_t i = 1; i < text.size() && out.size() < room; ++i) {
        if (text[i] != '%') {
            out += text[i];
            continue;
        }
        std::string_view word;
        switch (i + 1 < text.size() ? text[i + 1] : '\0') {
            case 'N':
            case 'n': word = FieldText(GameState.HeroName); break;
            case 'S':
            case 's': word = SexWord("son", "daughter"); break;
            case 'T':
            case 't': word = SexWord("sir", "madame"); break;
            default: break;
        }
        if (out.size() + word.size() <= room) out += word;
        ++i;
    }
    return out;
}

namespace {

void AppendText(const ScriptRun& run, int16_t colour) {
    const ScriptLineText* text = LineText(run);
    if (!text) {
        ShowMessage(50, 50, "Error! TxtPtr should not", "be NULL!");
        AppendMessageLine("", colour);
        return;
    }
    const std::string_view line = LineTextView(*text);
    if (!line.empty() && line.front() == '%') AppendMessageLine(SubstituteHeroWords(line), colour);
    else AppendMessageLine(line, colour);
}

}  // namespace

void TextCode(ScriptRun& run) { AppendText(run, kSmallBlack); }
void BlueTextCode(ScriptRun& run) { AppendText(run, kSmallBlue); }
void RedTextCode(ScriptRun& run) { AppendText(run, kSmallRed); }
