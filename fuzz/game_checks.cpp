#include "fuzz/game_checks.h"

#include <algorithm>
#include <cstring>

#include "adventure/adventure_loop.h"
#include "adventure/encounters.h"
#include "adventure/teleport.h"
#include "data/data_files.h"
#include "data/file_io.h"
#include "data/game_state.h"
#include "data/item_records.h"
#include "data/level.h"
#include "data/monster_records.h"
#include "data/save_slots.h"
#include "data/square_kinds.h"
#include "data/text_field.h"
#include "frontend/new_character.h"
#include "frontend/title.h"
#include "hero/derived_stats.h"
#include "hero/give_item.h"
#include "hero/item_instances.h"
#include "kit/events/level_records.h"
#include "platform/host/headless.h"
#include "platform/keys.h"
#include "tests/support/global_state.h"

namespace fuzz {
namespace {

constexpr int16_t kFloorTile = 1327;
constexpr int16_t kWallTile = 1;
constexpr int16_t kPlayLevel = 1;
constexpr int16_t kHeroSquare = 25;
constexpr size_t kMaxMoves = 48;
constexpr size_t kMaxLevelImage = 1 << 18;
constexpr int kMaxEvents = 16;
constexpr int16_t kEventRow = 10;

// A few records of every kind the hero carries and meets; the rest are the defaults.
void MakeTables() {
    LoadDataFiles();
    const struct {
        int16_t number, type, d0, d1, armour;
        const char* name;
    } items[] = {{10, 0, 1, 8, 0, "Sword"}, {11, 3, 0, 0, 3, "Leather"}, {12, 14, 0, 0, 0, "Healing"},
                 {13, 18, 2, 6, 0, "Wand"},   {14, 19, 1, 6, 0, "Bow"},   {15, 21, 0, 0, 0, "Arrows"},
                 {16, 16, 0, 0, 0, "Scroll"}, {17, 30, 0, 0, 0, "Bread"}, {18, 26, 0, 0, 0, "Key"}};
    for (const auto& i : items) {
        ItemRecord& r = ItemTable[size_t(i.number)];
        SetFieldText(r.ItemName, i.name);
        r.ItemType = i.type;
        r.ItemDamage[0] = i.d0;
        r.ItemDamage[1] = i.d1;
        r.ItemArmourBonus = i.armour;
    }
    // One monster of each footprint class, and one that shoots (not on the level: its missiles
    // are drawn step by step, and a save may bring it).
    const int16_t pictures[] = {0, 1008, 1236, 1356, 0};
    for (int16_t m = 1; m <= 5; ++m) {
        MonsterRecord& r = MonsterTable[size_t(m)];
        SetFieldText(r.MonsterName, m == 5 ? "Archer" : "Orc");
        r.MonsterType = 1;
        r.MonsterPicture = pictures[m - 1];
        r.MonsterHitPoints = int16_t(8 + m);
        r.MonsterXpAward = 20;
        r.MonsterAwareness = 10;
        r.MonsterDeathItem[0] = int16_t(m == 2 ? 12 : -1);
    }
    MonsterTable[5].MonsterMissileType = 1;
    MonsterTable[5].MonsterMissileDamage[0] = 1;
    MonsterTable[5].MonsterMissileDamage[1] = 4;
}

// Level 1: a walled room around (25, 25) with a door, monsters of every size and a chest.
void MakePlayLevel() {
    NewLevel(kFloorTile);
    LevelRecord& l = CurrentLevel;
    for (int16_t i = 15; i <= 35; ++i)
        for (int16_t square : {15 * 50 + i, 35 * 50 + i, i * 50 + 15, i * 50 + 35}) {
            l.TopLayer[square] = kWallTile;
            l.AccessLayer[square] = kSolidAccess;
        }
    CreateEvent(25, 15, kSimpleDoorEvent);
    l.AccessLayer[25 * 50 + 15] = 1295;
    const int16_t monsters[][3] = {{28, 25, 1}, {21, 27, 2}, {25, 29, 3}, {30, 20, 4}};
    for (const auto& m : monsters) {
        CreateEvent(m[0], m[1], kMonsterEvent);
        EventAt(m[0], m[1])->Word[4] = m[2];
    }
    CreateEvent(23, 23, 1242);  // a chest with a potion
    EventAt(23, 23)->Word[6] = 12;
    l.ExitLevel[0] = l.ExitLevel[1] = 0;
    l.ExitLevel[2] = kPlayLevel;
    l.ZoneLayer[26 * 50 + 25] = 1;
    l.ZoneConditions[1] = 6;  // an antimagic square beside the hero
}

// A new game's hero grown to level 3, with a weapon, armour, a bow and a backpack of things.
void MakeHero() {
    ResetGameState();
    GameStateRecord& g = GameState;
    SetFieldText(g.HeroName, "Tester");
    g.HeroLevel = 3;
    g.HeroFood = 4;
    g.HeroGold = 150;
    g.HeroXp = 1200;
    std::fill(std::begin(g.BaseStats), std::end(g.BaseStats), int16_t{12});
    std::fill(std::begin(g.BaseSkills), std::end(g.BaseSkills), int16_t{2});
    g.BaseSaves[0] = g.BaseSaves[1] = 30;
    g.HitPoints = g.HitPointsMax = 40;
    g.Energy = g.EnergyMax = 8000;
    g.CurrentLevelNumber = kPlayLevel;
    g.HeroX = g.HeroY = kHeroSquare;
    g.CurrentSaveSlot = 1;
    const int16_t worn[][2] = {{kWeaponSlot, 10}, {kArmourSlot, 11}, {kBowSlot, 14}, {kAmmunitionSlot, 15}, {kWandSlot, 13}};
    for (int16_t n = 0; n < int16_t(std::size(worn)); ++n) {
        g.ItemInstances[n] = {worn[n][1], 1, 20, 0, 1};
        g.EquipSlots[worn[n][0]] = n;
    }
    for (int16_t item : {12, 12, 16, 17, 18}) GiveItem(item, 2, 1, 0);
    RecalcHero();
}

// The base world: tables, level 1 written, the hero on it with its encounters.
void MakeWorld() {
    MakeTables();
    MakePlayLevel();
    WriteLevelFile(LevelFilePath(kPlayLevel));
    MakeHero();
    PopulateEncounters();
}

template <class T>
std::vector<uint8_t> Bytes(const T& record) {
    const auto bytes = BytesOf(record);
    return {bytes.begin(), bytes.end()};
}

template <class T>
T Read(std::span<const uint8_t>& data) {
    T value{};
    const size_t n = std::min(sizeof value, data.size());
    std::memcpy(&value, data.data(), n);
    data = data.subspan(n);
    return value;
}

// The parts of a save and of a level file that an overlay aims at, so that a short input
// reaches any field: {offset, size}; size 0 runs to the image's end, which an overlay there
// may extend (the level's events and scripts).
struct Region {
    size_t offset, size;
};
#define FIELD(Record, name) Region{offsetof(Record, name), sizeof(Record::name)}
#define FIELDS(Record, first, last) \
    Region{offsetof(Record, first), offsetof(Record, last) + sizeof(Record::last) - offsetof(Record, first)}
constexpr Region kSaveRegions[] = {
    {0, sizeof(GameStateRecord)},
    FIELDS(GameStateRecord, HeroName, Reserved40),
    FIELDS(GameStateRecord, BaseStats, Skills),
    FIELDS(GameStateRecord, Reserved144, Reserved170),  // hit points, level, square, speed
    FIELDS(GameStateRecord, ParalysisImmune, ItemsStripped),
    FIELDS(GameStateRecord, BlessTurns, Shrunk),  // timed effects, charges, beacon
    FIELD(GameStateRecord, ItemInstances),
    FIELD(GameStateRecord, Backpack),
    FIELDS(GameStateRecord, EquipSlots, Keyring),
    FIELD(GameStateRecord, PendingItems),
    FIELDS(GameStateRecord, Vaults, VaultOwned),
    FIELD(GameStateRecord, GameFlags),
    FIELDS(GameStateRecord, QuestStates, ActiveQuestCount),
    FIELDS(GameStateRecord, Awards, SidePanelMode),
    FIELD(GameStateRecord, EncounterList),
    FIELD(GameStateRecord, MonsterGrid),
    FIELDS(GameStateRecord, Score, BagOfHolding),
    FIELD(GameStateRecord, DamageFloor),
    FIELDS(GameStateRecord, DamageFloorTimers, CauldronGrid),
    {offsetof(GameStateRecord, AutomapSeen) + kSquareCount, kSquareCount},  // level 1's
    FIELDS(GameStateRecord, NemesisStones, CarefulStep),  // form, runes, dreams, time loop
    FIELD(GameStateRecord, MapNotes),
    FIELDS(GameStateRecord, StashPiles, Reserved378074),  // stash, gem bag, lore, aura
};
constexpr Region kLevelRegions[] = {
    {0, 0},
    FIELD(LevelRecord, ZoneNames),
    FIELD(LevelRecord, BottomLayer),
    FIELD(LevelRecord, TopLayer),
    FIELD(LevelRecord, AccessLayer),
    FIELD(LevelRecord, ZoneLayer),
    FIELD(LevelRecord, EventGrid),
    FIELD(LevelRecord, ScriptTable),
    FIELDS(LevelRecord, ExitLevel, Reserved30402),  // exits, zones, view
    {sizeof(LevelRecord), 0},                       // events and scripts
};
#undef FIELDS
// The records of the world's tables that a short input reaches, and the module's other files
// that play reads, each damaged whole.
constexpr int16_t kWorldMonsters = 6;  // 0 holds the experience multiplier, 1..5 the world's
constexpr int16_t kWorldItems[] = {10, 11, 12, 13, 14, 15, 16, 17, 18};
constexpr DataFile kWorldFiles[] = {DataFile::Option, DataFile::QuestText, DataFile::Forge,
                                    DataFile::Book,   DataFile::Penta,     DataFile::LevelList,
                                    DataFile::Module, DataFile::SkillBonus, DataFile::WinTxt};
template <class Record>
constexpr Region RecordRegion(size_t n) {
    return {n * sizeof(Record), sizeof(Record)};
}
#undef FIELD

void Overlay(std::vector<uint8_t>& image, Region region, size_t offset, std::span<const uint8_t> bytes) {
    if (region.size == 0) {
        offset = region.offset + offset % (image.size() - region.offset + 1);
        image.resize(std::min(kMaxLevelImage, std::max(image.size(), offset + bytes.size())));
    } else {
        offset = region.offset + offset % region.size;
    }
    const size_t n = std::min(bytes.size(), image.size() - offset);
    std::copy_n(bytes.begin(), n, image.begin() + std::ptrdiff_t(offset));
}

// The headless back end for one input: a watchdog short enough for a fuzzer, and a script
// built from the moves.
class Player {
public:
    Player() : previous_(host::Get()) {
        host_.idlePollLimit = 20'000;
        host_.idleTimeLimitMs = 120'000;
        host_.framesKept = 0;
        host::Install(&host_);
    }
    ~Player() { host::Install(&previous_); }

    // Keys and buttons are held for a few loop passes, not tapped: whatever screen a damaged
    // game shows may never read them, and a tap would wait for that.
    void Key(int32_t key) { host_.Wait(50).Hold(key, kHeld); }
    void Click(int32_t x, int32_t y, int32_t button) { host_.MoveMouse(x, y).Wait(50).Hold(button, kHeld); }
    void CtrlKey(int32_t key) { host_.Wait(20).Press(kCtrl).Wait(5).Hold(key, kHeld).Hold(kCtrl, 0); }
    // After a step: the answers a message or a question may wait for.
    void Answers(uint8_t which) {
        const int32_t keys[] = {kEnter, '1', kEsc, 'Y'};
        for (int bit = 0; bit < 4; ++bit)
            if (which & (1 << bit)) Key(keys[bit]);
    }
    void Move(uint8_t move) {
        static constexpr int32_t kArrows[] = {37, 39, 38, 40};
        // The actions that are keys: the one that opens a screen, and the one that leaves it.
        static constexpr int32_t kKeys[16][2] = {{}, {}, {}, {}, {kSpace, 0}, {}, {}, {},
                                                 {}, {}, {kTab, 0}, {'M', kEsc}, {}, {'R', kEnter},
                                                 {'Q', kEsc}, {}};
        // Places on the hero screen: backpack cells, the weapon, armour and wand slots, Use.
        static constexpr int16_t kHeroSpots[8][2] = {{356, 123}, {418, 154}, {480, 216}, {387, 278},
                                                     {20, 170},  {140, 170}, {258, 150}, {345, 405}};
        const uint8_t action = move & 15, detail = uint8_t(move >> 4);
        const auto viewCell = [](uint8_t d) { return 31 + 32 * (3 + 2 * d); };  // d 0..3 around the hero
        if (action < 4) {
            Key(kArrows[action]);
            Answers(detail);
        } else if (action == 5) {
            Click(viewCell(detail & 3), viewCell(detail >> 2), kRightButton);
        } else if (action == 6) {
            // A page of the hero screen, a place on it clicked with either button.
            const auto& spot = kHeroSpots[detail & 7];
            Key(detail & 8 ? 'I' : 'S');
            Click(spot[0], spot[1], kLeftButton);
            Click(spot[0], spot[1], kRightButton);
            for (int32_t key : {kEnter, kEsc, kEsc}) Key(key);
        } else if (action == 7) {
            // An item of the backpack taken up and used, and whatever it asks answered.
            const auto& spot = kHeroSpots[detail & 3];
            Key('I');
            Click(spot[0], spot[1], kLeftButton);
            Click(kHeroSpots[7][0], kHeroSpots[7][1], kLeftButton);
            Answers(uint8_t(detail | 1));
            Click(viewCell(detail >> 2), viewCell(1), kLeftButton);
            Key(kEsc);
        } else if (action == 8) {
            CtrlKey('F');
            Key(kEnter);
        } else if (action == 9 || action == 12) {
            // The hero box, the bow, a wand or a power of Activate Skill, aimed at a square.
            static constexpr int32_t kAims[] = {'X', 'B', 'W'};
            if (action == 9) {
                Key(kAims[detail % 3]);
            } else {
                Key('A');
                Key('1' + (detail & 7));
            }
            Click(viewCell(detail & 3), viewCell((detail >> 2) & 3), kLeftButton);
            Key(kEsc);
        } else if (action == 15) {
            Click(500, 170 + 14 * (detail & 7), (detail & 8) ? kLeftButton : kRightButton);
        } else {
            for (int32_t key : kKeys[action])
                if (key) Key(key);
        }
    }
    // What answers any question with its first choice: a numbered choice, OK, Yes, an event
    // screen's first button (the lowest of its stack), then Leave and Esc for a screen that
    // offers none.
    void FirstChoices() {
        for (int32_t key : {int32_t('1'), int32_t(kEnter), int32_t('Y')}) Key(key);
        Click(535, 264, kLeftButton);
        for (int32_t key : {int32_t('L'), int32_t(kEsc)}) Key(key);
    }
    // The adventure until Ctrl+Q; false when a screen waited past the script.
    bool Play() {
        CtrlKey('Q');
        try {
            AdventureLoop();
        } catch (const host::ScriptEnded&) {
            return false;
        }
        return true;
    }

private:
    static constexpr int32_t kHeld = 400;  // polls: two passes of the adventure loop
    host::Backend& previous_;
    host::Headless host_;
};

}  // namespace

void EnterPlayWorld() {
    MakeWorld();
    const std::vector<uint8_t> save = Bytes(GameState);
    RestoreGameImage(save);
}

bool CheckPlayInput(std::span<const uint8_t> data) {
    RestoreInitialState();
    MakeWorld();
    std::vector<uint8_t> level = LevelFileImage();
    const std::vector<uint8_t> base = Bytes(GameState);
    std::vector<uint8_t> save = base, monsters = Bytes(MonsterTable), items = Bytes(ItemTable);
    std::vector<uint8_t> files[std::size(kWorldFiles)];  // read when first damaged
    const uint8_t wanted = Read<uint8_t>(data);
    const auto moves = data.first(std::min<size_t>({wanted, kMaxMoves, data.size()}));
    data = data.subspan(moves.size());
    while (data.size() >= 4) {
        const uint8_t target = Read<uint8_t>(data);
        const uint16_t offset = Read<uint16_t>(data);
        const uint8_t length = Read<uint8_t>(data);
        const auto bytes = data.first(std::min<size_t>(length, data.size()));
        data = data.subspan(bytes.size());
        const size_t region = target >> 2;
        switch (target & 3) {
            case 0: Overlay(level, kLevelRegions[region % std::size(kLevelRegions)], offset, bytes); break;
            case 1: Overlay(save, kSaveRegions[region % std::size(kSaveRegions)], offset, bytes); break;
            case 2:
                if (const size_t n = region % (kWorldMonsters + std::size(kWorldFiles)); n < kWorldMonsters) {
                    Overlay(monsters, RecordRegion<MonsterRecord>(n), offset, bytes);
                } else {
                    std::vector<uint8_t>& file = files[n - kWorldMonsters];
                    if (file.empty()) ReadWholeFile(DataFilePath(kWorldFiles[n - kWorldMonsters]), file);
                    if (!file.empty()) Overlay(file, {0, file.size()}, offset, bytes);
                }
                break;
            default: Overlay(items, RecordRegion<ItemRecord>(kWorldItems[region % std::size(kWorldItems)]), offset, bytes);
        }
    }
    // The tables as a damaged module's files load.
    ReadDataFileImage(DataFile::Monster, monsters);
    ReadDataFileImage(DataFile::Item, items);
    for (size_t f = 0; f < std::size(kWorldFiles); ++f)
        if (!files[f].empty()) ReadDataFileImage(kWorldFiles[f], files[f]);

    // The level under the number the save names, and under the base save's.
    int16_t savedLevel = 0;
    std::memcpy(&savedLevel, save.data() + offsetof(GameStateRecord, CurrentLevelNumber), sizeof savedLevel);
    for (int16_t number : {kPlayLevel, savedLevel})
        if (number >= 0 && number < kLevelCount) WriteFileAtomic(LevelFilePath(number), level);
    if (RestoreGameImage(save) != RestoreResult::Restored && RestoreGameImage(base) != RestoreResult::Restored)
        return false;

    Player player;
    for (uint8_t move : moves) player.Move(move);
    player.Play();
    return true;
}

bool CheckEventInput(std::span<const uint8_t> data) {
    RestoreInitialState();
    MakeTables();
    MakeHero();
    GameState.CurrentLevelNumber = 0;

    // The level block of an empty floor with the events' and scripts' presence words, then
    // their records from the input.
    NewLevel(kFloorTile);
    const int events = data.empty() ? 0 : 1 + Read<uint8_t>(data) % kMaxEvents;
    std::vector<uint8_t> records;
    for (int i = 0; i < events; ++i) {
        CurrentLevel.EventGrid[(3 + 2 * i) * 50 + kEventRow] = 1;
        const uint16_t length = std::min<uint16_t>(Read<uint16_t>(data), sizeof(EventRecord));
        std::vector<uint8_t> record(sizeof(EventRecord), 0);
        const size_t n = std::min<size_t>(length, data.size());
        std::copy_n(data.begin(), n, record.begin());
        data = data.subspan(n);
        records.insert(records.end(), record.begin(), record.end());
    }
    const int scripts = Read<uint8_t>(data) % (kScriptSlots + 1);
    for (int s = 0; s < scripts; ++s) CurrentLevel.ScriptTable[s] = 1;
    std::vector<uint8_t> image = LevelFileImage();
    std::memcpy(image.data(), &CurrentLevel, sizeof CurrentLevel);
    image.insert(image.end(), records.begin(), records.end());
    image.insert(image.end(), data.begin(), data.end());
    if (!WriteFileAtomic(LevelFilePath(kPlayLevel), image)) return false;

    // Entered as the game enters a level, then each event met in turn.
    Player player;
    for (int i = 0; i < events; ++i) {
        TeleportHero(kPlayLevel, 0, int16_t(2 + 2 * i), kEventRow, 1);
        if (GameState.CurrentLevelNumber != kPlayLevel) return i > 0;  // only an event may take him away
        player.Key(39);
        for (int round = 0; round < 4; ++round) player.FirstChoices();
        if (!player.Play() || QuitAdventure != 1 || QuitProgram != 1) break;  // a screen waited, or he died
        QuitProgram = 0;
    }
    return true;
}

}  // namespace fuzz
