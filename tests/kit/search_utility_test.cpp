// The "SEARCH Utility!" screen end to end: modes, fields, the count line, the report files,
// the free tile list and the edited level reloaded on leaving.
#include "kit/level/search_utility.h"

#include <filesystem>

#include "data/item_records.h"
#include "data/monster_records.h"
#include "data/text_field.h"
#include "platform/display.h"
#include "platform/keys.h"
#include "platform/tabs.h"
#include "tests/data/texts_shown.h"
#include "tests/kit/audit_levels.h"
#include "tests/support/surface_match.h"

namespace fs = std::filesystem;

namespace {

class SearchUtilityTest : public AuditLevelsTest {
protected:
    void SetUp() override {
        AuditLevelsTest::SetUp();
        OpenDisplay();
    }
    void Search(int16_t editedLevel = 1) {
        TapKey(kEsc);
        Run([&] { RunSearchUtility(editedLevel); });
    }
    void Mode(int mode) { ClickAt(30 + 60 * mode, 95); }
    void Value(const char* typed) {
        ClickAt(220, 130);
        Keys({typed, kEnter});
    }
    // The texts of the search screen (or the page of another title) as it was drawn last.
    std::vector<std::string> LastScreen(std::string_view title = "SEARCH Utility!") const {
        size_t from = 0;
        for (size_t i = 0; i < host.texts.size(); ++i)
            if (host.texts[i].text == title) from = i;
        std::vector<std::string> texts;
        for (size_t i = from; i < host.texts.size(); ++i) texts.push_back(host.texts[i].text);
        return texts;
    }
    bool OnLastScreen(const std::string& text) const {
        const auto texts = LastScreen();
        return std::find(texts.begin(), texts.end(), text) != texts.end();
    }
    static std::string Report(std::string first, std::vector<std::string> lines) {
        std::string text = first + "\n";
        for (const auto& l : lines) text += l + "\n";
        text += std::string(100 - lines.size(), '\n');
        return text;
    }
};

TEST_F(SearchUtilityTest, FlagXDumpedAndAModeChangeEmptiesTheList) {
    Put(3, 4, 1233, {{3, 55}});
    Save(1);
    TapKey(kRight);
    Value("55");
    TapKey('G');
    TapKey('D');
    TapKey(kEnter);  // the message
    Search();
    EXPECT_TRUE(TextShown(host, "M=1,X=3,Y=4"));
    EXPECT_TRUE(TextShown(host, "Number of instances: 1"));
    EXPECT_TRUE(TextShown(host, "Report Dumped to file!"));
    EXPECT_EQ(FileText("FindFlagReport.txt"), Report("Flag 55 REPORT", {"M=1,X=3,Y=4"}));

    TapKey(kRight);
    Value("55");
    TapKey('G');
    TapKey(kRight);  // on to "Item X": no list, no count, the value 0
    Search();
    EXPECT_TRUE(OnLastScreen("Search for which item?"));
    EXPECT_TRUE(OnLastScreen("0"));
    EXPECT_FALSE(OnLastScreen("M=1,X=3,Y=4"));
    for (const auto& t : LastScreen()) EXPECT_EQ(t.find("Number of instances"), std::string::npos) << t;
}

// Each tab's label stands clear inside its own tab: the three pixels at either end show the
// tab alone, "Free Flags" too.
TEST_F(SearchUtilityTest, TabLabelsStandClearInsideTheirTabs) {
    Search();
    const std::string labels[] = {"Free Flags", "Flag X",  "Item X",   "Tile X",  "Event X",
                                  "Monst X",    "Miss X",  "Gp Audit", "Xp Audit"};
    for (int i = 0; i < 9; ++i) EXPECT_TRUE(TextShownAt(host, labels[i], 31 + 60 * i, 97)) << labels[i];
    const Surface shown = Snapshot(BackSurface);
    DrawTabRow(25, 90, 9, 0, {}, 3);  // the tabs again, without their labels
    for (int i = 0; i < 9; ++i) {
        const int32_t x = 25 + 60 * i;
        EXPECT_TRUE(SameIn(shown, BackSurface, {x, 90, x + 3, 110})) << labels[i];
        EXPECT_TRUE(SameIn(shown, BackSurface, {x + 57, 90, x + 60, 110})) << labels[i];
    }
}

TEST_F(SearchUtilityTest, CountLinesByMode) {
    for (int i = 0; i < 150; ++i) Put(i / 50, i % 50, 1285);
    Save(2);
    Mode(4);
    Value("1285");
    TapKey('G');
    Search();
    EXPECT_TRUE(OnLastScreen("Number of instances: > 100"));
    EXPECT_TRUE(OnLastScreen("M=2,X=1,Y=49"));  // the hundredth

    TapKey('G');  // free flags: its own count, however large
    Search();
    EXPECT_TRUE(OnLastScreen("Number of instances: 7999"));
    EXPECT_TRUE(OnLastScreen("Free= 1-7999"));

    Put(0, 0, 1240, {{5, 231}, {7, 250}});
    Save(3);
    Mode(7);
    TapKey('G');
    TapKey('D');
    TapKey(kEnter);
    Search();
    EXPECT_TRUE(OnLastScreen("Total Gp found: 250"));
    EXPECT_EQ(SecondLineOfBox(host, "The audits have no report:"), "nothing was written.");
    EXPECT_FALSE(TextShown(host, "Report Dumped to file!"));
}

TEST_F(SearchUtilityTest, MissXSearchesAndTheirReport) {
    CurrentLevel.ZoneLayer[0] = 2;
    CurrentLevel.ZoneTunes[0] = 3;
    Save(1);
    Mode(6);
    host.Hold('G', 5);  // nothing in this mode
    ClickAt(340, 130);  // "Missing Music?"
    TapKey('D');
    TapKey(kEnter);
    Search();
    EXPECT_TRUE(OnLastScreen("M=1, Zone=2"));
    EXPECT_EQ(FileText("FindBlankTextReport.txt"), Report("Blank Txt REPORT", {"M=1, Zone=2"}));
}

TEST_F(SearchUtilityTest, NamesAndTilesOfTheValue) {
    SetFieldText(ItemTable[712].ItemName, "Last Sword");
    SetFieldText(ItemTable[713].ItemName, "Past The List");
    SetFieldText(MonsterTable[298].MonsterName, "Wyrm");
    Mode(2);
    Value("712");
    Mode(2);
    Value("713");
    Mode(5);
    Value("298");
    Search();
    EXPECT_TRUE(TextShown(host, "Last Sword"));
    EXPECT_FALSE(TextShown(host, "Past The List"));
    EXPECT_TRUE(TextShown(host, "Wyrm"));
    EXPECT_TRUE(TextShown(host, "Search for which monster?"));
}

TEST_F(SearchUtilityTest, FreeTilesList) {
    Mode(3);
    ClickAt(480, 130);
    TapKey(kSpace);
    Search();
    EXPECT_TRUE(TextShown(host, "Press 'SPACE' or 'ESC' to continue"));
    EXPECT_TRUE(TextShown(host, "0-18"));  // 19 is the program's
    EXPECT_TRUE(TextShown(host, "20-32"));
    EXPECT_FALSE(TextShown(host, "1220-1399"));
}

// Every even tile used: 1142 single free tiles, five pages of 232 with a line that more follow.
TEST_F(SearchUtilityTest, FreeTilesComeAPageAtATime) {
    TileMarks used{};
    for (int t = 0; t < kFreeTileRange; t += 2) used[size_t(t)] = 1;
    const std::string more = "More free tiles follow: 'SPACE' shows the next page";
    for (int spaces : {0, 1, 4}) {
        host.texts.clear();
        for (int i = 0; i < spaces; ++i) TapKey(kSpace);
        TapKey(spaces == 4 ? kSpace : kEsc);
        Run([&] { ShowFreeTiles(used); });
        const int first = 1 + 2 * 232 * spaces;
        const auto page = LastScreen("Free Tiles");
        EXPECT_EQ(page[1], std::to_string(first)) << spaces;
        EXPECT_EQ(std::count(page.begin(), page.end(), more), spaces < 4 ? 1 : 0) << spaces;
        EXPECT_EQ(page.back() == "Press 'SPACE' or 'ESC' to continue" && page[page.size() - 2] == "2283", spaces == 4)
            << spaces;
    }
    // A list that fits takes all thirty rows and says nothing more.
    used.fill(1);
    for (int t = 1; t < 2 * 240; t += 2) used[size_t(t)] = 0;
    host.texts.clear();
    TapKey(kSpace);
    Run([&] { ShowFreeTiles(used); });
    EXPECT_TRUE(TextShownAt(host, "479", 35 + 70 * 7, 60 + 12 * 29));
    EXPECT_FALSE(TextShown(host, more));
}

TEST_F(SearchUtilityTest, LevelRangeAndQuitReloads) {
    Put(1, 1, 1285);
    Save(5);
    NewLevel(1300);
    Save(7);
    CurrentLevel.BottomLayer[0] = 5;  // unsaved
    Mode(4);
    Value("1285");
    ClickAt(150, 70);
    Keys({"6", kEnter});  // levels 6..129: level 5 is left out
    TapKey('G');
    Search(7);
    EXPECT_TRUE(OnLastScreen("Number of instances: 0"));
    EXPECT_TRUE(OnLastScreen("6"));
    EXPECT_EQ(CurrentLevel.BottomLayer[0], 1300);

    CurrentLevel.BottomLayer[0] = 5;
    Search(99);  // never saved
    EXPECT_EQ(CurrentLevel.BottomLayer[0], 1);
}

TEST_F(SearchUtilityTest, AReportThatCannotBeWritten) {
    fs::create_directory("FindFlagReport.txt");
    Mode(1);
    TapKey('D');
    TapKey(kEnter);
    Search();
    EXPECT_EQ(SecondLineOfBox(host, "'FindFlagReport.txt' could"), "not be written!");
    EXPECT_FALSE(TextShown(host, "Report Dumped to file!"));
}

}  // namespace
