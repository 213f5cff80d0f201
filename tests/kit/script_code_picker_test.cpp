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

// Each group's buttons from the picker's table, one under the other every 21 pixels.
struct Group {
    std::string_view heading;
    int16_t x, headingY, firstY;
    std::vector<int16_t> codes;
};
const Group kGroups[] = {
    {"Primary codes", 20, 30, 50, {0, 1, 2, 3, 4, 5, 6, 7, 8, 9, 44}},
    {"Set codes", 20, 300, 320, {10, 11, 57, 21, 38, 42}},
    {"Decision codes", 175, 30, 50, {13, 14, 15, 16, 17, 18, 19, 20, 48, 22, 59, 62}},
    {"Dice Roll Codes", 175, 311, 332, {53, 54, 55, 56}},
    {"Give codes", 330, 30, 50, {23, 49, 24, 25, 26, 29, 28, 43, 50, 52, 61, 66}},
    {"Take codes", 330, 306, 322, {32, 33, 34, 35, 46, 47, 64}},
    {"Hurt codes", 485, 30, 50, {39, 41, 27, 40}},
    {"Monster codes", 485, 144, 165, {45, 58, 60}},
    {"Action codes", 485, 239, 260, {36, 37, 30, 12, 31, 51, 63, 65}},
};

TEST_F(ScriptCodePickerTest, EveryCodeFromItsPlaceOnce) {
    std::set<int16_t> seen;
    for (const Group& g : kGroups) {
        for (size_t i = 0; i < g.codes.size(); ++i) {
            const int16_t code = g.codes[i];
            const auto y = int16_t(g.firstY + 21 * i);
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
