// The event editor frame, the conventions every dialog shares, the text editor and the
// item, key and monster pickers.
#include "tests/kit/event_editor_test.h"

#include <algorithm>

#include "data/item_records.h"
#include "data/monster_records.h"
#include "kit/events/event_text_editor.h"
#include "kit/events/number_pickers.h"
#include "kit/level/event_clipboard.h"
#include "platform/fonts.h"

namespace {

constexpr int16_t kPushText = 1226, kStepText = 1227, kSecretDoor = 1235, kChest = 1242, kRetrieve = 1329;

// ---- The frame ----------------------------------------------------------------------------

TEST_F(EventEditorTest, EscKeepsTheEditsAndDoneClosesAtTheWideButtonsPlace) {
    Make(kPushText);
    ClickAt(195, 80);
    TypeNumber("123");
    Edit();
    EXPECT_EQ(EventAt(kX, kY)->Word[1], 123);

    // A wide window moves "Done" to 440..520; a click 10 px inside its right end closes.
    Make(kStepText);
    ClickAt(510, 420);
    EXPECT_EQ(Edit(false), 1u);
    ASSERT_NE(EventAt(kX, kY), nullptr);
    ClickAt(520, 432);
    Edit(false);
    ClickNothing(310, 420);  // the normal window's "Done" is dead in a wide one
    ClickAt(441, 417);
    Edit(false);
}

TEST_F(EventEditorTest, EraseEmptiesTheSquareAndTheClipboardWhateverItHeld) {
    for (int16_t type : {kPushText, kStepText}) {
        Make(type);
        CreateEvent(kX + 1, kY, 1240);
        CopyEventToClipboard(*EventAt(kX + 1, kY));  // another square's copy
        const int x = type == kStepText ? 345 : 205;
        ClickAt(x, 420);
        EXPECT_EQ(Edit(false), 0u) << type;
        EXPECT_EQ(EventAt(kX, kY), nullptr);
        EXPECT_EQ(CurrentLevel.EventGrid[kX * 50 + kY], 0u);
        EXPECT_EQ(EventClipboardType, -1);
        EXPECT_EQ(PasteEvent(kX, kY), 0);
    }
    // A square without an event: nothing opens.
    uint32_t valid = 1;
    const uint32_t flips = host.flips;
    RunEventEditor(1, 1, valid);
    EXPECT_EQ(host.flips, flips);
    EXPECT_EQ(valid, 1u);
}

TEST_F(EventEditorTest, TitleWindowAndButtonsByType) {
    Make(kPushText);
    DrawNow();
    EXPECT_TRUE(Drawn("PUSH TEXT EVENT", 50, 25, kBigWhite));
    EXPECT_TRUE(Drawn("Erase", 225, 423));
    EXPECT_TRUE(Drawn("Done", 328, 423));
    // A wide type.
    Make(kChest);
    DrawNow();
    EXPECT_TRUE(Drawn("CHEST EVENT", 50, 25));
    EXPECT_TRUE(Drawn("Erase", 365, 423));
    // The RETRIEVE EVENT opens, and only Erase and Done act.
    Make(kRetrieve);
    ClickAt(205, 420);
    EXPECT_EQ(Edit(false), 0u);
    // A number that is no event type: an empty window.
    Make(1300);
    DrawNow();
    EXPECT_FALSE(AnythingDrawnAt(50, 25));
    EXPECT_TRUE(Drawn("Done", 328, 423));
    TapKey(kEsc);
    Edit(false);
}

TEST_F(EventEditorTest, ChestPageStartsAtZeroEveryTime) {
    Make(kChest);
    ChestEditorPage = 1;
    Edit();
    EXPECT_EQ(ChestEditorPage, 0);
}

// ---- Conventions ----------------------------------------------------------------------------

TEST_F(EventEditorTest, OperatorsCycleAndShowTheirLabels) {
    EventRecord& e = Make(kPushText);
    e.Word[2] = 5;   // "=="
    e.Word[11] = 2;  // "-="
    e.Word[17] = 3;  // only from a file
    e.Word[5] = -7;
    e.Word[1] = -1;
    DrawNow();
    EXPECT_TRUE(Drawn("==", 263, 81));
    EXPECT_TRUE(Drawn("-=", 275, 231));
    EXPECT_TRUE(Drawn("**Er**", 265, 360, kBigRed));
    EXPECT_FALSE(AnythingDrawnAt(275, 366));  // no field under it
    EXPECT_TRUE(Drawn("ERROR!", 185, 131));
    EXPECT_TRUE(Drawn("-1", 200, 81));  // 65535
    e.Word[11] = -3;
    DrawNow();
    EXPECT_TRUE(Drawn("Er!", 275, 231));

    ClickAt(258, 80);
    ClickAt(270, 230);
    ClickAt(270, 365);
    ClickAt(180, 130);
    Edit();
    const EventRecord& after = *EventAt(kX, kY);
    EXPECT_EQ(after.Word[2], 0);
    EXPECT_EQ(after.Word[11], 0);
    EXPECT_EQ(after.Word[17], 0);
    EXPECT_EQ(after.Word[5], 0);
}

TEST_F(EventEditorTest, NumberEntryClampsAndAnEmptyEntryRisesToTheMinimum) {
    struct Case {
        const char* typed;
        int16_t perception;
    } cases[] = {{"", 1}, {"0", 1}, {"21", 20}, {"7", 7}};
    for (const Case& c : cases) {
        Make(kSecretDoor);
        ClickAt(200, 125);
        TypeNumber(c.typed);
        Edit();
        EXPECT_EQ(EventAt(kX, kY)->Word[2], c.perception) << c.typed;
    }
}

// ---- The text editor ----------------------------------------------------------------------

class EventTextEditorTest : public EventEditorTest {
protected:
    void SetUp() override {
        EventEditorTest::SetUp();
        Fill();
    }
    void Fill() {
        EventRecord& e = Make(kPushText);
        for (int r = 0; r < 10; ++r) SetFieldText(e.Text[1][r], "L" + std::to_string(r));
    }
    void RunEditor(int16_t lines = 10) {
        TapKey('D');
        Run([&] { EditEventText(kX, kY, 1, lines); });
    }
    void ClickLine(int r) { ClickAt(105, 75 + 22 * r); }
    void ClickInsert() { ClickAt(335, 105); }
    void ClickDelete() { ClickAt(335, 127); }
    std::vector<std::string> Lines() const {
        std::vector<std::string> out;
        for (int r = 0; r < 10; ++r) out.push_back(Line(1, r));
        return out;
    }
    using V = std::vector<std::string>;
};

TEST_F(EventTextEditorTest, InsertAndDeleteAtBothEnds) {
    struct Case {
        const char* name;
        bool insert;
        int line;
        V expected;
    } cases[] = {
        {"insert 0", true, 0, {"", "L0", "L1", "L2", "L3", "L4", "L5", "L6", "L7", "L8"}},
        {"insert 9", true, 9, {"L0", "L1", "L2", "L3", "L4", "L5", "L6", "L7", "L8", ""}},
        {"delete 0", false, 0, {"L1", "L2", "L3", "L4", "L5", "L6", "L7", "L8", "L9", ""}},
        {"delete 9", false, 9, {"L0", "L1", "L2", "L3", "L4", "L5", "L6", "L7", "L8", ""}},
    };
    for (const Case& c : cases) {
        Fill();
        c.insert ? ClickInsert() : ClickDelete();
        ClickLine(c.line);
        RunEditor();
        EXPECT_EQ(Lines(), c.expected) << c.name;
    }
}

TEST_F(EventTextEditorTest, ModesAreOneShotAndToggle) {
    // After one insert the next click edits again.
    ClickInsert();
    ClickLine(0);
    ClickLine(2);
    Keys({"X", kEnter});
    // Insert twice: back to editing.
    ClickInsert();
    ClickInsert();
    ClickLine(5);
    Keys({"Y", kEnter});
    // Insert, then Delete: deleting.
    ClickInsert();
    ClickDelete();
    ClickLine(9);
    RunEditor();
    const V lines = Lines();
    EXPECT_EQ(lines[0], "");
    EXPECT_EQ(lines[1], "L0");
    EXPECT_EQ(lines[2].find('X') != std::string::npos, true);
    EXPECT_EQ(lines[5].find('Y') != std::string::npos, true);
    EXPECT_EQ(lines[9], "");
    EXPECT_TRUE(std::any_of(host.texts.begin(), host.texts.end(),
                            [](const host::TextRecord& t) { return t.text == "INSERT LINE!"; }));
}

TEST_F(EventTextEditorTest, TypingStopsAtTwentyFiveAndADigitOpensItsLine) {
    SetFieldText(EventAt(kX, kY)->Text[1][3], "");
    TapKey('3');  // opens line 3; the 3 is not typed
    Keys({"ab", kEnter});
    SetFieldText(EventAt(kX, kY)->Text[1][4], "");
    ClickLine(4);
    Keys({"abcdefghijklmnopqrstuvwxyz", kEnter});
    RunEditor();
    EXPECT_EQ(Line(1, 3), "ab");
    EXPECT_EQ(Line(1, 4), "abcdefghijklmnopqrstuvwxy");
}

TEST_F(EventTextEditorTest, NineLinesLeaveTheTenthAlone) {
    struct Case {
        const char* name;
        int op;  // 0 erase, 1 insert on 0, 2 delete on 0
        V expected;
    } cases[] = {
        {"erase", 0, {"", "", "", "", "", "", "", "", "", "L9"}},
        {"insert", 1, {"", "L0", "L1", "L2", "L3", "L4", "L5", "L6", "L7", "L9"}},
        {"delete", 2, {"L1", "L2", "L3", "L4", "L5", "L6", "L7", "L8", "", "L9"}},
    };
    for (const Case& c : cases) {
        Fill();
        if (c.op == 0) ClickAt(305, 395);
        if (c.op == 1) ClickInsert();
        if (c.op == 2) ClickDelete();
        if (c.op != 0) ClickLine(0);
        RunEditor(9);
        EXPECT_EQ(Lines(), c.expected) << c.name;
    }
    // Ten lines: Erase empties all ten.
    Fill();
    ClickAt(305, 395);
    RunEditor();
    EXPECT_EQ(Lines(), V(10, ""));
}

// ---- The pickers --------------------------------------------------------------------------

class PickerTest : public EventEditorTest {
protected:
    static constexpr int kDownTen = 340, kDown = 360, kUp = 385, kUpTen = 405;
    void Arrow(int x, int y = 198) { ClickAt(x, y); }
    int16_t Keys22(int16_t current, std::initializer_list<int> arrows, int finish = 'S') {
        for (int x : arrows) Arrow(x);
        TapKey(finish);
        int16_t got = -99;
        Run([&] { got = PickKeyItem(kX, kY, current, 125, 8, 1); });
        return got;
    }
};

TEST_F(PickerTest, KeyListStepsAndStopsAtItsEnds) {
    Make(1234);
    EXPECT_EQ(Keys22(130, {}), 125);
    EXPECT_EQ(Keys22(130, {kUp}), 125);  // the list's second entry is the first shown
    EXPECT_EQ(Keys22(130, {kDown}), -1);
    EXPECT_EQ(Keys22(130, {kDown, kDownTen}), -1);
    EXPECT_EQ(Keys22(130, {kUpTen, kUp, kUp}), 136);
    EXPECT_EQ(Keys22(130, {kUpTen, kUp, kUp, kUp, kUp, kUp, kUp, kUp, kUp, kUp, kUp, kUp, kUp}), 176);
    EXPECT_EQ(Keys22(130, {kUpTen, kUpTen, kUpTen}), 176);
    EXPECT_EQ(Keys22(130, {kUpTen, kUpTen}), 230);
    EXPECT_EQ(Keys22(999, {kUp, kUp}, 'Q'), 999);  // Quit keeps a value off the list
    EXPECT_EQ(Keys22(999, {kUp}, kEsc), 999);
    // Its keys: N and P step like the inner arrows.
    TapKey('N');
    TapKey('N');
    TapKey('P');
    TapKey('S');
    int16_t got = 0;
    Run([&] { got = PickKeyItem(kX, kY, 0, 125, 8, 1); });
    EXPECT_EQ(got, 125);
}

TEST_F(PickerTest, ItemNumbersLimitedTypedAndUnnamed) {
    Make(1236);
    auto pick = [&](int16_t limited) {
        int16_t got = -99;
        TapKey('S');
        Run([&] { got = PickItem(kX, kY, 7, 156, 10, limited); });
        return got;
    };
    // Limited: +10 from 225 stops at 230; a typed number may still go to 713.
    ClickAt(285, 200);
    TypeNumber("225");
    Arrow(kUpTen);
    Arrow(kUpTen);
    EXPECT_EQ(pick(1), 230);
    ClickAt(285, 200);
    TypeNumber("800");
    EXPECT_EQ(pick(1), 713);
    ClickAt(285, 200);
    TypeNumber("712");
    Arrow(kUpTen);
    EXPECT_EQ(pick(0), 713);
    Arrow(kDownTen);
    EXPECT_EQ(pick(1), 146);
    Arrow(kUp);
    TapKey('Q');
    int16_t got = 0;
    Run([&] { got = PickItem(kX, kY, 7, 156, 10, 1); });
    EXPECT_EQ(got, 7);

    // Typed 500 shows item 500; an item of type 47 shows its number alone.
    const std::string name500 = "Quill of Ash";
    SetFieldText(ItemTable[500].ItemName, name500);
    host.texts.clear();
    DrawItemPicker(kX, kY, 500, 10, 0);
    EXPECT_TRUE(Drawn(name500, 200, 250, kSmallBlue));
    EXPECT_TRUE(Drawn("500", 290, 201));
    EXPECT_TRUE(Drawn("PORTAL EVENT", 50, 25));  // the dialog behind
    ItemTable[500].ItemType = 47;
    host.texts.clear();
    DrawItemPicker(kX, kY, 500, 10, 0);
    EXPECT_FALSE(AnythingDrawnAt(200, 250));
    EXPECT_TRUE(Drawn("500", 290, 201));
    host.texts.clear();
    DrawItemPicker(kX, kY, -1, 10, 0);
    EXPECT_FALSE(AnythingDrawnAt(200, 250));
}

TEST_F(PickerTest, MonstersStopAtTheTableAndTheScriptEditorsShowsNoDialog) {
    Make(kPushText);
    auto pick = [&](int16_t current, std::initializer_list<int> arrows) {
        for (int x : arrows) Arrow(x, 98);
        TapKey('S');
        int16_t got = -99;
        Run([&] { got = PickMonster(100, 120, current, -1); });
        return got;
    };
    EXPECT_EQ(pick(295, {kUpTen}), 299);
    EXPECT_EQ(pick(3, {kDownTen}), 0);
    EXPECT_EQ(pick(-1, {kUp}), 0);
    ClickAt(285, 100);
    TypeNumber("400");
    EXPECT_EQ(pick(5, {}), 299);
    TapKey('Q');
    int16_t got = 0;
    Run([&] { got = PickMonster(100, 120, 42, -1); });
    EXPECT_EQ(got, 42);

    SetFieldText(MonsterTable[7].MonsterName, "Marsh Troll");
    MonsterTable[7].MonsterPicture = 1300;  // two by two
    host.texts.clear();
    Clear(BackSurface);
    DrawMonsterPicker(100, 120, 7, -1, 0);
    EXPECT_FALSE(AnythingDrawnAt(50, 25));
    EXPECT_TRUE(Drawn("Marsh Troll", 200, 290, kSmallBlue));
    EXPECT_TRUE(Shows(BackSurface, 370, 140, MonsterPictures[1300]));
    host.texts.clear();
    DrawMonsterPicker(kX, kY, -1, 0, 0);
    EXPECT_TRUE(Drawn("PUSH TEXT EVENT", 50, 25));
    EXPECT_FALSE(AnythingDrawnAt(200, 290));
}

}  // namespace
