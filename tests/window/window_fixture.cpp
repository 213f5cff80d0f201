// The player folders of the real-window check (scripts/window_check.sh), made with the game's
// own writers, and the look at what a run left in one.
//   window_fixture FOLDER options TRIM DELAY  Option.dat: Trim Title Pages and the game delay
//   window_fixture FOLDER temple              a hero in slot 1 beside the temple's priest, poisoned,
//                                             with gold; prints the arrow key that walks into him
//   window_fixture FOLDER archer              a hero in slot 1 with bow and arrows, on a level of
//                                             his own with a goblin archer that cannot reach him;
//                                             prints the screen centres of both squares
//   window_fixture FOLDER walker              a hero in slot 1 on an open level of his own, with
//                                             room to walk 25 squares east; prints his square
//   window_fixture FOLDER creation            no points for a new hero to spend: character
//                                             creation's pages 2 and 3 offer Next step at once
//   window_fixture FOLDER saved               prints the gold and poison of the save in slot 1
//   window_fixture FOLDER square              prints the hero's square in the save of slot 1
//   window_fixture FOLDER name                prints the hero's name in the save of slot 1
//   window_fixture FOLDER painted             prints how many squares of the kit's new level,
//                                             saved, hold the tile of the stroke case on the
//                                             window's last row (columns 0..12 of row 12)
// The folder is filled from the built module first, as the game fills it at its first start;
// the requests that print from a save or a level only read the folder, beside a running game.
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <filesystem>
#include <iterator>
#include <string>
#include <string_view>
#include <vector>

#include "adventure/encounters.h"
#include "data/data_files.h"
#include "data/file_io.h"
#include "data/game_state.h"
#include "data/item_records.h"
#include "data/level.h"
#include "data/monster_records.h"
#include "data/options.h"
#include "data/save_slots.h"
#include "data/skill_bonus.h"
#include "data/square_kinds.h"
#include "data/text_field.h"
#include "frontend/new_character.h"
#include "hero/derived_stats.h"
#include "hero/give_item.h"
#include "hero/item_instances.h"
#include "kit/level/level_files.h"
#include "kit/level/tile_pickers.h"
#include "platform/host/headless.h"
#include "platform/working_folder.h"
#include "view/map_view.h"

namespace {

constexpr int16_t kTempleEvent = 1252;
constexpr int16_t kOwnLevel = 9;          // a number the default module leaves free
constexpr int16_t kFlagstones = 329;      // the barrow's floor tile
constexpr int16_t kStartGold = 500;

[[noreturn]] void Fail(const std::string& why) {
    std::fprintf(stderr, "window_fixture: %s\n", why.c_str());
    std::exit(1);
}

int16_t ItemNamed(std::string_view name) {
    for (int16_t n = 0; n < kItemCount; ++n)
        if (FieldText(ItemTable[size_t(n)].ItemName) == name) return n;
    Fail("no item named " + std::string(name));
}

// The first monster of the module that shoots arrows.
int16_t Archer() {
    for (int16_t n = 0; n < kMonsterCount; ++n) {
        const MonsterRecord& m = MonsterTable[size_t(n)];
        if (m.MonsterMissileType == 1 && m.MonsterPower < 1 && !FieldText(m.MonsterName).empty()) return n;
    }
    Fail("the module has no archer");
}

// A new hero as character creation leaves him, with every statistic at 5.
void NewHero(std::string_view name) {
    ResetGameState();
    SetFieldText(GameState.HeroName, name);
    for (size_t s = 0; s < std::size(GameState.BaseStats); ++s) GameState.BaseStats[s] = GameState.Stats[s] = 5;
    SetStartingValues();
    GameState.HeroGold = kStartGold;
}

// Carried first, then put on: the backpack's cells of the instance are freed.
void Wear(int16_t item, int16_t count, int slot) {
    if (!GiveItem(item, 0, count, 0)) Fail("no room for item " + std::to_string(item));
    for (int16_t& cell : BackpackGrid()) {
        if (InstanceItem(cell) != item) continue;
        GameState.EquipSlots[slot] = cell;
        const int16_t instance = cell;
        for (int16_t& other : BackpackGrid())
            if (other == instance) other = kNone;
        return;
    }
    Fail("item " + std::to_string(item) + " not in the backpack");
}

// The hero on his level, its monsters placed as on entering it, saved as a new character.
void SaveHero(int16_t level, int16_t x, int16_t y) {
    GameState.CurrentLevelNumber = level;
    GameState.HeroX = x;
    GameState.HeroY = y;
    if (!LoadLevel(level, 1, 1)) Fail("level " + std::to_string(level) + " does not load");
    if (!SaveNewCharacter()) Fail("the new hero could not be saved");
    PopulateEncounters();
}

void Save() {
    RecalcHero();
    if (!SaveGameToSlot(0, GameState.CurrentSaveSlot)) Fail("the save could not be written");
}

bool Walkable(int16_t x, int16_t y) {
    if (!OnMap(x, y) || EventAt(x, y) || GameState.MonsterGrid[x * 50 + y] != -1) return false;
    const int16_t access = CurrentLevel.AccessLayer[x * 50 + y];
    return access < kFirstBlockingAccess && access != kChasmAccess;
}

void Temple() {
    NewHero("Templar");
    const int16_t level = GameState.CurrentLevelNumber;
    if (!LoadLevel(level, 1, 1)) Fail("the start level does not load");
    struct Way {
        int16_t dx, dy;
        const char* key;  // the arrow that walks from the square into the priest
    };
    static constexpr Way kWays[] = {{0, 1, "Up"}, {0, -1, "Down"}, {1, 0, "Left"}, {-1, 0, "Right"}};
    for (int16_t x = 0; x < 50; ++x)
        for (int16_t y = 0; y < 50; ++y) {
            const EventRecord* e = EventAt(x, y);
            if (!e || e->Word[0] != kTempleEvent) continue;
            for (const Way& w : kWays) {
                const int16_t hx = int16_t(x + w.dx), hy = int16_t(y + w.dy);
                if (!Walkable(hx, hy)) continue;
                SaveHero(level, hx, hy);
                GameState.Poisoned = 1;
                Save();
                std::printf("%s\n", w.key);
                return;
            }
        }
    Fail("no temple with a free square beside it on the start level");
}

// A level of open floor, all one zone, as level kOwnLevel.
void NewOwnLevel(std::string_view zone) {
    NewLevel(kFlagstones);
    SetFieldText(CurrentLevel.ZoneNames[0], zone);
}

void WriteOwnLevel() {
    if (SaveLevelFile(kOwnLevel, 0) != LevelSave::kWritten) Fail("the level could not be written");
    ListLevel(kOwnLevel);
    if (!SaveLevelList()) Fail("the level list could not be written");
}

void ArcherLevel(int16_t archerX, int16_t archerY) {
    NewOwnLevel("Archery Range");
    // A chasm around the archer: he sees and shoots across it, and can never walk.
    for (int dx = -1; dx <= 1; ++dx)
        for (int dy = -1; dy <= 1; ++dy)
            if (dx != 0 || dy != 0) CurrentLevel.AccessLayer[(archerX + dx) * 50 + archerY + dy] = kChasmAccess;
    WriteOwnLevel();
}

void ArcherCase() {
    // Four columns and three rows apart: the arrow flies a diagonal, a pause at every step.
    constexpr int16_t kHeroX = 20, kHeroY = 20, kArcherX = 16, kArcherY = 17;
    ArcherLevel(kArcherX, kArcherY);
    NewHero("Bowman");
    SaveHero(kOwnLevel, kHeroX, kHeroY);
    Wear(ItemNamed("Short Bow"), 0, kBowSlot);
    Wear(ItemNamed("Arrows"), 20, kAmmunitionSlot);
    if (!AddMonsterEncounter(Archer(), kArcherX, kArcherY, 3, 0)) Fail("the archer could not be placed");
    Save();
    int16_t originX, originY;
    ComputeViewOrigin(originX, originY);
    const auto centre = [&](int16_t x, int16_t origin) { return 15 + 32 * (x - origin) + 16; };
    std::printf("%d %d %d %d\n", centre(kHeroX, originX), centre(kHeroY, originY), centre(kArcherX, originX),
                centre(kArcherY, originY));
}

void WalkerCase() {
    // Far from the map's edges: a walk east of 25 squares and more stays on open floor.
    constexpr int16_t kX = 10, kY = 25;
    NewOwnLevel("Open Ground");
    WriteOwnLevel();
    NewHero("Walker");
    SaveHero(kOwnLevel, kX, kY);
    Save();
    std::printf("%d %d\n", kX, kY);
}

void NoPointsToSpend() {
    SkillBonus.NewPcStatPoints = SkillBonus.NewPcSkillPoints = 0;
    if (!SaveSkillBonusFile()) Fail("SkillBonus.dat could not be written");
}

const GameStateRecord& SavedState() {
    static GameStateRecord g;
    std::vector<uint8_t> bytes;
    if (!ReadWholeFile(SaveFilePath(0), bytes) || bytes.size() < sizeof g) Fail("no save in slot 1");
    std::memcpy(&g, bytes.data(), sizeof g);
    return g;
}

// The kit opens on a new level, numbered 0, of the Ground grid's first tile; the stroke case
// picks the grid's second tile and paints the window's last row, the window at the map's corner.
void Painted() {
    constexpr int16_t kKitLevel = 0, kRow = 12, kColumns = 13;
    std::vector<uint8_t> bytes;
    if (!ReadWholeFile(LevelFilePath(kKitLevel), bytes)) Fail("no level " + std::to_string(kKitLevel));
    ReadLevelImage(bytes);
    const int16_t tile = WallTileGrids[0][1];
    int painted = 0;
    for (int x = 0; x < kColumns; ++x) painted += CurrentLevel.BottomLayer[x * 50 + kRow] == tile ? 1 : 0;
    std::printf("%d\n", painted);
}

}  // namespace

int main(int argc, char** argv) {
    if (argc < 3)
        Fail("usage: window_fixture FOLDER options TRIM DELAY | temple | archer | walker | creation | saved | "
             "square | name | painted");
    const std::string_view what = argv[2];
    if (what == "saved" || what == "square" || what == "name" || what == "painted") {
        // Read beside a running game: nothing of its folder is written.
        std::error_code ec;
        std::filesystem::current_path(argv[1], ec);
        if (ec) Fail(std::string("cannot enter ") + argv[1]);
        if (what == "painted") {
            Painted();
            return 0;
        }
        const GameStateRecord& g = SavedState();
        if (what == "saved") std::printf("gold %d poisoned %u\n", int(g.HeroGold), unsigned(g.Poisoned));
        if (what == "square") std::printf("%d %d\n", int(g.HeroX), int(g.HeroY));
        if (what == "name") std::printf("%s\n", std::string(FieldText(g.HeroName)).c_str());
        return 0;
    }
    host::Headless headless;
    host::Install(&headless);
    if (!PrepareWorkingFolder(argv[1], VEXMOOR_MODULE_DIR)) Fail(std::string("cannot use ") + argv[1]);
    LoadDataFiles();
    if (what == "options" && argc == 5) {
        Options.TrimTitlePages = std::atoi(argv[3]) ? 1 : 0;
        Options.GameDelay = int16_t(std::atoi(argv[4]));
        if (!SaveOptionFile()) Fail("Option.dat could not be written");
    } else if (what == "temple") {
        Temple();
    } else if (what == "archer") {
        ArcherCase();
    } else if (what == "walker") {
        WalkerCase();
    } else if (what == "creation") {
        NoPointsToSpend();
    } else {
        Fail("unknown request " + std::string(what));
    }
    host::Install(nullptr);
    return 0;
}
