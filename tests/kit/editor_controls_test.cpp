// The level editor's remaining controls as an author uses them, through the kit's own loop:
// the layer and AutoAcc buttons with their keys, the View page, the questions before New
// Level, Wipe Screen, the search and the conflict report, the Flood help and Customize.
#include <filesystem>
#include <functional>
#include <iterator>
#include <vector>

#include "data/campaign_tables.h"
#include "data/data_files.h"
#include "kit/events/level_records.h"
#include "platform/display.h"
#include "platform/keys.h"
#include "tests/data/file_bytes.h"
#include "tests/kit/kit_test.h"
#include "tests/support/surface_match.h"

namespace fs = std::filesystem;

namespace {

constexpr int16_t kPicked = 28;  // a wall that AutoAcc makes "No Access, Cannot see past tile"

class EditorControlsTest : public KitTest {
protected:
    // Button `row` of the panel page shown; or of the page that a key shows.
    void ClickPanelRow(int row) { ClickAt(530, 258 + 23 * row + 7); }
    void OpenPanelRow(int pageKey, int row) {
        TapKey(pageKey);
        ClickPanelRow(row);
    }
    // Tile 28 into the selected slot from the tile sheet's first page ("Tile Order", Util page).
    void TakeTile28() {
        OpenPanelRow('U', 2);
        ClickAt(8 * 32 + 16, 32 + 16);
    }
    // The labels drawn on a button of 4 pieces at (x, y), each time they changed.
    std::vector<std::string> LabelsOf(int32_t x, int32_t y) const {
        std::vector<std::string> labels;
        for (const auto& t : host.texts) {
            if (t.y == y + 6 && t.x >= x && t.x < x + 80 && (labels.empty() || labels.back() != t.text))
                labels.push_back(t.text);
        }
        return labels;
    }
    bool Asked(std::string_view question, int32_t x, int32_t y) const {
        return TextShownAt(host, question, x + 50, y + 50);
    }
};

// Each press flips one of the two; the painted squares tell which layer and access they had.
TEST_F(EditorControlsTest, LayerAndAutoAccButtonsAndKeys) {
    enum Press { kLayerButton, kKeyL, kKey192, kAutoAccButton };
    const struct {
        Press press;
        bool top;
        int16_t access;
    } steps[] = {
        {kKeyL, true, 1295},           {kAutoAccButton, true, 1298}, {kKey192, false, 1298},
        {kAutoAccButton, false, 1295}, {kLayerButton, true, 1295},   {kLayerButton, false, 1295},
    };
    TakeTile28();
    for (size_t i = 0; i < std::size(steps); ++i) {
        switch (steps[i].press) {
            case kLayerButton: ClickAt(495, 122); break;
            case kKeyL: TapKey('L'); break;
            case kKey192: TapKey(192); break;
            case kAutoAccButton: ClickAt(576, 122); break;
        }
        ClickCell(int(i), 0);
    }
    RunKit();
    for (size_t i = 0; i < std::size(steps); ++i) {
        const int x = int(i);
        EXPECT_EQ(Top(x, 0), steps[i].top ? kPicked : 0) << i;
        EXPECT_EQ(Bottom(x, 0), steps[i].top ? 1 : kPicked) << i;
        EXPECT_EQ(Access(x, 0), steps[i].access) << i;
    }
    EXPECT_EQ(LabelsOf(455, 115),
              (std::vector<std::string>{"Btm Layer", "Top Layer", "Btm Layer", "Top Layer", "Btm Layer"}));
    EXPECT_EQ(LabelsOf(536, 115), (std::vector<std::string>{"AutoAcc OFF", "AutoAcc ON", "AutoAcc OFF"}));
}

// A View button switches its overlay off or on and back; the cell of column `row` holds what
// that overlay draws, and the overlays drawn over it are switched off first.
TEST_F(EditorControlsTest, ViewPageButtonsSwitchTheirOverlays) {
    Access(1, 0) = 1297;
    Zone(2, 0) = 2;
    CreateEvent(3, 0, 1248);
    Top(4, 0) = 81;
    ASSERT_EQ(SaveLevel(3, 0), 1u);
    const struct {
        const char* name;
        int16_t tile;
        bool onAtStart;
        std::vector<int> offFirst;
    } cases[] = {
        {"View Grid", 1010, true, {}},      {"View Access", 1297, true, {0}}, {"View Zones", 1222, false, {0}},
        {"View Events", 1248, true, {0}},   {"View Tile2", 81, true, {0, 1}},
    };
    for (int row = 0; row < 5; ++row) {
        const auto& c = cases[row];
        for (int clicks = 0; clicks <= 2; ++clicks) {
            KitPreviousLevel = 3;
            TapKey('Y');
            TapKey('V');
            for (int other : c.offFirst) ClickPanelRow(other);
            for (int k = 0; k < clicks; ++k) ClickPanelRow(row);
            RunKit();
            EXPECT_EQ(Shows(BackSurface, CellX(row), CellY(0), WallTiles[size_t(c.tile)]),
                      c.onAtStart != (clicks == 1))
                << c.name << " clicked " << clicks;
        }
    }
    EXPECT_TRUE(ButtonShownAt(host, "View Tile2", 475, 350, 6));
}

// Every question of the editor: No leaves the level and its unsaved edit as they were, Yes
// does what the button says. The level is saved with F4 at the end to look at its events.
TEST_F(EditorControlsTest, QuestionsBeforeTheLevelWideActions) {
    struct Case {
        const char* name;
        std::function<void()> open;
        const char* question;
        int16_t x, y;
        std::function<void()> afterYes;
        std::function<void(bool yes)> check;
        int16_t numberAfterYes = 3;
    };
    const auto searchedAndReloaded = [&](bool yes) {
        EXPECT_EQ(TextShown(host, "SEARCH Utility!"), yes);
        EXPECT_EQ(Bottom(0, 0), yes ? 1 : kPicked);  // the unsaved edit lost with the reload
    };
    const Case cases[] = {
        {"New Level", [&] { OpenPanelRow('C', 1); }, "Really New Level?", 210, 175, [] {},
         [&](bool yes) {
             EXPECT_EQ(Bottom(49, 49), yes ? kPicked : 1);
             EXPECT_EQ(Top(3, 3), yes ? 0 : 81);
             EXPECT_EQ(LastTextAt(13, 438), yes ? "Level0.dat" : "Level3.dat");
             ASSERT_EQ(LoadLevel(yes ? 0 : 3, 1, 0), 1u);
             EXPECT_EQ(EventAt(2, 3) != nullptr, !yes);
         },
         0},
        {"Wipe Screen", [&] { OpenPanelRow('C', 3); }, " Really wipe screen?", 210, 175, [] {},
         [&](bool yes) {
             EXPECT_EQ(Bottom(12, 12), yes ? kPicked : 1);
             EXPECT_EQ(Top(3, 3), yes ? 0 : 81);
             EXPECT_EQ(Access(3, 3), yes ? 1295 : 1297);
             EXPECT_EQ(Zone(3, 3), yes ? 0 : 3);
             EXPECT_EQ(Bottom(13, 12), 1);  // past the window
             EXPECT_EQ(Bottom(12, 13), 1);
             ASSERT_EQ(LoadLevel(3, 1, 0), 1u);
             EXPECT_TRUE(EventAt(2, 3));  // events stay
         }},
        {"S key", [&] { TapKey('S'); }, "Really do search?", 180, 130, [&] { TapKey(kEsc); }, searchedAndReloaded},
        {"Search X", [&] { OpenPanelRow('U', 0); }, "Really do search?", 180, 130, [&] { TapKey(kEsc); },
         searchedAndReloaded},
        {"Flag Conflicts", [&] { OpenPanelRow('U', 1); }, "Really report conflicts?", 180, 130,
         [&] { TapKey(kEnter); },
         [&](bool yes) {
             EXPECT_EQ(fs::exists("FlagConflictReport.txt"), yes);
             EXPECT_EQ(TextShown(host, "Conflict Report Generated."), yes);
             EXPECT_EQ(Bottom(0, 0), yes ? 1 : kPicked);
         }},
    };
    for (const Case& c : cases) {
        for (bool yes : {false, true}) {
            NewLevel(1);
            CreateEvent(2, 3, 1248);
            Top(3, 3) = 81, Access(3, 3) = 1297, Zone(3, 3) = 3;
            StartOnLevel3();
            fs::remove("FlagConflictReport.txt");
            fs::remove("Mod/LevelData/Level0.dat");
            host.texts.clear();
            TakeTile28();
            ClickCell(0, 0);  // an edit not saved yet
            c.open();
            TapKey(yes ? 'Y' : 'N');
            if (yes) c.afterYes();
            const int16_t number = yes ? c.numberAfterYes : int16_t(3);
            Keys({kF4, 'Y'});
            if (number == 3) TapKey('Y');  // "File Exists! Overwrite?"
            RunKit();
            EXPECT_TRUE(Asked(c.question, c.x, c.y)) << c.name;
            SCOPED_TRACE(std::string(c.name) + (yes ? " yes" : " no"));
            c.check(yes);
        }
    }
}

TEST_F(EditorControlsTest, FloodExplainsItselfAndChangesNothing) {
    OpenPanelRow('C', 4);
    TapKey(kEnter);
    RunKit();
    EXPECT_TRUE(TextShownAt(host, "To flood area, point mouse", 130, 160));
    EXPECT_EQ(SecondLineOfBox(host, "To flood area, point mouse"), "cursor and press CONTROL+F.");
    for (int x = 0; x < 13; ++x) EXPECT_EQ(Bottom(x, 0), 1);
}

// A box that answers a question stands on the editor drawn again, never beside the question's
// box: a missing level at Load Num and at the reload offer, the dumps' messages, a report or a
// level file that cannot be written after the overwrite question.
TEST_F(EditorControlsTest, AnswersStandOnTheEditorNotBesideTheQuestion) {
    struct Case {
        const char* name;
        std::function<void()> input;
        int32_t questionX, questionY, answerX, answerY;
        const char* answer;
    };
    const auto readOnlyLevel0 = [] {
        ASSERT_EQ(SaveLevel(0, 0), 1u);
        fs::permissions("Mod/LevelData/Level0.dat", fs::perms::owner_read | fs::perms::group_read);
    };
    const Case cases[] = {
        {"Load Num",
         [&] {
             ClickAt(560, 410);
             ClickAt(340, 165);
             host.Wait(2).Type("40").Tap(kEnter);
             ClickAt(250, 215);
             TapKey(kEnter);
         },
         200, 100, 200, 160, "  Level does not exist!"},
        {"Reload previous level",
         [&] {
             KitPreviousLevel = 6;
             Keys({'Y', kEnter});
         },
         100, 120, 200, 160, "  Level does not exist!"},
        {"Dump script text", [&] { Keys({'U', 'R', 'Y', kEnter, 'N'}); }, 100, 130, 130, 160,
         "Script texts were dumped"},
        {"Dump event text", [&] { Keys({'U', 'R', 'N', 'Y', kEnter}); }, 120, 150, 130, 160, "Event texts were dumped"},
        {"Flag Conflicts",
         [&] {
             fs::create_directories("FlagConflictReport.txt");
             OpenPanelRow('U', 1);
             Keys({'Y', kEnter});
         },
         180, 130, 130, 160, "'FlagConflictReport.txt' could"},
        {"Save (F4)",
         [&] {
             readOnlyLevel0();
             Keys({kF4, 'Y', 'Y', kEnter});
         },
         200, 150, 210, 175, "Level0.dat could not"},
        {"Save As",
         [&] {
             readOnlyLevel0();
             ClickAt(560, 433);
             ClickAt(250, 76);  // entry 0
             Keys({'Y', 'Y', kEnter, kEsc});
         },
         200, 150, 210, 175, "Level0.dat could not"},
    };
    host.framesKept = 64;
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        KitPreviousLevel = 0;
        fs::remove("Mod/LevelData/Level0.dat");
        fs::remove_all("FlagConflictReport.txt");
        host.texts.clear();
        host.frames.clear();
        c.input();
        RunKit();
        EXPECT_TRUE(TextShownAt(host, c.answer, c.answerX + 30, c.answerY + 40));
        EXPECT_TRUE(BoxShown(host, c.answerX, c.answerY));
        EXPECT_FALSE(BoxLeftBeside(host, c.answerX, c.answerY, c.questionX, c.questionY));
    }
    KitPreviousLevel = 0;
}

// Customize opens the campaign switches; its Save writes Custom.dat and the editor goes on.
TEST_F(EditorControlsTest, CustomizeEditsAndSavesTheCampaign) {
    const uint32_t durwich = CustomCampaign.DurwichEnabled == 1 ? 0 : 1;
    ClickAt(305, 460);
    ClickAt(335, 320);  // "Include Durwich map ingame?"
    TapKey('R');        // Save
    RunKit();
    EXPECT_TRUE(TextShown(host, "Custom Campaign"));
    EXPECT_EQ(U32At(FileBytes("Mod/GameData/Custom.dat"), 0), durwich);
    EXPECT_EQ(CustomCampaign.DurwichEnabled, durwich);
    EXPECT_EQ(Shown("Really Quit Editor?"), 1u);
}

}  // namespace
