// The script editor's screen: the empty slot, scrolling, choosing a script, the title, the
// line modes and the script buttons.
#include <vector>

#include "data/text_field.h"
#include "platform/display.h"
#include "tests/kit/script_editor_test.h"
#include "tests/support/surface_match.h"

namespace {

class ScriptEditorScreenTest : public ScriptEditorTest {
protected:
    // The line shown on the first row, and the slot shown, as last drawn.
    std::string Last(int32_t x, int32_t y) const {
        for (size_t i = host.texts.size(); i-- > 0;)
            if (host.texts[i].x == x && host.texts[i].y == y) return host.texts[i].text;
        return "(nothing)";
    }
    std::string TopLine() const { return Last(75, 104); }
    std::string SlotShown() const { return Last(505, 47); }
    // The first lines of the boxes shown, in order.
    std::vector<std::string> Boxes(std::initializer_list<std::string_view> firstLines) const {
        std::vector<std::string> shown;
        for (const auto& t : host.texts)
            for (std::string_view line : firstLines)
                if (t.text == line) shown.push_back(t.text);
        return shown;
    }
};

TEST_F(ScriptEditorScreenTest, EmptySlotOffersCreateAndTemplate) {
    ClickNothing(505, 90);  // Insert Line: nothing on an empty slot
    RunEditor(3);
    EXPECT_TRUE(TextShownAt(host, "No script currently exists for this script slot.", 25, 85));
    EXPECT_TRUE(TextShownAt(host, "To create a new script, click on the CREATE", 25, 100));
    EXPECT_TRUE(TextShownAt(host, "button.", 25, 115));
    EXPECT_TRUE(ButtonShownAt(host, "Create Script", 25, 145, 5));
    EXPECT_TRUE(ButtonShownAt(host, "Insert Line", 500, 85, 4));
    EXPECT_TRUE(ButtonShownAt(host, "Template Script", 500, 402, 5));
    EXPECT_TRUE(TextShownAt(host, "For TXT line substitutions, place a '%' as first character, then:", 25, 400));
    EXPECT_TRUE(TextShownAt(host, "%N = Name, %S = Son, daughter, %T = Sir, Madame", 25, 415));
    EXPECT_FALSE(Shown("Title"));
    EXPECT_FALSE(Shown("INSERT LINE!"));
    EXPECT_FALSE(ScriptTable[3]);

    TapKey('C');
    RunEditor(3);
    ASSERT_TRUE(ScriptTable[3]);
    EXPECT_STREQ(ScriptTable[3]->Record.Title, "None");
    EXPECT_EQ(CurrentLevel.ScriptTable[3], 1u);

    ClickButton(500, 402);  // Template Script on an empty slot creates the script first
    TapKey('Y');
    RunEditor(4);
    ASSERT_TRUE(ScriptTable[4]);
    EXPECT_STREQ(ScriptTable[4]->Record.Title, "None");
    EXPECT_EQ(TextOf(2, 4), "<NPC requests help>");
    EXPECT_TRUE(TextShownAt(host, "Really use template?", 150, 170));

    ClickButton(500, 402);  // No leaves the slot empty
    TapKey('N');
    RunEditor(5);
    EXPECT_FALSE(ScriptTable[5]);
}

TEST_F(ScriptEditorScreenTest, ScrollingStopsAtLine399AndZero) {
    Script();
    TapKey(35);  // End: 388
    TapKey(33);  // 378
    TapKey(40);
    TapKey(40);  // 380
    TapKey(34);  // 388, not 390
    TapKey(34);
    ClickButton(500, 366);  // Page Down at the end stays
    RunEditor();
    EXPECT_EQ(TopLine(), "388");
    EXPECT_EQ(Last(75, 104 + 22 * 11), "399");

    TapKey(35);
    TapKey(36);  // Home
    TapKey(38);  // Line Up at 0 stays
    ClickButton(500, 300);
    ClickButton(500, 344);
    ClickButton(500, 322);
    host.effects.clear();
    RunEditor();
    EXPECT_EQ(TopLine(), "0");
    // Scrolling is silent: the one click is Done's.
    EXPECT_EQ(std::count(host.effects.begin(), host.effects.end(), "Click"), 1);
}

TEST_F(ScriptEditorScreenTest, ChoosingTheScript) {
    for (int16_t s : {0, 4, 5, 12}) Script(s);
    Line(0, 7, {5}, nullptr, 29);
    TapKey(35);
    TapKey('N');  // Next on 29 keeps the view
    RunEditor(29);
    EXPECT_EQ(SlotShown(), "29");
    EXPECT_EQ(TopLine(), "388");

    TapKey(35);
    TapKey('P');  // Prev on 0 keeps the view
    RunEditor(0);
    EXPECT_EQ(SlotShown(), "0");
    EXPECT_EQ(TopLine(), "388");

    TapKey(35);
    ClickButton(540, 41);  // a real change shows the new script from line 0
    RunEditor(5);
    EXPECT_EQ(SlotShown(), "4");
    EXPECT_EQ(TopLine(), "0");

    TapKey(35);
    ClickButton(500, 85);  // Insert Line
    ClickButton(495, 41);
    Keys({"45", 13});  // the number field clamps to 29 and leaves the line mode
    ClickRow(0, 135);
    Keys({"9", 13});
    RunEditor(12);
    EXPECT_EQ(SlotShown(), "29");
    EXPECT_EQ(TopLine(), "0");
    EXPECT_EQ(Code(0, 29), 7);
    EXPECT_EQ(Op(0, 0, 29), 9);

    // The argument itself is clamped: an event's word may lie outside the table.
    RunEditor(-7);
    EXPECT_EQ(SlotShown(), "0");
    RunEditor(300);
    EXPECT_EQ(SlotShown(), "29");
}

TEST_F(ScriptEditorScreenTest, TitleEntryAndEsc) {
    Script();
    ClickButton(100, 43);
    Keys({46, "Market Elder", 13});
    RunEditor();
    EXPECT_STREQ(ScriptTable[0]->Record.Title, "Market Elder");
    EXPECT_TRUE(FieldShows("Market Elder", 100, 43));

    ClickButton(100, 43);
    Keys({46, "Nobody", 27});  // Esc restores; the next Esc leaves
    RunEditor();
    EXPECT_STREQ(ScriptTable[0]->Record.Title, "Market Elder");

    ClickButton(100, 43);
    Keys({46, std::string(60, 'x').c_str(), 13});
    RunEditor();
    EXPECT_EQ(std::string(ScriptTable[0]->Record.Title), std::string(56, 'x'));
}

TEST_F(ScriptEditorScreenTest, LineModesAreOneShot) {
    for (int16_t l = 0; l < 4; ++l) Line(l, 7, {int16_t(10 + l)});
    ClickButton(500, 107);  // Delete Line
    ClickRow(1, 100);       // deletes line 1 once
    ClickRow(1, 135);       // then the row is edited again
    Keys({"77", 13});
    ClickButton(500, 151);  // Copy Line
    ClickRow(0, 100);
    ClickButton(500, 173);  // Paste Line
    ClickRow(3, 100);
    ClickButton(500, 85);  // Insert Line, pressed twice: no mode
    ClickButton(500, 85);
    ClickNothing(102, 100 + 44 + 5);
    ClickButton(500, 85);  // Insert Line, then Delete Line: delete
    ClickButton(500, 107);
    ClickRow(2, 100);
    ClickButton(500, 85);  // a scroll button leaves the mode
    TapKey(40);
    ClickNothing(102, 105);
    RunEditor();
    EXPECT_EQ(Op(0, 0), 10);
    EXPECT_EQ(Op(1, 0), 77);
    EXPECT_EQ(Op(2, 0), 10);
    EXPECT_EQ(Code(3), 0);
    EXPECT_EQ(TopLine(), "1");
    EXPECT_TRUE(TextShownAt(host, "DELETE LINE!", 510, 430, 91));
    EXPECT_TRUE(TextShownAt(host, "COPY LINE!", 510, 430, 91));
    EXPECT_TRUE(TextShownAt(host, "PASTE LINE!", 510, 430, 91));
}

TEST_F(ScriptEditorScreenTest, InsertNeverLosesAUsedLine399) {
    Line(0, 7, {1});
    Line(399, 1, {}, "last words");
    ClickButton(500, 85);
    ClickRow(0, 100);
    TapKey(13);
    RunEditor();
    EXPECT_EQ(SecondLineOfBox(host, "Line 399 is in use: no line"), "can be inserted.");
    EXPECT_EQ(Code(0), 7);
    EXPECT_EQ(TextOf(399), "last words");

    Line(399, 0);
    ClickButton(500, 85);
    ClickRow(0, 100);
    RunEditor();
    EXPECT_EQ(Code(0), 0);
    EXPECT_EQ(Code(1), 7);
}

TEST_F(ScriptEditorScreenTest, ScriptButtonsCheckInOrder) {
    Line(0, 1, {}, "three's text", 3);
    SetFieldText(Script(3).Record.Title, "Three");
    Line(5, 13, {1, 2, 3, 4}, nullptr, 4);
    ClickButton(510, 264);  // Paste before any Copy
    TapKey(13);
    ClickButton(510, 242);  // Copy Script marks 3
    TapKey(13);
    ClickButton(510, 264);  // onto itself
    TapKey(13);
    TapKey('N');
    ClickButton(510, 264);  // onto 4
    TapKey('Y');
    TapKey('P');
    ClickButton(510, 220);  // Erase 3, the source
    TapKey('Y');
    TapKey('N');
    ClickButton(510, 264);
    TapKey(13);
    RunEditor(3);

    EXPECT_EQ(
        Boxes({"ERROR! No source script", "This script marked", "ERROR! Source and destination", "Really Paste Script?",
               "Really Erase Script?", "ERROR! Source script"}),
        (std::vector<std::string>{"ERROR! No source script", "This script marked", "ERROR! Source and destination",
                                  "Really Paste Script?", "Really Erase Script?", "ERROR! Source script"}));
    EXPECT_EQ(SecondLineOfBox(host, "ERROR! No source script"), "has been selected yet!.");
    EXPECT_EQ(SecondLineOfBox(host, "This script marked"), "as the SOURCE script.");
    EXPECT_EQ(SecondLineOfBox(host, "ERROR! Source and destination"), "scripts are the same!.");
    EXPECT_EQ(SecondLineOfBox(host, "ERROR! Source script"), "does not exist!.");
    EXPECT_FALSE(ScriptTable[3]);
    EXPECT_EQ(CurrentLevel.ScriptTable[3], 0u);
    EXPECT_STREQ(ScriptTable[4]->Record.Title, "Three");
    EXPECT_EQ(TextOf(0, 4), "three's text");
    EXPECT_EQ(Code(5, 4), 0);
    for (int32_t y : {222, 244, 266}) EXPECT_TRUE(Shows(BackSurface, 490, y, UiIcons[57])) << y;
}

TEST_F(ScriptEditorScreenTest, ErasingAnEmptySlotSaysSo) {
    TapKey(13);
    Run([] { EraseScript(8); });
    EXPECT_TRUE(TextShownAt(host, "ERROR! Trying to erase", 80, 90));
    EXPECT_EQ(SecondLineOfBox(host, "ERROR! Trying to erase"), "non existant script!");
}

TEST_F(ScriptEditorScreenTest, EditedScriptsSurviveTheLevelFile) {
    Line(0, 13, {12, 5, 3, 9});
    Line(1, 1, {}, "Well met, %N!");
    ClickButton(100, 43);
    Keys({46, "Ferryman", 13});
    ClickRow(2, 15);  // code cell of line 2: Give Gp
    ClickAt(330 + 5, 50 + 5);
    ClickRow(2, 145);
    Keys({"250", 13});
    ClickRow(3, 15);
    ClickAt(485 + 5, 50 + 5);  // BLA
    ClickRow(3, 100);
    Keys({"black", 13});
    ClickButton(585, 41);
    ClickButton(500, 402);  // the template on slot 1
    TapKey('Y');
    RunEditor();

    const std::vector<uint8_t> before = LevelFileImage();
    ASSERT_TRUE(WriteLevelFile(LevelFilePath(7)));
    FreeLevelEventsAndScripts(0);
    ASSERT_EQ(LoadLevel(7, 1, 0), 1u);
    EXPECT_EQ(LevelFileImage(), before);
    EXPECT_STREQ(ScriptTable[0]->Record.Title, "Ferryman");
    EXPECT_EQ(TextOf(1), "Well met, %N!");
    EXPECT_EQ(Code(2), 23);
    EXPECT_EQ(Op(2, 0), 250);
    EXPECT_EQ(Code(3), 39);
    EXPECT_EQ(TextOf(3), "black");
    EXPECT_EQ(TextOf(8, 1), "1. Accept Quest");
    for (int16_t l = 0; l < kScriptLines; ++l) {
        EXPECT_EQ(ScriptTable[0]->Record.Text[l], ScriptTable[0]->LineText[size_t(l)] ? 1u : 0u) << l;
    }
}

}  // namespace
