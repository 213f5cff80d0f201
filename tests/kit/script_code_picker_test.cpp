// The script codes' names and the code picker.
#include "kit/script/script_code_picker.h"

#include <set>

#include "script/script_codes.h"
#include "tests/kit/script_editor_test.h"

namespace {

using ScriptCodePickerTest = ScriptEditorTest;

TEST_F(ScriptCodePickerTest, MnemonicsAndLongNames) {
    const struct {
        int16_t code;
        std::string_view mnemonic, name;
    } cases[] = {
        {0, "   ", "<<none>>"},
        {1, "TXT", "TXT - Text"},
        {8, "LSC", "LSC - <Leave> script"},
        {22, "IAN", "IAN - If Answer"},
        {42, "SCO", "SCO - Score %"},
        {44, "REM", "REM - Remark"},
        {53, "1d5", "1d5 - Roll 1d5"},
        {54, "rnd", "IFr - If roll > x"},
        {55, "rST", "rST - Roll stat"},
        {59, "IPA", "IPA - If Portal Active"},
        {62, "CXI", "ICX - Carry X of Item"},
        {65, "RGW", "RGW - Reset Game World"},
        {66, "GLO", "GLO - Give Lore"},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(ScriptCodeMnemonics[c.code], c.mnemonic) << c.code;
        EXPECT_EQ(ScriptCodeNames[c.code], c.name) << c.code;
    }
    // Every other code's long name begins with its mnemonic.
    for (int16_t code = 1; code <= 66; ++code) {
        if (code == 54 || code == 62) continue;
        EXPECT_EQ(ScriptCodeNames[code].substr(0, 6), std::string(ScriptCodeMnemonics[code]) + " - ") << code;
        EXPECT_LE(ScriptCodeNames[code].size(), 23u) << code;
    }
    EXPECT_EQ(ScriptCodeMnemonics[67], "");
    EXPECT_EQ(ScriptCodeNames[-1], "");
}

// Each group's buttons from the picker's table, one under the other.
struct Group {
    std::string_view heading;
    int16_t x, headingY;
    std::vector<std::pair<int16_t, int16_t>> buttons;  // code, y
};
const Group kGroups[] = {
    {"Primary codes",
     20,
     30,
     {{0, 50}, {1, 71}, {2, 92}, {3, 113}, {4, 134}, {5, 155}, {6, 176}, {7, 197}, {8, 218}, {9, 239}, {44, 260}}},
    {"Set codes", 20, 300, {{10, 320}, {11, 341}, {57, 362}, {21, 383}, {38, 404}, {42, 425}}},
    {"Decision codes",
     175,
     30,
     {{13, 50},
      {14, 71},
      {15, 92},
      {16, 113},
      {17, 134},
      {18, 155},
      {19, 176},
      {20, 197},
      {48, 218},
      {22, 239},
      {59, 260},
      {62, 281}}},
    {"Dice Roll Codes", 175, 311, {{53, 332}, {54, 353}, {55, 374}, {56, 395}}},
    {"Give codes",
     330,
     30,
     {{23, 50},
      {49, 71},
      {24, 92},
      {25, 113},
      {26, 134},
      {29, 155},
      {28, 176},
      {43, 197},
      {50, 218},
      {52, 239},
      {61, 260},
      {66, 281}}},
    {"Take codes", 330, 306, {{32, 322}, {33, 343}, {34, 364}, {35, 385}, {46, 406}, {47, 427}, {64, 448}}},
    {"Hurt codes", 485, 30, {{39, 50}, {41, 71}, {27, 92}, {40, 113}}},
    {"Monster codes", 485, 144, {{45, 165}, {58, 186}, {60, 207}}},
    {"Action codes",
     485,
     239,
     {{36, 260}, {37, 281}, {30, 302}, {12, 323}, {31, 344}, {51, 365}, {63, 386}, {65, 407}}},
};

TEST_F(ScriptCodePickerTest, EveryCodeFromItsPlaceOnce) {
    std::set<int16_t> seen;
    for (const Group& g : kGroups) {
        for (const auto& [code, y] : g.buttons) {
            host.texts.clear();
            ClickAt(g.x + 135, y + 14);  // the far corner of the button
            int16_t picked = -2;
            Run([&] { picked = PickScriptCode(7); });
            EXPECT_EQ(picked, code) << g.heading << " " << code;
            EXPECT_TRUE(TextShownAt(host, g.heading, g.x, g.headingY, 182)) << g.heading;
            EXPECT_TRUE(ButtonShownAt(host, ScriptCodeNames[code], g.x, y, 7)) << code;
            EXPECT_TRUE(seen.insert(code).second) << code;
        }
    }
    EXPECT_EQ(seen.size(), 67u);
    EXPECT_TRUE(ButtonShownAt(host, "IFr - If roll > x", 175, 353, 7));
    EXPECT_TRUE(ButtonShownAt(host, "ICX - Carry X of Item", 175, 281, 7));
}

TEST_F(ScriptCodePickerTest, CancelAndEscKeepTheCode) {
    for (const int key : {0, 27, int('C')}) {
        if (key == 0)
            ClickAt(485 + 70, 440 + 7);
        else
            TapKey(key);
        int16_t picked = -2;
        Run([&] { picked = PickScriptCode(41); });
        EXPECT_EQ(picked, 41) << key;
    }
    EXPECT_TRUE(ButtonShownAt(host, "Cancel", 485, 440, 7));
}

}  // namespace
