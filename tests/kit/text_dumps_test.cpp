// The script and event text dumps, byte for byte, run from the level editor's "Util" page.
#include "kit/level/text_dumps.h"

#include <cstdio>

#include "kit/level/construction_kit.h"
#include "tests/data/texts_shown.h"
#include "tests/kit/audit_levels.h"

namespace fs = std::filesystem;

namespace {

class TextDumpsTest : public AuditLevelsTest {
protected:
    void SetUp() override {
        AuditLevelsTest::SetUp();
        OpenDisplay();
        fs::create_directories("Mod/LevelData");
        NewLevel(1);
    }
    static void Text(int slot, int line, const char* text) {
        auto& t = ScriptTable[size_t(slot)]->LineText[size_t(line)];
        t = std::make_unique<ScriptLineText>();
        std::snprintf(t->data(), t->size(), "%s", text);
    }
    static void EventText(EventRecord& e, int which, int line, const char* text) {
        std::snprintf(e.Text[which][line], sizeof e.Text[which][line], "%s", text);
    }
};

TEST_F(TextDumpsTest, BothFilesByteForByte) {
    NewLevel(1300);
    Line(0, 0, 1, {});
    Text(0, 0, "Hello");
    EventText(Put(1, 1, 1226), 0, 0, "Zero");  // level 0's events are not dumped
    Save(0);
    Save(5);  // nothing to dump but its head
    Line(3, 0, 1, {});
    Text(3, 0, "Hi there");
    Line(3, 5, 7, {4});  // GOT: no text
    Line(3, 7, 67, {});  // no such code
    Line(29, 399, 54, {});
    EventRecord& first = Put(2, 3, 1227);
    EventText(first, 0, 0, "First");
    EventText(first, 0, 2, "Third");
    EventText(first, 1, 9, "Last");
    Put(2, 4, 1248);  // empty texts
    EventText(Put(10, 0, 1227), 1, 0, "B");
    Save(12);
    host.Wait(100).Tap('U').Wait(100).Tap('R');
    host.Wait(100).Tap('Y').Wait(100).Tap(13).Wait(100).Tap('Y').Wait(100).Tap(13);
    host.Wait(100).Tap(27).Wait(100).Tap('Y');
    Run(RunConstructionKit);
    const std::string rule = "------------------------------------\n";
    EXPECT_EQ(FileText("ScriptDump.txt"), rule + "Level = 0\n" + rule + "(0,0,0,TXT)  Hello\n" +
                                              rule + "Level = 5\n" + rule +
                                              rule + "Level = 12\n" + rule +
                                              "(12,3,0,TXT)  Hi there\n(12,3,5,GOT)  \n(12,3,7,??" "?)  \n"
                                              "(12,29,399,rnd)  \n");
    EXPECT_EQ(FileText("TxtDump.txt"), rule + "Level = 5\n" + rule +
                                           rule + "Level = 12\n" + rule +
                                           "(12,2,3) TXT1= First\n(12,2,3) TXT1= Third\n(12,2,3) TXT2= Last\n"
                                           "(12,10,0) TXT2= B\n");
    EXPECT_EQ(SecondLineOfBox(host, "Script texts were dumped"), "to file 'ScriptDump.txt'!");
    EXPECT_EQ(SecondLineOfBox(host, "Event texts were dumped"), "to file 'TxtDump.txt'!");
    EXPECT_EQ(CurrentLevel.BottomLayer[0], 1300);  // the edited level 0 is back
}

// A file that cannot be written is said before any level is loaded over the edited one.
TEST_F(TextDumpsTest, AnUnwritableFileLoadsNothing) {
    Save(3);
    fs::create_directories("TxtDump.txt");
    CurrentLevel.BottomLayer[0] = 1300;
    host.Wait(100).Tap(13);
    Run([] { EXPECT_EQ(DumpEventTexts(), 0); });
    EXPECT_EQ(SecondLineOfBox(host, "'TxtDump.txt' could"), "not be written!");
    EXPECT_EQ(CurrentLevel.BottomLayer[0], 1300);
}

}  // namespace
