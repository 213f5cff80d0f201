// Importing sections of ScriptImport.txt: the reading from memory, then the file and the
// marker picker on the screen.
#include "kit/script/script_import.h"

#include <fstream>
#include <vector>

#include "tests/kit/script_editor_test.h"

namespace {

class ScriptImportTest : public ScriptEditorTest {
protected:
    // Imports marker `marker` of the text onto the line; the import's answer.
    int Import(std::string_view file, int16_t marker, int16_t line) {
        ImportMarkerList list;
        ListImportMarkers(file, list);
        return ImportScriptMarker(file, list, marker, 0, line);
    }
    static std::vector<std::string> Names(std::string_view file) {
        ImportMarkerList list;
        ListImportMarkers(file, list);
        std::vector<std::string> names;
        for (int16_t i = 0; i < list.Count; ++i) names.emplace_back(list.Names[size_t(i)].data());
        return names;
    }
    // Code and text of lines from..to.
    static std::vector<std::pair<int16_t, std::string>> Lines(int16_t from, int16_t to) {
        std::vector<std::pair<int16_t, std::string>> lines;
        for (int16_t l = from; l <= to; ++l) lines.emplace_back(Code(l), TextOf(l));
        return lines;
    }
    static void WriteImportFile(std::string_view text, const char* name = "ScriptImport.txt") {
        std::ofstream(name, std::ios::binary) << text;
    }
};

using L = std::vector<std::pair<int16_t, std::string>>;

TEST_F(ScriptImportTest, SectionsBecomeLines) {
    Line(5, 3, {}, "old");
    Line(6, 13, {1, 2});
    EXPECT_EQ(Import("%greeting\nHello there\n%next\nnot this\n", 0, 5), 1);
    EXPECT_EQ(Lines(5, 7), (L{{3, "Hello there"}, {1, ""}, {13, "(none)"}}));

    // Leading blanks dropped, inner ones kept; answers 1..5 blue; the first line keeps its code.
    Line(10, 1, {}, "x");
    EXPECT_EQ(Import("%m\n1. Yes\n   two  words\n3. Maybe\n6. Six\n\n5 five", 0, 10), 1);
    EXPECT_EQ(Lines(10, 15),
              (L{{1, "1. Yes"}, {1, "two  words"}, {2, "3. Maybe"}, {1, "6. Six"}, {1, ""}, {2, "5 five"}}));
}

TEST_F(ScriptImportTest, WordWrapAtFiftySix) {
    const std::string words = "The old ferryman leans on his pole and studies your weary face a while.";  // 71
    Line(0, 1, {}, "x");
    Import("%a\n" + words, 0, 0);
    EXPECT_EQ(Lines(0, 1),
              (L{{1, "The old ferryman leans on his pole and studies your "}, {1, "weary face a while."}}));

    // A run without a blank is cut hard at 56, and goes on in the next line.
    Line(0, 1, {}, "x");
    Import("%a\n" + std::string(70, 'x') + "\nafter", 0, 0);
    EXPECT_EQ(Lines(0, 2), (L{{1, std::string(56, 'x')}, {1, std::string(14, 'x')}, {1, "after"}}));

    // A full line ended by a line end, the next marker or the end of the file is one line.
    const std::string full = "Fifty-six characters exactly, ending inside a word: abcd";  // 56
    ASSERT_EQ(full.size(), 56u);
    for (const std::string& end : {std::string("\nnext"), std::string("%b\n"), std::string()}) {
        for (int16_t l = 0; l < 4; ++l) Line(l, 0);
        Line(0, 1, {}, "x");
        Import("%a\n" + full + end, 0, 0);
        EXPECT_EQ(TextOf(0), full) << end;
        EXPECT_EQ(TextOf(1), end == "\nnext" ? "next" : "(none)") << end;
    }

    // A carriage return inside the cut word is skipped and given back with it.
    Line(0, 1, {}, "x");
    Import("%a\n" + std::string(50, 'a') + " bc\rdefgh", 0, 0);
    EXPECT_EQ(Lines(0, 1), (L{{1, std::string(50, 'a') + " "}, {1, "bcdefgh"}}));

    // A blank after a full line is the next line's leading blank.
    Line(0, 1, {}, "x");
    Import("%a\n" + std::string(56, 'y') + " z", 0, 0);
    EXPECT_EQ(Lines(0, 1), (L{{1, std::string(56, 'y')}, {1, "z"}}));
}

TEST_F(ScriptImportTest, MarkersListedAndFound) {
    const std::string longName(30, 'n');
    EXPECT_EQ(Names("%" + longName + "\ntext"), (std::vector<std::string>{std::string(21, 'n')}));
    std::string ten;
    for (int i = 0; i < 10; ++i) ten += "%m" + std::to_string(i) + "\nline " + std::to_string(i) + "\n";
    EXPECT_EQ(Names(ten).size(), 9u);  // the picker lists nine
    EXPECT_EQ(Names(ten).back(), "m8");

    // A '%' inside a name is part of it; each marker's section is found from its own place.
    EXPECT_EQ(Names("%a%b\nfirst\n%c\nsecond"), (std::vector<std::string>{"a%b", "c"}));
    Line(0, 1, {}, "x");
    Import("%a%b\nfirst\n%c\nsecond", 1, 0);
    EXPECT_EQ(TextOf(0), "second");

    // Line ends of either kind.
    Line(0, 1, {}, "x");
    Import("%a\r\none\r\ntwo\r\n", 0, 0);
    EXPECT_EQ(Names("%a\r\n").front(), "a");
    EXPECT_EQ(Lines(0, 2), (L{{1, "one"}, {1, "two"}, {1, ""}}));

    Line(0, 1, {}, "x");
    EXPECT_EQ(Import("%a\nb", 3, 0), 1);  // a marker not listed: nothing
    EXPECT_EQ(TextOf(0), "x");
}

TEST_F(ScriptImportTest, TheEndOfTheScript) {
    // From line 390: 398 is the last line written; the rest is left out.
    Line(390, 1, {}, "x");
    std::string many = "%a\n";
    for (int i = 0; i < 12; ++i) many += "line " + std::to_string(i) + "\n";
    EXPECT_EQ(Import(many, 0, 390), 0);
    EXPECT_EQ(TextOf(398), "line 8");
    EXPECT_EQ(Code(399), 0);

    // A section ending on line 398 is whole, whatever empty lines would follow.
    for (const char* section : {"%a\np\nq\nr", "%a\np\nq\nr\n", "%a\np\nq\nr\n\n  \n%b"}) {
        for (int16_t l = 396; l < 400; ++l) Line(l, 0);
        Line(396, 1, {}, "x");
        EXPECT_EQ(Import(section, 0, 396), 1) << section;
        EXPECT_EQ(Lines(396, 399), (L{{1, "p"}, {1, "q"}, {1, "r"}, {0, "(none)"}})) << section;
    }

    // Begun on line 399, the import writes that line and nothing past it.
    Line(399, 2, {}, "x");
    EXPECT_EQ(Import("%a\nonly\nmore", 0, 399), 0);
    EXPECT_EQ(TextOf(399), "only");
    EXPECT_EQ(Code(399), 2);

    // A used line 399 is never pushed out: the clicked line takes the first line, nothing moves.
    Line(10, 1, {}, "x");
    Line(11, 7, {4});
    EXPECT_EQ(Import("%a\none\ntwo", 0, 10), 0);
    EXPECT_EQ(Lines(10, 11), (L{{1, "one"}, {7, "(none)"}}));
    EXPECT_EQ(TextOf(399), "only");
    EXPECT_EQ(Import("%a\nthree\n", 0, 10), 1);  // only an empty line left out
    EXPECT_EQ(TextOf(10), "three");
}

TEST_F(ScriptImportTest, FromTheFileThroughThePicker) {
    Line(2, 1, {}, "click me");
    ClickAt(460 + 7, 100 + 44 + 7);  // the import icon of row 2
    TapKey(13);
    RunEditor();
    EXPECT_TRUE(TextShownAt(host, "'ScriptImport.txt' not found!", 150, 200));
    EXPECT_EQ(TextOf(2), "click me");

    const std::string longName = "A marker name thirty chars lon";
    WriteImportFile("%" + longName + "\nfirst section\n%Second\nsecond section\n%Third\nthird section",
                    "scriptimport.txt");
    ClickAt(460 + 7, 100 + 44 + 7);
    TapKey('2');
    RunEditor();
    EXPECT_EQ(Lines(2, 4), (L{{1, "second section"}, {1, ""}, {0, "(none)"}}));
    EXPECT_TRUE(ButtonShownAt(host, longName.substr(0, 21), 130, 75, 10));
    EXPECT_TRUE(ButtonShownAt(host, "Third", 130, 125, 10));
    EXPECT_TRUE(TextShownAt(host, "3", 100, 130));
    EXPECT_TRUE(ButtonShownAt(host, "Cancel", 130, 370, 3));
    EXPECT_TRUE(TextShownAt(host, "Select a marker:", 65 + 160 - 80, 25, 273));

    ClickAt(460 + 7, 100 + 44 + 7);
    ClickAt(130 + 5, 370 + 5);  // Cancel
    ClickAt(460 + 7, 100 + 44 + 7);
    TapKey(27);
    ClickAt(460 + 7, 100 + 44 + 7);
    ClickAt(130 + 150, 75 + 7);  // the first marker's button, far along
    RunEditor();
    EXPECT_EQ(Lines(2, 5), (L{{1, "first section"}, {1, ""}, {1, ""}, {0, "(none)"}}));

    // Cut short at the end of the script: the box, after the lines that went in.
    WriteImportFile("%Long\na\nb\nc\nd\ne\n", "scriptimport.txt");
    Line(396, 1, {}, "x");
    TapKey(35);
    ClickAt(460 + 7, 100 + 22 * 8 + 7);  // line 396 on the last page
    TapKey('1');
    TapKey(13);
    RunEditor();
    EXPECT_EQ(SecondLineOfBox(host, "Error! End of script"), "encountered! Import aborted!");
    EXPECT_EQ(Lines(396, 399), (L{{1, "a"}, {1, "b"}, {1, "c"}, {0, "(none)"}}));

    // Over a megabyte is not read.
    WriteImportFile(std::string(kImportFileLimit + 1, 'x'), "scriptimport.txt");
    ClickAt(460 + 7, 100 + 44 + 7);
    TapKey(13);
    RunEditor();
    EXPECT_EQ(SecondLineOfBox(host, "'ScriptImport.txt' is over"), "1 MB: it is not read!");
    EXPECT_EQ(TextOf(2), "first section");
}

}  // namespace
