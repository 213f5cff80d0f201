// Every kind of loop that reads keys, opened with a press of a key the screen before it read
// still unread (tapped quickly, as a slip of the finger), then given its own keys: it takes
// them and is left. The stray is gone with it, acting on no later screen either. A loop gone
// deaf fails its row at the watchdog rather than hang.
#include <algorithm>
#include <cstring>
#include <string_view>
#include <variant>

#include "adventure/adventure_loop.h"
#include "data/data_files.h"
#include "data/options.h"
#include "data/save_slot_screen.h"
#include "data/save_slots.h"
#include "events/event_dispatch.h"
#include "frontend/banner_and_intro.h"
#include "frontend/end_quotes.h"
#include "frontend/final_score.h"
#include "frontend/settings.h"
#include "frontend/title.h"
#include "kit/level/construction_kit.h"
#include "kit/level/search_utility.h"
#include "kit/level/zone_names_editor.h"
#include "platform/dice.h"
#include "platform/display.h"
#include "platform/keys.h"
#include "platform/message_boxes.h"
#include "tests/adventure/adventure_test.h"
#include "tests/data/file_bytes.h"

namespace {

class StrayKeyTest;

struct StrayRow {
    const char* name;
    void (*reach)(StrayKeyTest&);  // the state, and the input that opens the loop
    int stray;
    void (*own)(StrayKeyTest&);    // the loop's own keys, ending with those that leave it
    void (*run)(StrayKeyTest&);
    bool (*took)(StrayKeyTest&);   // what its own keys did
};

class StrayKeyTest : public AdventureTest, public ::testing::WithParamInterface<StrayRow> {
public:
    using AdventureTest::Put;
    using HeadlessTest::host;

    void SetUp() override {
        AdventureTest::SetUp();
        QuitProgram = 0;
        // A deaf loop is met at the watchdog in well under a second, not after minutes.
        host.idlePollLimit = 20'000;
    }

    void Click(int32_t x, int32_t y) { ClickAt(x, y); }
    void Key(int32_t key) { TapKey(key); }
    void Type(std::initializer_list<std::variant<const char*, int>> keys) { Keys(keys); }
    // Ctrl goes down a moment before the letter, as a person presses it.
    void CtrlKey(int key) { host.Wait(20).Press(kCtrl).Wait(5).Tap(key).Release(kCtrl); }
    // Down and up again between two reads, a moment after the loop opened.
    void Stray(int key) { host.Wait(100).QuickTap(key); }

    size_t CountAt(std::string_view text, int32_t x, int32_t y) const {
        return size_t(std::count_if(host.texts.begin(), host.texts.end(), [&](const host::TextRecord& t) {
            return t.text == text && t.x == x && t.y == y;
        }));
    }
    size_t Count(std::string_view text) const {
        return size_t(std::count_if(host.texts.begin(), host.texts.end(),
                                    [&](const host::TextRecord& t) { return t.text == text; }));
    }
    // The program ran to its end: the window was asked to close, once.
    bool ProgramEnded() const { return std::count(host.posted.begin(), host.posted.end(), host::kMsgClose) == 1; }
    // Option.dat with the defaults and the title pages trimmed: the menu comes at once.
    static void TrimmedTitle() {
        WriteBytes("Mod/GameData/Option.dat",
                   {50, 0, 2, 0, 1, 0, 0, 0, 0, 0, 3, 0, 1, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0});
    }
    // The end of the program through the title's question: the intro, Esc, Yes.
    void QuitFromTheTitle() {
        host.Wait(5).Tap(kSpace);
        TapKey(kEsc);
        TapKey('Y');
    }
    void Quit() { CtrlKey('Q'); }

    int16_t count = 1, sides = 6, bonus = 0;
};

void QuitAnswered(StrayKeyTest& t) { t.QuitFromTheTitle(); }
bool Left(StrayKeyTest&) { return true; }

// A Yes/No box answered with Y: the screen before the loop of the row, which read Y and N.
void AskFirst() { Confirm(210, 175, "Go on?"); }

// Number entries: no cursor read, no message taken.
void SettingsDelayField(StrayKeyTest& t) {
    LoadDataFiles();
    t.Click(185, 200);
}
void SevenEnterThenAccept(StrayKeyTest& t) {
    t.Type({"7", kEnter});
    t.Key('A');
}
void SearchFirstLevelField(StrayKeyTest& t) { t.Click(150, 70); }
void SevenEnterThenEsc(StrayKeyTest& t) { t.Type({"7", kEnter, kEsc}); }
bool SearchFromSeven(StrayKeyTest& t) { return t.CountAt("7", 150, 71) == 2; }  // typed, then the screen's field
void ZoneOneFlagField(StrayKeyTest& t) { t.Click(155 + 15, 165 + 8); }
void BankDeposit(StrayKeyTest& t) {
    t.Put(5, 5, 1250);
    GameState.HeroGold = 300;
    t.Key('D');
}
void FiftyEnterThenLeave(StrayKeyTest& t) { t.Type({"50", kEnter, 'L'}); }
void BankEvent(StrayKeyTest&) { RunSquareEvent(5, 5, 1, 0); }
void DiceCountField(StrayKeyTest& t) { t.Click(100 + 35, 100 + 55); }
void SevenEnterThenOk(StrayKeyTest& t) { t.Type({"7", kEnter, 'O'}); }
void DiceDialog(StrayKeyTest& t) { EditDice(100, 100, "Damage", t.count, t.sides, t.bonus); }

// Waits for a key that read no cursor either.
void EscLeaves(StrayKeyTest& t) { t.Key(kEsc); }
// The program ends with the key still down.
void EscEnds(StrayKeyTest& t) { t.host.Wait(100).Press(kEsc); }
void SpaceLeaves(StrayKeyTest& t) { t.Key(kSpace); }
void AnswerYes(StrayKeyTest& t) { t.Key('Y'); }
bool EndQuotesLeft(StrayKeyTest& t) { return t.ProgramEnded() && t.Count("Press ESCAPE to leave game") == 1; }

// Loops that read the cursor each pass.
void SaveSlotOne(StrayKeyTest& t) {
    ASSERT_EQ(SaveLevel(1, 0), 1u);
    GameState.CurrentSaveSlot = -1;
    t.Type({'1', 'S'});
}
void NameThenEnter(StrayKeyTest& t) { t.Type({"Mine", kEnter, kEnter}); }  // the second for "Game Saved!"
bool SlotNamed(StrayKeyTest&) { return std::strcmp(SaveList.SaveSlotName[0], "Mine") == 0; }
void KitQuestion(StrayKeyTest& t) { t.Key(kEsc); }
bool KitAskedOnce(StrayKeyTest& t) { return t.Count("Really Quit Editor?") == 1; }
void SearchReport(StrayKeyTest& t) { t.Key('D'); }
void EnterThenEsc(StrayKeyTest& t) { t.Type({kEnter, kEsc}); }
bool OneMessage(StrayKeyTest& t) { return t.CountAt("OK", 100 + 80 + 24, 120 + 100 + 6) == 1; }
void DifficultyList(StrayKeyTest& t) {
    LoadDataFiles();
    t.Click(185, 320);
}
void HardThenAccept(StrayKeyTest& t) {
    t.Click(200, 415 + 5);
    t.Key('A');
}
void TitleCredits(StrayKeyTest& t) {
    StrayKeyTest::TrimmedTitle();
    t.Key('C');
}
void TitleHelp(StrayKeyTest& t) {
    StrayKeyTest::TrimmedTitle();
    t.Key('H');
}
bool HelpOnce(StrayKeyTest& t) { return t.ProgramEnded() && t.Count("HELP FILES:") == 1; }
void BackThenQuit(StrayKeyTest& t) { t.Type({'B', kEsc}); }
bool CreditsOnce(StrayKeyTest& t) { return t.ProgramEnded() && t.Count("CREDITS:") == 1; }
void TitleSettingsLeft(StrayKeyTest& t) {
    StrayKeyTest::TrimmedTitle();
    t.Type({'S', kEsc});
}
void CreditsThenQuit(StrayKeyTest& t) { t.Type({'C', 'B', kEsc}); }
bool MenuAnswered(StrayKeyTest& t) {
    return t.ProgramEnded() && t.Count("CREDITS:") == 1 && t.Count("GAME SETTINGS:") == 1;
}
void JournalLeft(StrayKeyTest& t) {
    ASSERT_EQ(SaveLevel(1, 0), 1u);
    GameState.CurrentSaveSlot = 2;
    t.host.AwaitScreen("adventure");
    t.Type({'Q', 'D'});
}
void JournalOpened(StrayKeyTest& t) {
    ASSERT_EQ(SaveLevel(1, 0), 1u);
    GameState.CurrentSaveSlot = 2;
    t.host.AwaitScreen("adventure");
    t.Key('Q');
}
void AwardsThenDone(StrayKeyTest& t) {
    t.Type({'A', 'D'});
    t.Quit();
}
bool AwardsShownOnce(StrayKeyTest& t) { return t.Count("Awards and Honours") == 1 && QuitProgram == 1; }
void StepThenQuit(StrayKeyTest& t) {
    t.Key(kRight);
    t.Quit();
}
bool SteppedRight(StrayKeyTest&) { return GameState.HeroX == 26 && QuitProgram == 1; }

const StrayRow kRows[] = {
    {"SettingsDelayAfterEsc", SettingsDelayField, kEsc, SevenEnterThenAccept, [](StrayKeyTest&) { RunSettings(); },
     [](StrayKeyTest&) { return Options.GameDelay == 7; }},
    {"SearchLevelsAfterEsc", SearchFirstLevelField, kEsc, SevenEnterThenEsc,
     [](StrayKeyTest&) { RunSearchUtility(1); }, SearchFromSeven},
    {"SearchLevelsAfterD", SearchFirstLevelField, 'D', SevenEnterThenEsc, [](StrayKeyTest&) { RunSearchUtility(1); },
     SearchFromSeven},
    {"SearchLevelsAfterG", SearchFirstLevelField, 'G', SevenEnterThenEsc, [](StrayKeyTest&) { RunSearchUtility(1); },
     SearchFromSeven},
    {"SearchLevelsAfterX", SearchFirstLevelField, 'X', SevenEnterThenEsc, [](StrayKeyTest&) { RunSearchUtility(1); },
     SearchFromSeven},
    {"KitNumberFieldAfterEsc", ZoneOneFlagField, kEsc, SevenEnterThenEsc, [](StrayKeyTest&) { RunZoneNamesEditor(); },
     [](StrayKeyTest&) { return CurrentLevel.ZoneSuppressFlag[1] == 7; }},
    {"BankDepositAfterL", BankDeposit, 'L', FiftyEnterThenLeave, BankEvent,
     [](StrayKeyTest&) { return GameState.BankSavings == 50 && GameState.HeroGold == 250; }},
    {"DiceFieldAfterEsc", DiceCountField, kEsc, SevenEnterThenOk, DiceDialog,
     [](StrayKeyTest& t) { return t.count == 7 && t.sides == 6; }},
    {"EndQuotesAfterASecondY", QuitAnswered, 'Y', EscEnds, [](StrayKeyTest&) { AppMain(); }, EndQuotesLeft},
    {"EndQuotesAfterN", QuitAnswered, 'N', EscEnds, [](StrayKeyTest&) { AppMain(); }, EndQuotesLeft},
    {"EndQuotesAfterAYes", AnswerYes, 'Y', EscEnds,
     [](StrayKeyTest&) {
         AskFirst();
         ShowEndQuotes();
     },
     Left},
    {"FinalScoreAfterAYes",
     [](StrayKeyTest& t) {
         LoadDataFiles();
         t.Key('Y');
     },
     'Y', EscLeaves,
     [](StrayKeyTest&) {
         AskFirst();
         ShowFinalScore(0);
     },
     Left},
    {"TitleIntroAfterAYes", AnswerYes, 'Y', SpaceLeaves,
     [](StrayKeyTest&) {
         AskFirst();
         RunTitleIntro();
     },
     Left},
    {"TextEntryAfterEsc", SaveSlotOne, kEsc, NameThenEnter, [](StrayKeyTest&) { RunSaveSlotScreen(); }, SlotNamed},
    {"YesNoBoxAfterEsc", KitQuestion, kEsc, AnswerYes, [](StrayKeyTest&) { RunConstructionKit(); }, KitAskedOnce},
    {"MessageBoxAfterD", SearchReport, 'D', EnterThenEsc, [](StrayKeyTest&) { RunSearchUtility(1); }, OneMessage},
    {"ListChooserAfterA", DifficultyList, 'A', HardThenAccept, [](StrayKeyTest&) { RunSettings(); },
     [](StrayKeyTest&) { return Options.Difficulty == 3; }},
    {"TitlePageAfterC", TitleCredits, 'C', BackThenQuit, [](StrayKeyTest&) { AppMain(); }, CreditsOnce},
    {"TitleMenuAfterA", TitleSettingsLeft, 'A', CreditsThenQuit, [](StrayKeyTest&) { AppMain(); }, MenuAnswered},
    {"HelpPageAfterH", TitleHelp, 'H', BackThenQuit, [](StrayKeyTest&) { AppMain(); }, HelpOnce},
    {"JournalAfterQ", JournalOpened, 'Q', AwardsThenDone, [](StrayKeyTest&) { AdventureLoop(); }, AwardsShownOnce},
    {"AdventureAfterEsc", JournalLeft, kEsc, StepThenQuit, [](StrayKeyTest&) { AdventureLoop(); }, SteppedRight},
};

TEST_P(StrayKeyTest, TakesItsOwnKeysAndIsLeft) {
    const StrayRow& row = GetParam();
    row.reach(*this);
    Stray(row.stray);
    row.own(*this);
    Run([&] { row.run(*this); });
    EXPECT_TRUE(host.ScriptDone()) << "input left unread";
    EXPECT_TRUE(row.took(*this));
}

INSTANTIATE_TEST_SUITE_P(EveryLoop, StrayKeyTest, ::testing::ValuesIn(kRows),
                         [](const ::testing::TestParamInfo<StrayRow>& info) { return info.param.name; });

}  // namespace
