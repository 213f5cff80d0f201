// Editing a line on its row: every field of every code, the code change, the text chain, and
// lines as a damaged file may hold them.
#include <vector>

#include "data/campaign_tables.h"
#include "data/item_records.h"
#include "data/monster_records.h"
#include "data/text_field.h"
#include "platform/display.h"
#include "tests/kit/script_editor_test.h"
#include "tests/support/surface_match.h"

namespace {

class ScriptLineEditTest : public ScriptEditorTest {
protected:
    static constexpr int16_t kRow = 7;  // line 7 on row 7, fields at y 254
    static constexpr int32_t kY = 100 + 22 * kRow;

    // The last text drawn at (x, y).
    std::string Last(int32_t x, int32_t y) const {
        for (size_t i = host.texts.size(); i-- > 0;)
            if (host.texts[i].x == x && host.texts[i].y == y) return host.texts[i].text;
        return "(nothing)";
    }
    // What the field at x on the row showed last.
    std::string FieldText(int32_t x) const { return Last(x + 10, kY + 6); }
    void ClickCodeCell() { ClickRow(kRow, 15); }
};

// A field by its click area: E an entry lo..hi, C a cycle 0..hi, T a toggle.
struct Field {
    char kind;
    int16_t x;
    int op;
    int16_t lo, hi;
};
struct CodeFields {
    int16_t code;
    std::vector<Field> fields;
};

// The click areas of every code's fields, by hand from the editor's table (1d5's marks take
// -1 like every other jump; TEL takes only places inside the world).
const CodeFields kFields[] = {
    {4,
     {{'E', 135, 0, -1, 1000},
      {'E', 210, 1, -1, 1000},
      {'E', 285, 2, -1, 1000},
      {'E', 360, 3, -1, 1000},
      {'E', 435, 4, -1, 1000}}},
    {5, {{'E', 135, 0, -1, 99}}},
    {6, {{'E', 145, 0, -1, 99}, {'E', 220, 1, -1, 99}}},
    {7, {{'E', 135, 0, -1, 1000}}},
    {10, {{'E', 135, 0, 0, 7999}, {'C', 210, 1, 0, 2}, {'E', 285, 2, -1, 999}}},
    {11, {{'E', 135, 0, 0, 199}, {'C', 210, 1, 0, 3}}},
    {12, {{'E', 135, 0, -1, 713}, {'E', 245, 1, -1, 5000}, {'E', 345, 2, -1, 7999}}},
    {13, {{'E', 135, 0, -1, 7999}, {'C', 210, 1, 0, 5}, {'E', 285, 2, -1, 999}, {'E', 360, 3, -1, 1000}}},
    {14, {{'E', 185, 0, -1, 99}, {'E', 260, 1, -1, 1000}}},
    {15, {{'E', 135, 0, -1, 713}, {'E', 205, 2, -1, 713}, {'E', 255, 3, -1, 713}, {'E', 330, 1, -1, 1000}}},
    {16, {{'E', 135, 0, -1, 713}, {'E', 230, 1, -1, 1000}}},
    {17, {{'C', 135, 0, 0, 1}, {'E', 240, 1, -1, 1000}}},
    {18, {{'E', 135, 0, 0, 199}, {'C', 210, 1, 0, 3}, {'E', 340, 2, -1, 1000}}},
    {19, {{'C', 135, 0, 0, 6}, {'E', 250, 1, -1, 99}, {'E', 325, 2, -1, 1000}}},
    {20, {{'C', 135, 0, 0, 11}, {'E', 260, 1, -1, 99}, {'E', 335, 2, -1, 1000}}},
    {21, {{'E', 135, 0, -1, 7999}, {'C', 210, 1, 0, 5}, {'E', 285, 2, -1, 999}, {'E', 425, 3, -1, 7999}}},
    {22, {{'E', 350, 0, -1, 1000}}},
    {23, {{'E', 145, 0, -1, 5000}}},
    {24, {{'E', 145, 0, -1, 5000}}},
    {25, {{'E', 135, 0, 0, 713}, {'E', 230, 1, -1, 99}, {'E', 305, 2, -1, 99}}},
    {26, {{'E', 135, 0, -1, 99}}},
    {27, {{'C', 165, 0, 0, 9}}},
    {28, {{'C', 135, 0, 0, 14}, {'E', 250, 1, -1, 99}}},
    {29, {{'C', 135, 0, 0, 11}, {'E', 270, 1, -1, 99}}},
    {30, {{'C', 130, 0, 0, 4}, {'E', 230, 1, 0, 50}, {'E', 310, 2, 0, 50}, {'E', 390, 3, 0, 50}}},
    {31, {{'E', 205, 0, 0, 49}, {'E', 285, 1, 0, 49}}},
    {32, {{'E', 150, 0, -1, 9999}, {'E', 235, 1, -1, 1000}}},
    {34, {{'E', 135, 0, -1, 713}, {'T', 200, 1, 0, 1}}},
    {35, {{'E', 135, 0, -1, 99}, {'E', 210, 1, -1, 1000}}},
    {36, {{'E', 135, 0, 0, 129}, {'E', 215, 2, 0, 49}, {'E', 290, 3, 0, 49}}},
    {37, {{'C', 135, 0, 0, 4}}},
    {38, {{'C', 185, 0, 0, 1}}},
    {41, {{'C', 135, 0, 0, 4}}},
    {42, {{'E', 155, 0, 0, 100}}},
    {43, {{'C', 155, 0, 0, 9}}},
    {45, {{'E', 140, 0, 0, 299}, {'E', 220, 1, 0, 49}, {'E', 280, 2, 0, 49}, {'T', 353, 3, 0, 1}}},
    {48, {{'E', 185, 0, 0, 5000}, {'E', 260, 1, -1, 1000}}},
    {49, {{'E', 205, 0, 0, 7999}, {'E', 280, 1, -1, 1000}}},
    {51, {{'C', 260, 0, 0, 25}}},
    {53,
     {{'E', 195, 0, -1, 99},
      {'E', 240, 1, -1, 99},
      {'E', 285, 2, -1, 99},
      {'E', 330, 3, -1, 99},
      {'E', 375, 4, -1, 99}}},
    {54, {{'E', 145, 0, -1, 1000}, {'C', 240, 1, 0, 5}, {'E', 315, 2, -1, 999}, {'E', 390, 3, -1, 1000}}},
    {55, {{'E', 145, 0, -1, 1000}, {'C', 240, 1, 0, 5}, {'C', 320, 2, 0, 6}, {'E', 440, 3, -1, 1000}}},
    {56, {{'E', 145, 0, -1, 1000}, {'C', 240, 1, 0, 5}, {'C', 320, 2, 0, 10}, {'E', 440, 3, -1, 1000}}},
    {57, {{'E', 135, 0, 0, 7999}, {'C', 210, 1, 0, 2}, {'E', 285, 2, -1, 7999}}},
    {58, {{'E', 195, 0, 0, 299}, {'E', 260, 1, 0, 299}, {'C', 350, 2, 0, 1}}},
    {59, {{'E', 155, 0, 0, 49}, {'E', 295, 1, 0, 49}}},
    {60, {{'E', 245, 0, 0, 7999}}},
    {61, {{'E', 385, 0, 0, 20}}},
    {62, {{'E', 170, 0, -1, 50}, {'E', 315, 1, -1, 713}, {'E', 400, 2, -1, 99}}},
    {63, {{'E', 245, 0, 0, 1000}}},
    {64, {{'E', 150, 0, -1, 9999}, {'E', 235, 1, -1, 1000}}},
    {66, {{'C', 105, 0, 0, 12}}},
};

// Each code twice: every entry typed too high and then too low (a field from 0 ignores the
// minus key, so "-9" gives 9), every cycle stepped from 0 and from its last value, every
// toggle from 0 and from another value.
TEST_F(ScriptLineEditTest, EveryFieldOfEveryCode) {
    for (const CodeFields& c : kFields) {
        for (const bool high : {true, false}) {
            std::array<int16_t, 5> start{};
            for (const Field& f : c.fields) {
                if (f.kind == 'C' && !high) start[size_t(f.op)] = f.hi;
                if (f.kind == 'T' && !high) start[size_t(f.op)] = 5;
            }
            Line(kRow, c.code, start, c.code == 22 ? "answer" : nullptr);
            for (const Field& f : c.fields) {
                ClickRow(kRow, f.x);
                if (f.kind == 'E') Keys({high ? "99999" : "-9", 13});
            }
            RunEditor();
            for (const Field& f : c.fields) {
                int16_t expected = 0;
                if (f.kind == 'E') expected = high ? f.hi : f.lo < 0 ? int16_t(-1) : int16_t(9);
                if (f.kind != 'E') expected = high ? 1 : 0;
                EXPECT_EQ(Op(kRow, f.op), expected)
                    << "code " << c.code << " field at " << f.x << (high ? " high" : " low");
            }
            EXPECT_EQ(Code(kRow), c.code);
        }
    }
}

TEST_F(ScriptLineEditTest, CyclesOverTheirNames) {
    Line(kRow, 20);  // ISK: twelve skills
    for (int i = 0; i < 11; ++i) ClickRow(kRow, 135);
    RunEditor();
    EXPECT_EQ(Op(kRow, 0), 11);
    EXPECT_EQ(FieldText(135), "Targeteer");
    ClickRow(kRow, 135);
    RunEditor();
    EXPECT_EQ(Op(kRow, 0), 0);
    EXPECT_EQ(FieldText(135), "Armsmaster");

    Line(kRow, 56);  // rSK: eleven, never Targeteer
    for (int i = 0; i < 11; ++i) ClickRow(kRow, 320);
    host.texts.clear();
    RunEditor();
    EXPECT_EQ(Op(kRow, 2), 0);
    EXPECT_FALSE(Shown("Targeteer"));

    Line(kRow, 28, {13});  // GST: Stat Pts, then back to Combat
    ClickRow(kRow, 135);
    RunEditor();
    EXPECT_EQ(FieldText(135), "Stat Pts");
    ClickRow(kRow, 135);
    RunEditor();
    EXPECT_EQ(FieldText(135), "Combat");

    const struct {
        int16_t code;
        std::array<int16_t, 5> ops;
        int32_t x;
        std::string shown;
    } names[] = {
        {11, {0, 3}, 205, "Cancelled"},
        {17, {1}, 140, "Female"},
        {19, {6}, 135, "Perception"},
        {27, {9}, 165, "Clutz"},
        {30, {3}, 130, "Shrink"},
        {37, {2}, 135, "Afflictions"},
        {38, {1}, 185, "VexWin2"},
        {41, {4}, 135, "Fire"},
        {41, {0}, 135, "Physical"},
        {43, {8}, 155, "Eel tattoo"},
        {51, {25}, 260, "Hit"},
        {51, {0}, 260, "None!"},
        {58, {0, 0, 1}, 350, "Spell circle"},
        {28, {9}, 135, "Elec Resist"},
        {45, {0, 0, 0, 3}, 353, "Right"},
        {34, {0, 0}, 200, "Taken"},
        {34, {0, 1}, 200, "Discarded"},
        {34, {0, 7}, 200, "Discarded"},
        {50, {1, 40}, 200, "Traitor, Heretic"},
        {50, {0, 41}, 200, "ALL"},
        {50, {0, 5}, 100, "Rune"},
    };
    for (const auto& n : names) {
        Line(kRow, n.code, n.ops);
        host.texts.clear();
        RunEditor();
        EXPECT_EQ(FieldText(n.x), n.shown) << n.code;
    }
}

TEST_F(ScriptLineEditTest, OperatorsAndNamesBeside) {
    SetFieldText(ItemTable[5].ItemName, "Blue Potion");
    SetFieldText(MonsterTable[12].MonsterName, "Marsh Troll");
    SetFieldText(QuestTextTable[3].Line[0], "The Lost Ring");
    const struct {
        int16_t code;
        std::array<int16_t, 5> ops;
        std::string text;
        int32_t x;
        int16_t colour;
        int32_t y;  // from the row's fields
    } shown[] = {
        {13, {1, 4, 0, 0}, "!=", 220, 0, 6},
        {21, {1, 5}, "==", 220, 0, 6},
        {10, {1, 1}, "+=", 220, 0, 6},
        {57, {1, 2}, "-=", 220, 0, 6},
        {54, {6, 0}, " >", 250, 0, 6},
        {15, {5}, "Blue Potion", 375, 182, 5},
        {16, {5}, "Blue Potion", 285, 182, 5},
        {25, {5}, "Blue Potion", 350, 182, 5},
        {34, {5}, "Blue Potion", 290, 182, 5},
        {12, {5}, "Blue Potion", 390, 182, 5},
        {45, {12}, "Marsh Troll", 400, 182, 5},
        {11, {3}, "The Lost Ring", 295, 182, 5},
        {50, {0, 17}, "17", 360, 91, 4},
        {40, {}, "Instantly Kill PC here!", 100, 91, 5},
        {44, {}, std::string(51, '-'), 100, 91, 5},
        {5, {}, "Mark          " + std::string(48, '/'), 100, 182, 5},
        {41, {0, 2, 6, 1}, "2d6+1", 295, 0, 6},
        {62, {}, "CXI", 25, 0, 6},
        {54, {}, "rnd", 25, 0, 6},
        {0, {}, "   ", 25, 0, 6},
    };
    for (const auto& s : shown) {
        Line(kRow, s.code, s.ops);
        host.texts.clear();
        RunEditor();
        EXPECT_TRUE(TextShownAt(host, s.text, s.x, kY + s.y, s.colour)) << s.code << " " << s.text;
    }
    // No item, monster or quest name for none, nor for a number past the tables.
    for (int16_t item : {-1, 714, 30000}) {
        Line(kRow, 15, {item});
        Line(kRow + 1, 45, {item});
        Line(kRow + 2, 11, {item});
        host.texts.clear();
        RunEditor();
        EXPECT_EQ(Last(375, kY + 5), "(nothing)") << item;
        EXPECT_EQ(Last(400, kY + 22 + 5), "(nothing)") << item;
        EXPECT_EQ(Last(295, kY + 44 + 5), "(nothing)") << item;
    }
}

TEST_F(ScriptLineEditTest, SpecialFields) {
    // GRH: the kind resets the symbol; the chooser lists the kind's 42 names.
    Line(kRow, 50, {0, 5});
    ClickRow(kRow, 100);
    RunEditor();
    EXPECT_EQ(Op(kRow, 0), 1);
    EXPECT_EQ(Op(kRow, 1), 0);
    EXPECT_EQ(FieldText(200), "None");
    ClickRow(kRow, 200);
    ClickAt(215, 145 + 20 * 3);  // the fourth row of the list
    RunEditor();
    EXPECT_EQ(Op(kRow, 1), 3);
    EXPECT_EQ(FieldText(200), "Travel to");
    ClickRow(kRow, 200);
    TapKey(27);  // Esc keeps the symbol
    RunEditor();
    EXPECT_EQ(Op(kRow, 1), 3);

    // TEL: operand 1 is neither shown nor changed.
    Line(kRow, 36, {4, 77, 5, 6});
    for (int16_t x : {135, 215, 290}) {
        ClickRow(kRow, x);
        Keys({"3", 13});
    }
    RunEditor();
    EXPECT_EQ(Op(kRow, 1), 77);
    EXPECT_EQ(Last(185, kY + 6), "(nothing)");
    EXPECT_FALSE(Shown("77"));

    // DAM: the dice dialog, kept on the screen on the last row.
    Line(11, 41, {2, 1, 6, 0});
    ClickRow(11, 285);
    ClickAt(155, 320 + 55);
    Keys({"3", 13, 'O'});
    RunEditor();
    EXPECT_EQ(Op(11, 1), 3);
    EXPECT_EQ(Op(11, 2), 6);
    EXPECT_TRUE(TextShownAt(host, "Damage", 210, 320 + 13, 273));

    // The item and monster pickers keep the operand when nothing is chosen.
    Line(kRow, 25, {42, 1, 2});
    Line(kRow + 1, 45, {17, 3, 4, 0});
    ClickAt(175 + 7, kY - 1 + 7);
    TapKey(27);  // the item editor's Cancel
    ClickAt(180 + 7, kY + 22 - 1 + 7);
    ClickAt(385, 98);  // the monster picker: one step on, then Quit
    TapKey('Q');
    RunEditor();
    EXPECT_EQ(Op(kRow, 0), 42);
    EXPECT_EQ(Op(kRow + 1, 0), 17);
    EXPECT_TRUE(Shows(BackSurface, 175, kY - 1, UiIcons[35]));
    EXPECT_TRUE(Shows(BackSurface, 180, kY + 22 - 1, UiIcons[35]));
    ClickAt(175 + 7, kY - 1 + 7);
    TapKey('S');  // Select: the item the editor opens on, the first amulet
    RunEditor();
    EXPECT_EQ(Op(kRow, 0), 30);
}

TEST_F(ScriptLineEditTest, CodeChangeRules) {
    const struct {
        int16_t from;
        const char* text;
        int32_t pickX, pickY;  // the new code's button in the picker
        int16_t to;
        std::string textAfter;
        int16_t op0After;
    } cases[] = {
        {1, "Welcome, traveller.", 20, 92, 2, "Welcome, traveller.", 4},  // TXT to BTX
        {1, "A text longer than an answer can be", 175, 239, 22, "A text longer than an answer can be",
         0},                                            // TXT to IAN
        {13, nullptr, 20, 71, 1, "", 0},                // IFL to TXT
        {22, "yes", 175, 50, 13, "(none)", 0},          // IAN to IFL
        {13, nullptr, 175, 50, 13, "(none)", 4},        // the same code
        {1, "gone", 20, 50, 0, "(none)", 0},            // <<none>>
        {39, "dark", 20, 50 + 21 * 7, 7, "(none)", 0},  // BLA to GOT
    };
    for (const auto& c : cases) {
        Line(kRow, c.from, {4, 5, 6, 7, 8}, c.text);
        ClickCodeCell();
        ClickAt(c.pickX + 70, c.pickY + 7);
        RunEditor();
        EXPECT_EQ(Code(kRow), c.to) << c.from << " to " << c.to;
        EXPECT_EQ(TextOf(kRow), c.textAfter) << c.from << " to " << c.to;
        EXPECT_EQ(Op(kRow, 0), c.op0After) << c.from << " to " << c.to;
        EXPECT_EQ(ScriptTable[0]->Record.Text[kRow], c.textAfter == "(none)" ? 0u : 1u);
    }
    Line(kRow, 7, {12});
    ClickCodeCell();
    TapKey(27);  // the picker's Esc keeps the line
    RunEditor();
    EXPECT_EQ(Code(kRow), 7);
    EXPECT_EQ(Op(kRow, 0), 12);
}

TEST_F(ScriptLineEditTest, TabGoesOnInANewLineOfTheSameColour) {
    Line(4, 2, {}, "first");
    Line(5, 13, {1, 2, 3, 4});
    ClickAt(170, 100 + 22 * 4 + 5);  // the cursor after "first"
    Keys({" line", 9, "second line", 9, "third", 13});
    RunEditor();
    EXPECT_EQ(TextOf(4), "first line");
    EXPECT_EQ(Code(5), 2);
    EXPECT_EQ(TextOf(5), "second line");
    EXPECT_EQ(Code(6), 2);
    EXPECT_EQ(TextOf(6), "third");
    EXPECT_EQ(Code(7), 13);
    EXPECT_EQ(Op(7, 3), 4);

    // Tab with an empty line below: the new line is there at once, empty.
    Line(0, 1, {}, "x");
    ClickRow(0, 100);
    Keys({9, 27});
    RunEditor();
    EXPECT_EQ(Code(1), 1);
    EXPECT_EQ(TextOf(1), "");

    // On line 399 the chain ends; a used line 399 is never pushed out.
    Line(399, 3, {}, "end");
    Line(398, 1, {}, "pen");
    TapKey(35);
    ClickRow(11, 100);
    Keys({9});
    ClickRow(10, 100);
    Keys({9, 13});
    RunEditor();
    EXPECT_EQ(TextOf(399), "end");
    EXPECT_EQ(Code(399), 3);
    EXPECT_EQ(TextOf(398), "pen");
    EXPECT_EQ(Code(397), 0);
    EXPECT_EQ(SecondLineOfBox(host, "Line 399 is in use: no line"), "can be inserted.");

    // An entry below the last row edits blind: nothing is drawn off the screen.
    Line(399, 0);
    Line(398, 0);
    for (int16_t l = 0; l < 12; ++l) Line(l, 1, {}, "t");
    ClickRow(11, 100);
    Keys({9, "a", 9, "b", 9, "c", 9, "d", 9, "e", 9, "f", 9, "g", 9, "h", 13});
    RunEditor();
    EXPECT_EQ(TextOf(11), "t");
    EXPECT_EQ(TextOf(19), "h");
    EXPECT_EQ(Code(19), 1);
    EXPECT_EQ(Code(20), 0);
}

TEST_F(ScriptLineEditTest, LinesAsADamagedFileMayHoldThem) {
    Line(0, 99, {1, 2});  // an unknown code: its number, no fields
    Line(1, 19, {20});    // a stat past the list: an empty field that cycles to 0
    Line(2, 22, {5});     // IAN and BLA without a text: empty fields
    Line(3, 39);
    Line(4, 51, {-3});
    ClickNothing(137, 100 + 5);
    ClickRow(1, 135);
    ClickRow(4, 260);
    RunEditor();
    EXPECT_TRUE(FieldShows("99", 15, 100));
    EXPECT_EQ(Op(0, 0), 1);
    EXPECT_EQ(Op(1, 0), 0);
    EXPECT_EQ(Op(4, 0), 0);
    EXPECT_TRUE(TextShownAt(host, "Combat", 145, 122 + 6));
    EXPECT_FALSE(Shown("Error! Script TxtPtr should"));

    ClickRow(2, 100);
    Keys({"yes", 13});
    ClickRow(3, 100);
    Keys({13});
    RunEditor();
    EXPECT_EQ(TextOf(2), "yes");
    EXPECT_EQ(TextOf(3), "");

    // A text line without its text: the box on every drawing, until the field gives it one.
    Line(5, 2);
    TapKey(13);
    ClickRow(5, 100);
    Keys({"mended", 13});
    RunEditor();
    EXPECT_EQ(TextOf(5), "mended");
    EXPECT_EQ(SecondLineOfBox(host, "Error! Script TxtPtr should"), "not be NULL!");
    EXPECT_EQ(std::count_if(host.texts.begin(), host.texts.end(),
                            [](const host::TextRecord& t) { return t.text == "Error! Script TxtPtr should"; }),
              1);
}

}  // namespace
