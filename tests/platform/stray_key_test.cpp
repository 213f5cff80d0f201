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
#include "kit/events/event_editor.h"
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

// A key, a text typed, or a click at (x, y); a key the program ends on is left down; a key
// held long enough for the system to repeat it that often.
struct In {
    int32_t key = 0;
    const char* text = nullptr;
    int32_t x = -1, y = -1;
    bool leftDown = false;
    int repeats = 0;
};
In Click(int32_t x, int32_t y) { return {1, nullptr, x, y}; }
In HeldWithRepeats(int32_t key) { return {key, nullptr, -1, -1, false, 20}; }
constexpr In kEscEnds{kEsc, nullptr, -1, -1, true};
In Text(const char* text) { return {0, text}; }
using Ins = std::vector<In>;

struct StrayRow {
    const char* name;
    void (*reach)(StrayKeyTest&);  // the state, and the input before the one that opens the loop
    In open;                       // what opens the loop
    int stray;
    Ins own;                       // the loop's own keys, ending with those that leave it
    Ins after;                     // then those of the screens under it
    void (*run)(StrayKeyTest&);
    bool (*took)(StrayKeyTest&);   // what its own keys did
    // Held up: the loop's keys come in one batch with what opens it, and are its (typed
    // ahead); otherwise the loop opens after the screen that read `open` has closed, and its
    // keys come in one batch of their own.
    bool typedAhead = true;
    // Held up only: made on the screen under the loop just after `open`, in the same batch.
    In alsoBefore{};
};

void PrintTo(const StrayRow& row, std::ostream* os) { *os << row.name; }

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

    void Key(int32_t key) { TapKey(key); }
    // Ctrl goes down a moment before the letter, as a person presses it.
    void CtrlKey(int key) { host.Wait(20).Press(kCtrl).Wait(5).Tap(key).Release(kCtrl); }
    // Down and up again between two reads, a moment after the loop opened.
    void Stray(int key) { host.Wait(100).QuickTap(key); }
    // The press, the system's repeats (the first half a second on, then every 33 ms) and the
    // release.
    static std::vector<host::KeyEvent> Repeated(const In& in) {
        std::vector<host::KeyEvent> events = {{in.key, true, 5}};
        for (int i = 0; i < in.repeats; ++i) events.push_back({in.key, true, i == 0 ? 500u : 33u});
        events.push_back({in.key, false, 33});
        return events;
    }
    void Give(const In& in) {
        if (in.repeats) host.Wait(100).Burst(Repeated(in));
        else if (in.text) host.Type(in.text);
        else if (in.x >= 0) ClickAt(in.x, in.y);
        else if (in.leftDown) host.Wait(100).Press(in.key);
        else TapKey(in.key);
    }
    void Give(const Ins& ins) {
        for (const In& in : ins) Give(in);
    }
    // As a program held up receives them: all at its next poll, a few milliseconds apart.
    void Batch(const Ins& ins) {
        std::vector<host::KeyEvent> events;
        for (const In& in : ins) {
            if (in.key == 0 && !in.text) continue;
            if (in.repeats) {
                const std::vector<host::KeyEvent> repeated = Repeated(in);
                events.insert(events.end(), repeated.begin(), repeated.end());
                continue;
            }
            if (in.text) {
                const std::vector<host::KeyEvent> typed = host::Headless::Typing(in.text, 5);
                events.insert(events.end(), typed.begin(), typed.end());
                continue;
            }
            events.push_back({in.key, true, 5, in.x, in.y});
            if (!in.leftDown) events.push_back({in.key, false});
        }
        host.Wait(100).Burst(events);
    }

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
    void Quit() { CtrlKey('Q'); }
    // The keys of the screens under the loop, then the run, which takes all the input.
    void RunRow(const StrayRow& row);

    int16_t count = 1, sides = 6, bonus = 0;
};

void Nothing(StrayKeyTest&) {}
bool Left(StrayKeyTest&) { return true; }

// A Yes/No box answered with Y: the screen before the loop of the row, which read Y and N.
void AskFirst() { Confirm(210, 175, "Go on?"); }

// Number entries: no cursor read, no message taken.
void Data(StrayKeyTest&) { LoadDataFiles(); }
bool SearchFromSeven(StrayKeyTest& t) { return t.CountAt("7", 150, 71) == 2; }  // typed, then the screen's field
void Bank(StrayKeyTest& t) {
    t.Put(5, 5, 1250);
    GameState.HeroGold = 300;
}
void BankEvent(StrayKeyTest&) { RunSquareEvent(5, 5, 1, 0); }
void DiceDialog(StrayKeyTest& t) { EditDice(100, 100, "Damage", t.count, t.sides, t.bonus); }
void Search(StrayKeyTest&) { RunSearchUtility(1); }

// Waits for a key that read no cursor either.
bool EndQuotesLeft(StrayKeyTest& t) { return t.ProgramEnded() && t.Count("Press ESCAPE to leave game") == 1; }
// The end of the program through the title's question: the intro, Esc, then Yes.
void TitleQuestion(StrayKeyTest& t) {
    t.host.Wait(5).Tap(kSpace);
    t.Key(kEsc);
}

// Loops that read the cursor each pass.
void SaveSlotOne(StrayKeyTest& t) {
    ASSERT_EQ(SaveLevel(1, 0), 1u);
    GameState.CurrentSaveSlot = -1;
    t.Key('1');
}
bool SlotNamed(StrayKeyTest&) { return std::strcmp(SaveList.SaveSlotName[0], "Mine") == 0; }
bool KitAskedOnce(StrayKeyTest& t) { return t.Count("Really Quit Editor?") == 1; }
bool OneMessage(StrayKeyTest& t) { return t.CountAt("OK", 100 + 80 + 24, 120 + 100 + 6) == 1; }
void Title(StrayKeyTest&) { StrayKeyTest::TrimmedTitle(); }
bool HelpOnce(StrayKeyTest& t) { return t.ProgramEnded() && t.Count("HELP FILES:") == 1; }
bool CreditsOnce(StrayKeyTest& t) { return t.ProgramEnded() && t.Count("CREDITS:") == 1; }
void TitleSettings(StrayKeyTest& t) {
    StrayKeyTest::TrimmedTitle();
    t.Key('S');
}
bool MenuAnswered(StrayKeyTest& t) {
    return t.ProgramEnded() && t.Count("CREDITS:") == 1 && t.Count("GAME SETTINGS:") == 1;
}
void InPlay(StrayKeyTest& t) {
    ASSERT_EQ(SaveLevel(1, 0), 1u);
    GameState.CurrentSaveSlot = 2;
    t.host.AwaitScreen("adventure");
}
void JournalLeft(StrayKeyTest& t) {
    InPlay(t);
    t.Key('Q');
}
bool AwardsShownOnce(StrayKeyTest& t) { return t.Count("Awards and Honours") == 1 && QuitProgram == 1; }
bool SteppedRight(StrayKeyTest&) { return GameState.HeroX == 26 && QuitProgram == 1; }
void Play(StrayKeyTest&) { AdventureLoop(); }
// A wilderness encounter's dialog: its Ground tile at (140, 350), its dressing tiles at 330, 380, 430.
void WildernessCombat(StrayKeyTest& t) { t.Put(5, 5, 256); }
void EventEditor(StrayKeyTest&) {
    uint32_t clipboardValid = 0;
    RunEventEditor(5, 5, clipboardValid);
}
bool NoTileChosen(StrayKeyTest&) { return EventAt(5, 5) && EventAt(5, 5)->Word[5] == 0 && EventAt(5, 5)->Word[6] == 0; }
void Program(StrayKeyTest&) { AppMain(); }
void Kit(StrayKeyTest&) { RunConstructionKit(); }
void Settings(StrayKeyTest&) { RunSettings(); }

void StrayKeyTest::RunRow(const StrayRow& row) {
    Give(row.after);
    if (row.run == Play) Quit();
    Run([&] { row.run(*this); });
    EXPECT_TRUE(host.ScriptDone()) << "input left unread";
    EXPECT_TRUE(row.took(*this));
}

const StrayRow kRows[] = {
    {"SettingsDelayAfterEsc", Data, Click(185, 200), kEsc, {Text("7"), {kEnter}}, {{'A'}}, Settings,
     [](StrayKeyTest&) { return Options.GameDelay == 7; }},
    {"SearchLevelsAfterEsc", Nothing, Click(150, 70), kEsc, {Text("7"), {kEnter}}, {{kEsc}}, Search, SearchFromSeven},
    {"SearchLevelsAfterD", Nothing, Click(150, 70), 'D', {Text("7"), {kEnter}}, {{kEsc}}, Search, SearchFromSeven},
    {"SearchLevelsAfterG", Nothing, Click(150, 70), 'G', {Text("7"), {kEnter}}, {{kEsc}}, Search, SearchFromSeven},
    {"SearchLevelsAfterX", Nothing, Click(150, 70), 'X', {Text("7"), {kEnter}}, {{kEsc}}, Search, SearchFromSeven},
    {"KitNumberFieldAfterEsc", Nothing, Click(155 + 15, 165 + 8), kEsc, {Text("7"), {kEnter}}, {{kEsc}},
     [](StrayKeyTest&) { RunZoneNamesEditor(); }, [](StrayKeyTest&) { return CurrentLevel.ZoneSuppressFlag[1] == 7; }},
    {"BankDepositAfterL", Bank, {'D'}, 'L', {Text("50"), {kEnter}}, {{'L'}}, BankEvent,
     [](StrayKeyTest&) { return GameState.BankSavings == 50 && GameState.HeroGold == 250; }},
    {"BankDepositOfDescendingDigits", Bank, {'D'}, 'L', {Text("210"), {kEnter}}, {{'L'}}, BankEvent,
     [](StrayKeyTest&) { return GameState.BankSavings == 210 && GameState.HeroGold == 90; }},
    {"DiceFieldAfterEsc", Nothing, Click(100 + 35, 100 + 55), kEsc, {Text("7"), {kEnter}}, {{'O'}}, DiceDialog,
     [](StrayKeyTest& t) { return t.count == 7 && t.sides == 6; }},
    {"EndQuotesAfterASecondY", TitleQuestion, {'Y'}, 'Y', {kEscEnds}, {}, Program, EndQuotesLeft, false},
    {"EndQuotesAfterN", TitleQuestion, {'Y'}, 'N', {kEscEnds}, {}, Program, EndQuotesLeft, false},
    {"EndQuotesAfterAYes", Nothing, {'Y'}, 'Y', {kEscEnds}, {},
     [](StrayKeyTest&) {
         AskFirst();
         ShowEndQuotes();
     },
     Left, false},
    {"FinalScoreAfterAYes", Data, {'Y'}, 'Y', {{kEsc}}, {},
     [](StrayKeyTest&) {
         AskFirst();
         ShowFinalScore(0);
     },
     Left, false},
    {"TitleIntroAfterAYes", Nothing, {'Y'}, 'Y', {{kSpace}}, {},
     [](StrayKeyTest&) {
         AskFirst();
         RunTitleIntro();
     },
     Left, false},
    {"TextEntryAfterEsc", SaveSlotOne, {'S'}, kEsc, {Text("Mine"), {kEnter}}, {{kEnter}},  // then "Game Saved!"
     [](StrayKeyTest&) { RunSaveSlotScreen(); }, SlotNamed},
    {"YesNoBoxAfterEsc", Nothing, {kEsc}, kEsc, {{'Y'}}, {}, Kit, KitAskedOnce},
    {"MessageBoxAfterD", Nothing, {'D'}, 'D', {{kEnter}}, {{kEsc}}, Search, OneMessage},
    // A click is never typed ahead: the list's comes in a batch of its own.
    {"ListChooserAfterA", Data, Click(185, 320), 'A', {Click(200, 415 + 5)}, {{'A'}}, Settings,
     [](StrayKeyTest&) { return Options.Difficulty == 3; }, false},
    {"TitlePageAfterC", Title, {'C'}, 'C', {{'B'}}, {{kEsc}}, Program, CreditsOnce},
    {"TitleMenuAfterA", TitleSettings, {kEsc}, 'A', {{'C'}}, {{'B'}, {kEsc}}, Program, MenuAnswered, false},
    {"HelpPageAfterH", Title, {'H'}, 'H', {{'B'}}, {{kEsc}}, Program, HelpOnce},
    {"JournalAfterQ", InPlay, {'Q'}, 'Q', {{'A'}, {'D'}}, {}, Play, AwardsShownOnce},
    {"AdventureAfterEsc", JournalLeft, {'D'}, kEsc, {{kRight}}, {}, Play, SteppedRight, false},
    {"AdventureRightHeldWithRepeats", JournalLeft, {'D'}, kEsc, {HeldWithRepeats(kRight)}, {}, Play, SteppedRight, false},
    // Held up, the click on a dressing tile made with the one that opened the Ground picker is
    // the dialog's, and gone with it: the picker chooses nothing until Esc leaves it (Esc comes
    // after the batch, as in the same pass it would cancel a choice made).
    {"WallTilePickerAfterN", WildernessCombat, Click(155, 365), 'N', {}, {{kEsc}, {kEsc}}, EventEditor, NoTileChosen,
     true, Click(395, 365)},
};

TEST_P(StrayKeyTest, TakesItsOwnKeysAndIsLeft) {
    const StrayRow& row = GetParam();
    row.reach(*this);
    Give(row.open);
    Stray(row.stray);
    Give(row.own);
    RunRow(row);
}

// A program held up (a loaded machine): the loop's keys arrive in one batch with the click or
// key that opens it, or, where the loop comes only after another screen closed, in one batch
// of their own.
TEST_P(StrayKeyTest, TakesItsKeysFromOneBatch) {
    const StrayRow& row = GetParam();
    row.reach(*this);
    Ins batch = row.own;
    if (row.typedAhead) batch.insert(batch.begin(), {row.open, row.alsoBefore});
    else Give(row.open);
    Batch(batch);
    if (!row.after.empty() || row.run == Play) host.Wait(3000);  // the batch taken, as a person waits to see it
    RunRow(row);
}

// Y and Space typed together on a Yes box: Space goes with the box, and the end quotes that
// follow wait for their own key.
TEST_F(StrayKeyTest, KeysTypedWithTheAnswerGoWithTheBox) {
    host.Wait(100).Burst({{'Y', true}, {kSpace, true, 5}, {'Y', false}, {kSpace, false}});
    host.AwaitScreen("end quotes").Wait(100).Press(kEsc);  // down as the program ends
    Run([] {
        AskFirst();
        ShowEndQuotes();
    });
    EXPECT_TRUE(host.ScriptDone()) << "the end quotes closed on the Space typed with Y";
}

INSTANTIATE_TEST_SUITE_P(EveryLoop, StrayKeyTest, ::testing::ValuesIn(kRows),
                         [](const ::testing::TestParamInfo<StrayRow>& info) { return info.param.name; });

}  // namespace
