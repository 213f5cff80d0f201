// Saves and levels damaged by hand, written as files, restored by the game's own readers and
// played for a few moves on the fuzz targets' world: what lies outside its table is not drawn
// and changes nothing, and the game goes on.
#include <algorithm>
#include <cctype>
#include <memory>
#include <string>
#include <vector>

#include "adventure/adventure_loop.h"
#include "data/file_io.h"
#include "data/game_state.h"
#include "data/level.h"
#include "data/save_slots.h"
#include "data/square_kinds.h"
#include "frontend/new_character.h"
#include "frontend/title.h"
#include "fuzz/game_checks.h"
#include "hero/hero_screen_pages.h"
#include "hero/item_instances.h"
#include "kit/events/level_records.h"
#include "platform/display.h"
#include "platform/keys.h"
#include "tests/data/file_bytes.h"
#include "tests/data/texts_shown.h"
#include "tests/support/headless_test.h"
#include "view/play_screen.h"

namespace {

constexpr int16_t kSlot = 1;
constexpr int16_t kOrcSquare = 28 * 50 + 25;  // three squares east of the hero

class DamagedGameTest : public HeadlessTest {
protected:
    void SetUp() override {
        HeadlessTest::SetUp();
        OpenDisplay();
        fuzz::EnterPlayWorld();
    }

    // The world in memory, damaged by `damage`, written as its save and level files; the level
    // file then cut to `levelBytes` when given, and both read back as a restore reads them.
    template <class Damage>
    void RestoreDamaged(Damage&& damage, size_t levelBytes = 0) {
        damage();
        const std::string level = LevelFilePath(GameState.CurrentLevelNumber);
        ASSERT_EQ(WriteLevelFile(level), 1u);
        if (levelBytes) {
            auto bytes = FileBytes(level);
            ASSERT_LT(levelBytes, bytes.size());
            bytes.resize(levelBytes);
            ASSERT_TRUE(WriteFileAtomic(level, bytes));
        }
        ASSERT_EQ(SaveGameToSlot(0, kSlot), 1u);
        ResetGameState();
        NewLevel(0);
        ASSERT_EQ(RestoreCharacter(kSlot), RestoreResult::Restored);
    }

    // The back surface as a drawing left it.
    template <class Draw>
    static std::vector<uint16_t> Drawn(Draw&& draw) {
        draw();
        return {BackSurface->pixels.get(), BackSurface->pixels.get() + 640 * 480};
    }
    static std::vector<uint16_t> PlayScreen() {
        return Drawn([] { DrawPlayScreen(1, 1, 0, -1, -1, 0); });
    }

    // The keys, then Ctrl+Q; the adventure must end by itself.
    void Play(std::initializer_list<int> keys) {
        for (int key : keys) TapKey(key);
        host.Wait(20).Press(kCtrl).Wait(5).Tap('Q').Release(kCtrl);
        Run(AdventureLoop);
        EXPECT_EQ(QuitProgram, 1u);
        QuitProgram = 0;
    }
};

TEST_F(DamagedGameTest, AnInstancePastTheTableInTheBackpackShowsNothing) {
    const auto sound = Drawn([] { DrawHeroScreen(BackpackPage(), 0); });
    RestoreDamaged([] { GameState.Backpack[8][8] = 900; });
    EXPECT_EQ(Drawn([] { DrawHeroScreen(BackpackPage(), 0); }), sound);

    Play({'I', kEsc, kLeft});
    EXPECT_EQ(GameState.HeroX, 24);
}

TEST_F(DamagedGameTest, AMonsterPastTheTableIsNotDrawnAndNeverFights) {
    const int16_t e = GameState.MonsterGrid[kOrcSquare];
    ASSERT_GE(e, 0);
    RestoreDamaged([e] { GameState.EncounterList[e].Monster = 350; });
    const auto damaged = PlayScreen();
    const Encounter kept = GameState.EncounterList[e];
    GameState.EncounterList[e].Kind = -1;
    GameState.MonsterGrid[kOrcSquare] = -1;
    EXPECT_EQ(damaged, PlayScreen());
    GameState.EncounterList[e] = kept;
    GameState.MonsterGrid[kOrcSquare] = e;

    host.MoveMouse(15 + 32 * 9 + 16, 15 + 32 * 6 + 16).Wait(100).Tap(2);
    Play({kRight, kRight, kRight, 32});
    EXPECT_EQ(GameState.HeroX, 27);  // the square stays held
    EXPECT_FALSE(TextShown(host, "You hit the Orc"));
    EXPECT_EQ(GameState.EncounterList[e].Monster, 350);
}

TEST_F(DamagedGameTest, AHeroOffTheMapStaysWhereHeIs) {
    RestoreDamaged([] {
        GameState.HeroX = 60;
        GameState.HeroY = -3;
    });
    // No step is tried from there, so the arrows are not even read: they are held a while.
    host.Hold(kLeft, 500).Hold(kUp, 500);
    Play({'X', 32});
    EXPECT_EQ(GameState.HeroX, 60);
    EXPECT_EQ(GameState.HeroY, -3);
    EXPECT_TRUE(TextShown(host, "Coordinates: X=60 , Y=-3"));
}

TEST_F(DamagedGameTest, AScriptThatJumpsToItsLastLineEndsThere) {
    // A change to a script slot past the table, a choice whose one answer jumps to a mark on
    // line 399, and gold that is never reached.
    RestoreDamaged([] {
        auto script = std::make_unique<LevelScript>();
        ScriptRecord& r = script->Record;
        const int16_t lines[][3] = {
            {0, 6, 45}, {1, 1, 0}, {2, 4, 7}, {3, 23, 100}, {399, 5, 7}};  // line, code, operand
        for (const auto& l : lines) {
            r.Code[l[0]] = l[1];
            r.Operand[l[0]][0] = l[2];
        }
        script->LineText[1] = std::make_unique<ScriptLineText>();
        std::copy_n("1. Go on", 9, script->LineText[1]->data());
        ScriptTable[0] = std::move(script);
        CreateEvent(26, 25, 1246);  // a SCRIPT EVENT running script 0
    });
    const int32_t gold = GameState.HeroGold;

    Play({kRight, kEnter, '1', kUp});
    EXPECT_TRUE(TextShown(host, "Change Script Error!"));
    EXPECT_TRUE(TextShown(host, "1. Go on"));
    EXPECT_FALSE(TextShown(host, "ERROR: mark not found!"));
    EXPECT_EQ(GameState.HeroGold, gold);
    EXPECT_EQ(GameState.HeroY, 24);  // the game goes on
}

TEST_F(DamagedGameTest, AnEventWordNamingFlag9000ChangesNoFlag) {
    RestoreDamaged([] {
        CreateEvent(25, 24, kTriggerEvent);
        int16_t* w = EventAt(25, 24)->Word;
        w[4] = 9000, w[5] = 0, w[6] = 5;  // set flag 9000 to 5
        w[8] = 12, w[9] = 0, w[10] = 7;   // set flag 12 to 7
        w[14] = 3;                        // and 3 points
    });
    const auto before = std::make_unique<GameStateRecord>(GameState);

    Play({kUp, kEnter});
    EXPECT_EQ(GameState.HeroY, 24);
    EXPECT_EQ(GameFlag(12), 7);
    EXPECT_EQ(GameFlag(9000), -1);
    SetGameFlag(12, -1);
    // Flag 0 is the world's turn's own.
    EXPECT_TRUE(std::equal(std::begin(GameState.GameFlags) + 1, std::end(GameState.GameFlags), before->GameFlags + 1));
    EXPECT_EQ(SecondLineOfBox(host, "Your score just increased"), "by 3 points!");
}

// More damaged files, each played with a look at the hero screen and the map, two steps west
// and one back: the game goes on with the hero where the steps take him.
struct DamagedFile {
    const char* what;
    void (*damage)();
    size_t levelBytes;  // the level file cut there, when not 0
    int16_t heroX, heroY;
};

void PrintTo(const DamagedFile& f, std::ostream* os) { *os << f.what; }

class DamagedFileTest : public DamagedGameTest, public ::testing::WithParamInterface<DamagedFile> {};

TEST_P(DamagedFileTest, PlaysOn) {
    RestoreDamaged(GetParam().damage, GetParam().levelBytes);
    // The hero screen's pages, which a beast does not open: held, not tapped.
    for (int key : {int('I'), kEsc, int('S'), kEsc}) host.Wait(100).Hold(key, 400);
    Play({kLeft, kLeft, kRight, 32, 'M', kEsc});
    EXPECT_EQ(GameState.HeroX, GetParam().heroX);
    EXPECT_EQ(GameState.HeroY, GetParam().heroY);
}

int16_t& OrcField(int16_t Encounter::*field) {
    return GameState.EncounterList[GameState.MonsterGrid[kOrcSquare]].*field;
}

const DamagedFile kDamagedFiles[] = {
    {"worn weapon naming instance 900", [] { GameState.EquipSlots[kWeaponSlot] = 900; }, 0, 24, 25},
    {"worn item naming item 30000", [] { GameState.ItemInstances[0].ItemNumber = 30000; }, 0, 24, 25},
    {"backpack item naming item -7", [] { InstanceAt(GameState.Backpack[0][0])->ItemNumber = -7; }, 0, 24, 25},
    {"monster grid naming encounter 5000", [] { GameState.MonsterGrid[24 * 50 + 25] = 5000; }, 0, 24, 25},
    {"encounter standing off the map", [] { OrcField(&Encounter::X) = 70, OrcField(&Encounter::Y) = -4; }, 0, 24, 25},
    {"encounter of kind 99", [] { OrcField(&Encounter::Kind) = 99; }, 0, 24, 25},
    {"tiles past the tile sheet",
     [] {
         std::fill(std::begin(CurrentLevel.BottomLayer), std::end(CurrentLevel.BottomLayer), int16_t{30000});
         std::fill(std::begin(CurrentLevel.TopLayer), std::end(CurrentLevel.TopLayer), int16_t{-7});
     },
     0, 24, 25},
    {"zone past the zone table",
     [] { std::fill(std::begin(CurrentLevel.ZoneLayer), std::end(CurrentLevel.ZoneLayer), int16_t{77}); }, 0, 24, 25},
    {"hero in form 500", [] { GameState.HeroForm = 500, GameState.FormTurns = 9; }, 0, 24, 25},
    {"timed effects far negative",
     [] { std::fill(&GameState.BlessTurns, &GameState.CombatBonusTurns + 1, int16_t{-32768}); }, 0, 24, 25},
    {"west exit to level 9000",
     [] {
         CurrentLevel.ExitLevel[3] = 9000;
         GameState.HeroX = 1, GameState.HeroY = 5;
     },
     0, 1, 5},
    {"level file cut inside an event", [] {}, sizeof(LevelRecord) + 3 * sizeof(EventRecord) / 2, 24, 25},
};

INSTANTIATE_TEST_SUITE_P(Files, DamagedFileTest, ::testing::ValuesIn(kDamagedFiles), [](const auto& info) {
    std::string name;
    for (const char* c = info.param.what; *c; ++c)
        if (std::isalnum(uint8_t(*c)) || *c == ' ') name += *c == ' ' ? '_' : *c;
    return name;
});

}  // namespace
