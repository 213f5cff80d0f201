#include "kit/script/quest_template.h"

#include <algorithm>
#include <array>
#include <string_view>

#include "data/text_field.h"
#include "kit/script/script_slots.h"

namespace {

constexpr int16_t kTXT = 1, kBTX = 2, kUSE = 4, kMRK = 5, kEND = 9, kSFL = 10, kSQU = 11, kIFL = 13;

// A line of the template: its code and either a text (text codes) or operands. Flag and
// quest numbers are left 0 for the author.
struct TemplateLine {
    int16_t line;
    int16_t code;
    std::string_view text;
    std::array<int16_t, 5> operand;
};

constexpr TemplateLine kTemplate[] = {
    {0, kIFL, {}, {0, 5, 2, 5}},  // flag == 2: done before, mark 5
    {1, kIFL, {}, {0, 5, 1, 3}},  // flag == 1: under way, mark 3
    {2, kTXT, "<NPC requests help>", {}},
    {3, kTXT, "", {}},
    {4, kTXT, "", {}},
    {5, kTXT, "", {}},
    {6, kTXT, "", {}},
    {7, kBTX, "", {}},
    {8, kBTX, "1. Accept Quest", {}},
    {9, kBTX, "", {}},
    {10, kBTX, "2. Maybe Later", {}},
    {11, kUSE, {}, {2, 1}},
    {13, kMRK, {}, {1}},
    {14, kEND, {}, {}},
    {16, kMRK, {}, {2}},
    {17, kSFL, {}, {0, 0, 1}},
    {18, kSQU, {}, {0, 1}},
    {19, kTXT, "<Quest Briefing>", {}},
    {20, kTXT, "", {}},
    {21, kTXT, "", {}},
    {22, kTXT, "", {}},
    {23, kTXT, "", {}},
    {24, kBTX, "", {}},
    {25, kBTX, "1. I'll be back.", {}},
    {26, kUSE, {}, {1}},
    {28, kMRK, {}, {3}},
    {29, kIFL, {}, {0, 0, 0, 4}},  // the completion condition
    {30, kTXT, "<Quest not yet completed>", {}},
    {31, kTXT, "", {}},
    {32, kTXT, "", {}},
    {33, kTXT, "", {}},
    {34, kBTX, "", {}},
    {35, kBTX, "1. OK", {}},
    {36, kUSE, {}, {1}},
    {38, kMRK, {}, {4}},
    {39, kSFL, {}, {0, 0, 2}},
    {40, kSQU, {}, {0, 2}},
    {41, kTXT, "<Completed Quest!>", {}},
    {42, kTXT, "", {}},
    {43, kTXT, "", {}},
    {44, kTXT, "", {}},
    {45, kBTX, "", {}},
    {46, kBTX, "1. Thanks", {}},
    {47, kUSE, {}, {1}},
    {49, kMRK, {}, {5}},
    {50, kTXT, "<Quest previously completed>", {}},
    {51, kTXT, "", {}},
    {52, kTXT, "", {}},
    {53, kTXT, "", {}},
    {54, kBTX, "", {}},
    {55, kBTX, "1. Thanks", {}},
    {56, kUSE, {}, {1}},
};

}  // namespace

void MakeQuestTemplateScript(int16_t slot, int16_t flag) {
    LevelScript* script = ScriptInSlot(slot);
    if (!script) return;
    if (flag == 1) {
        SetFieldText(script->Record.Title, "");
        for (int16_t l = 0; l < kScriptLines; ++l) EmptyScriptLine(*script, l);
    }
    for (const TemplateLine& t : kTemplate) {
        if (t.code == kTXT || t.code == kBTX) {
            SetTemplateLine(slot, t.line, t.code, t.text);
        } else {
            script->Record.Code[t.line] = t.code;
            std::copy(t.operand.begin(), t.operand.end(), script->Record.Operand[t.line]);
        }
    }
}
