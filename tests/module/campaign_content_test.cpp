// The default module's content as the game reads it: every level loads, its tiles fit their
// layers, its events and scripts name only what exists, and every level can be reached.
#include <algorithm>
#include <array>
#include <deque>
#include <set>
#include <string>
#include <vector>

#include "art/tile_roles.h"
#include "data/campaign_tables.h"
#include "data/item_records.h"
#include "data/level.h"
#include "data/monster_records.h"
#include "data/text_field.h"
#include "events/event_dispatch.h"
#include "kit/level/auto_access.h"
#include "tests/module/campaign_test.h"

namespace {

bool IsItem(int16_t item) {
    return item >= 0 && item < kItemCount && !FieldText(ItemTable[size_t(item)].ItemName).empty();
}
bool IsMonster(int16_t m) {
    return m >= 0 && m < kMonsterCount && MonsterTable[size_t(m)].MonsterType != 0 &&
           !FieldText(MonsterTable[size_t(m)].MonsterName).empty();
}
bool IsFlag(int16_t flag) { return flag >= -1 && flag <= 7999; }
bool IsQuest(int16_t q) { return q >= 0 && q < 200 && !FieldText(QuestTextTable[size_t(q)].Line[0]).empty(); }
bool IsWallOrFloor(int16_t tile) {
    const bool special = (tile >= 1220 && tile <= 1399) || tile == 256 || (tile >= 407 && tile <= 409) ||
                         tile == 1628 || tile == 1664 || tile == 1959 || tile == 1979 || tile == 2139;
    return tile >= 0 && tile < kTileCount && !special;
}
bool IsAccessTile(int16_t a) {
    return (a >= 1291 && a <= 1301) || a == 1312 || (a >= 407 && a <= 409) || a == 1959 || a == 1979;
}
// Squares a hero may stand on by their access: not chasms, walls, deep water or a maw.
bool Walkable(int16_t access) {
    return access != 1292 && access != 1297 && access != 1298 && access != 1299 && access != 1301 && access != 1959;
}

struct Place {
    int16_t level, x, y;
    bool operator<(const Place& o) const { return std::tie(level, x, y) < std::tie(o.level, o.x, o.y); }
};

// What the words of each event type the module uses name.
struct WordRoles {
    int16_t type;
    std::vector<int> flags = {}, items = {}, monsters = {}, scripts = {}, quests = {};
    std::vector<std::array<int, 3>> places = {};  // level, x, y
    int firstSlotFlag = 0, slots = 0, firstSlotItem = 0;
};

const std::vector<WordRoles> kRoles = {
    {256, {1, 20, 23}, {}, {9, 10, 11}},
    {1226, {1, 4, 10, 16}},
    {1227, {1, 4, 10, 16}, {}, {}, {}, {20, 22}},
    {1230, {1}},
    {1232, {1}},
    {1233, {3}},
    {1234, {7}, {5}},
    {1235, {5, 8}},
    {1236, {1, 7, 22}, {}, {}, {}, {}, {{10, 12, 13}, {14, 16, 17}}},
    {1238, {1, 10, 11, 12, 13, 14, 15}},
    {1240, {1, 4}, {5}},
    {1241, {1}, {}, {}, {}, {}, {}, 4, 6, 5},
    {1242, {9}, {3}, {}, {}, {}, {}, 11, 6, 12},
    {1243, {2, 3}, {4}},
    {1244, {1}},
    {1245, {5, 15}, {}, {}, {}, {}, {}, 18, 3, 6},
    {1246, {1}, {}, {}, {4}},
    {1247, {1, 5, 6, 10}, {}, {4}},
    {1248, {1}, {5, 6, 7, 8, 9, 10, 11, 12}},
    {1249, {1, 7}},
    {1250, {1}},
    {1251, {1}},
    {1252, {1}},
    {1253, {1}},
    {1254, {1}},
    {1256, {1, 9}},
    {1257, {1, 9}, {}, {}, {}, {}, {{10, 12, 13}}},
    {1258, {1, 4, 8}},
    {1259, {1}},
    {1260, {3, 6}},
    {1261, {1}},
    {1266, {3}},
    {1272, {1, 7}},
    {1283, {1}},
    {1275, {}},
    {1330, {5}, {}, {}, {8}},
    {1664, {26, 27, 28, 29, 30}},
};

const WordRoles* RolesOf(int16_t type) {
    for (const WordRoles& r : kRoles)
        if (r.type == type) return &r;
    return nullptr;
}

// Events a hero walks onto or through once they are dealt with; the others are bumped only.
bool WalkedOnto(int16_t type) {
    static const std::set<int16_t> kTypes = {256,  1227, 1233, 1234, 1235, 1247, 1256, 1257,
                                              1258, 1259, 1261, 1275, 1283, 1330};
    return kTypes.count(type) != 0;
}

struct Walker {
    std::string where;
    std::vector<std::string> faults;
    void Fault(const std::string& what) { faults.push_back(where + ": " + what); }
};

// A place a hero can be sent to: a level of the module and a square he may stand on.
bool IsFreePlace(const Place& p, std::string& why) {
    const std::vector<int16_t> levels = ModuleLevels();
    if (std::find(levels.begin(), levels.end(), p.level) == levels.end()) {
        why = "no level " + std::to_string(p.level);
        return false;
    }
    if (!OnMap(p.x, p.y)) {
        why = "off the map";
        return false;
    }
    LoadLevel(p.level, 1, 0);
    const int16_t access = CurrentLevel.AccessLayer[p.x * 50 + p.y];
    const EventRecord* e = EventAt(p.x, p.y);
    const bool free = Walkable(access) && (!e || WalkedOnto(e->Word[0]));
    if (!free) why = "a square the hero cannot stand on";
    return free;
}

// Every script line's code is known, its jumps land on marks of its own script, and the
// items, flags and quests it names exist.
void CheckScript(Walker& w, const LevelScript& s) {
    std::set<int16_t> marks;
    for (int l = 0; l < kScriptLines; ++l)
        if (s.Record.Code[l] == 5) marks.insert(s.Record.Operand[l][0]);
    auto jump = [&](int l, int16_t mark) {
        if (!marks.count(mark))
            w.Fault("line " + std::to_string(l) + " jumps to a missing mark " + std::to_string(mark));
    };
    for (int l = 0; l < kScriptLines; ++l) {
        const int16_t code = s.Record.Code[l];
        const auto& op = s.Record.Operand[l];
        const bool hasText = s.LineText[size_t(l)] != nullptr;
        if (code < 0 || code > 66) w.Fault("line " + std::to_string(l) + " has code " + std::to_string(code));
        if ((code == 1 || code == 2 || code == 3 || code == 22) && !hasText)
            w.Fault("line " + std::to_string(l) + " has no text");
        switch (code) {
            case 4:
                for (int k = 0; k < 5; ++k)
                    if (op[k] > 0) jump(l, op[k]);
                break;
            case 7:
            case 22: jump(l, op[0]); break;
            case 10:
                if (!IsFlag(op[0]) || op[0] < 1) w.Fault("SFL of flag " + std::to_string(op[0]));
                break;
            case 11:
                if (!IsQuest(op[0])) w.Fault("SQU of quest " + std::to_string(op[0]));
                break;
            case 13:
                if (!IsFlag(op[0]) || op[0] < 1) w.Fault("IFL of flag " + std::to_string(op[0]));
                jump(l, op[3]);
                break;
            case 15:
                if (!IsItem(op[0])) w.Fault("ICA of item " + std::to_string(op[0]));
                jump(l, op[1]);
                break;
            case 18:
                if (!IsQuest(op[0])) w.Fault("IQU of quest " + std::to_string(op[0]));
                jump(l, op[2]);
                break;
            case 25:
            case 34:
                if (!IsItem(op[0])) w.Fault("an item line names item " + std::to_string(op[0]));
                break;
            case 32:
            case 48:
                if (op[1] > 0) jump(l, op[1]);
                break;
            case 38:
                if (op[0] < 0 || op[0] > 1) w.Fault("WIN of text " + std::to_string(op[0]));
                break;
            default: break;
        }
    }
}

void CheckEvent(Walker& w, int16_t level, int x, int y, const EventRecord& e, std::vector<Place>& places,
                std::vector<int16_t>& killFlags) {
    const int16_t type = e.Word[0];
    w.where = At(level, x, y) + " event " + std::to_string(type);
    if (!FindEventType(type)) return w.Fault("not an event type");
    const WordRoles* roles = RolesOf(type);
    if (!roles) return w.Fault("a type these checks do not know");
    for (int word : roles->flags)
        if (!IsFlag(e.Word[word])) w.Fault("word " + std::to_string(word) + " is flag " + std::to_string(e.Word[word]));
    for (int word : roles->items)
        if (e.Word[word] > 0 && !IsItem(e.Word[word])) w.Fault("names item " + std::to_string(e.Word[word]));
    for (int word : roles->monsters)
        if (e.Word[word] >= 0 && !IsMonster(e.Word[word])) w.Fault("names monster " + std::to_string(e.Word[word]));
    for (int word : roles->scripts) {
        const int16_t s = e.Word[word];
        if (s < 0 || s >= kScriptSlots || !ScriptTable[size_t(s)]) w.Fault("names script " + std::to_string(s));
    }
    for (int word : roles->quests)
        if (e.Word[word] != -1 && !IsQuest(e.Word[word])) w.Fault("names quest " + std::to_string(e.Word[word]));
    for (int i = 0; i < roles->slots; ++i) {
        const int16_t item = e.Word[roles->firstSlotItem + i];
        if (item <= 0) continue;
        if (!IsItem(item)) w.Fault("a slot holds item " + std::to_string(item));
        const int16_t flag = int16_t(e.Word[roles->firstSlotFlag] + i);
        if (flag < 1 || flag > 7999) w.Fault("a slot's flag is " + std::to_string(flag));
    }
    for (const auto& p : roles->places) places.push_back({e.Word[p[0]], e.Word[p[1]], e.Word[p[2]]});
    for (int i = 0; type == 1664 && i < 5; ++i)
        if (e.Word[26 + i] > 0) places.push_back({e.Word[8 + i], e.Word[14 + i], e.Word[20 + i]});
    if (type == 1247) killFlags.push_back(e.Word[5]);
}

class CampaignContentTest : public CampaignTest {};

TEST_F(CampaignContentTest, EveryLevelLoadsWithTilesThatFitTheirLayers) {
    const std::vector<int16_t> levels = ModuleLevels();
    ASSERT_GE(levels.size(), 3u);
    ASSERT_LE(levels.size(), 6u);
    for (int16_t level : levels) {
        ASSERT_EQ(LoadLevel(level, 1, 1), 1u) << "level " << level;
        EXPECT_FALSE(FieldText(LevelList.LevelListName[level]).empty());
        int faults = 0;
        for (int x = 0; x < 50 && faults < 5; ++x)
            for (int y = 0; y < 50 && faults < 5; ++y) {
                const int s = x * 50 + y;
                const int16_t bottom = CurrentLevel.BottomLayer[s], top = CurrentLevel.TopLayer[s];
                const int16_t access = CurrentLevel.AccessLayer[s];
                const std::string at = At(level, x, y);
                // The bottom layer is drawn without its key colour: only opaque tiles belong there.
                const bool bottomFits = IsWallOrFloor(bottom) && IsOpaqueRole(TileClasses[size_t(bottom)].role);
                const bool topFits = top == 0 || IsWallOrFloor(top);
                const bool accessFits = IsAccessTile(access);
                const bool zoneFits = CurrentLevel.ZoneLayer[s] >= 0 && CurrentLevel.ZoneLayer[s] <= 5;
                // Walls and water take the access the tile role table gives them.
                const int16_t painted = top != 0 ? top : bottom;
                const TileRole role = TileClasses[size_t(painted)].role;
                const bool solid = role == kRoleWall || role == kRoleWater;
                const bool roleFits = !solid || access == 1292 + AutoAccessTable[size_t(painted)] ||
                                      (role == kRoleWater && access == 1300);
                if (!bottomFits || !topFits || !accessFits || !zoneFits || !roleFits) {
                    ADD_FAILURE() << at << ": bottom " << bottom << " top " << top << " access " << access;
                    ++faults;
                }
            }
    }
}

TEST_F(CampaignContentTest, EventsAndScriptsNameOnlyWhatExists) {
    Walker w;
    std::vector<Place> places;
    std::vector<int16_t> killFlags;
    for (int16_t level : ModuleLevels()) {
        ASSERT_EQ(LoadLevel(level, 1, 1), 1u);
        for (int y = 0; y < 50; ++y)
            for (int x = 0; x < 50; ++x)
                if (const EventRecord* e = EventAt(x, y)) CheckEvent(w, level, x, y, *e, places, killFlags);
        for (int s = 0; s < kScriptSlots; ++s) {
            if (!ScriptTable[size_t(s)]) continue;
            w.where = "level " + std::to_string(level) + " script " + std::to_string(s);
            CheckScript(w, *ScriptTable[size_t(s)]);
        }
        for (int edge = 0; edge < 4; ++edge)
            if (CurrentLevel.ExitLevel[edge] >= 0)
                places.push_back({CurrentLevel.ExitLevel[edge], CurrentLevel.ExitX[edge], CurrentLevel.ExitY[edge]});
    }
    for (const ModuleRecord& m : ModuleTable)
        if (FieldText(m.ModuleTitle[0]) != "Title?")
            places.push_back({m.ModuleStart[0], m.ModuleStart[1], m.ModuleStart[2]});
    places.push_back({GameIntro.StartLevel[0], GameIntro.StartLevel[1], GameIntro.StartLevel[2]});
    for (const Place& p : places) {
        std::string why;
        if (!IsFreePlace(p, why)) w.faults.push_back("a way leads to " + At(p.level, p.x, p.y) + ": " + why);
    }
    // A kill flag shared by two monsters would let one death take both.
    std::sort(killFlags.begin(), killFlags.end());
    EXPECT_EQ(std::adjacent_find(killFlags.begin(), killFlags.end()), killFlags.end())
        << "two monsters share a kill flag";
    for (const std::string& f : w.faults) ADD_FAILURE() << f;
}

TEST_F(CampaignContentTest, EveryLevelIsReachableFromTheStart) {
    std::set<Place> reached;
    std::set<int16_t> levelsReached;
    std::deque<Place> open{{GameIntro.StartLevel[0], GameIntro.StartLevel[1], GameIntro.StartLevel[2]}};
    auto reach = [&](Place p) {
        if (OnMap(p.x, p.y) && reached.insert(p).second) open.push_back(p);
    };
    int16_t loaded = -1;
    while (!open.empty()) {
        const Place p = open.front();
        open.pop_front();
        if (p.level != loaded) {
            ASSERT_EQ(LoadLevel(p.level, 1, 1), 1u) << "level " << p.level;
            loaded = p.level;
        }
        levelsReached.insert(p.level);
        const int16_t access = CurrentLevel.AccessLayer[p.x * 50 + p.y];
        // Off the map's edge through a border exit.
        if (access == 1294) {
            const int edge = p.y == 0 ? 0 : p.y == 49 ? 1 : p.x == 49 ? 2 : p.x == 0 ? 3 : -1;
            if (edge >= 0 && CurrentLevel.ExitLevel[edge] >= 1)
                reach({CurrentLevel.ExitLevel[edge], CurrentLevel.ExitX[edge], CurrentLevel.ExitY[edge]});
        }
        for (const auto& [dx, dy] : {std::pair{1, 0}, {-1, 0}, {0, 1}, {0, -1}}) {
            const int16_t x = int16_t(p.x + dx), y = int16_t(p.y + dy);
            if (!OnMap(x, y)) continue;
            const EventRecord* e = EventAt(x, y);
            if (e) {
                // A way to another place is taken by bumping it.
                const int16_t type = e->Word[0];
                if (type == 1236 || type == 1257) reach({e->Word[10], e->Word[12], e->Word[13]});
                if (type == 1238)
                    for (int k = 4; k <= 9; ++k)
                        if (e->Word[k] >= 0 && e->Word[k] < 50) {
                            const ModuleRecord& m = ModuleTable[size_t(e->Word[k])];
                            reach({m.ModuleStart[0], m.ModuleStart[1], m.ModuleStart[2]});
                        }
                if (type == 1664)
                    for (int k = 0; k < 5; ++k)
                        if (e->Word[26 + k] > 0) reach({e->Word[8 + k], e->Word[14 + k], e->Word[20 + k]});
                if (!WalkedOnto(type)) continue;
            }
            if (Walkable(CurrentLevel.AccessLayer[x * 50 + y]) || (e && WalkedOnto(e->Word[0])))
                reach({p.level, x, y});
        }
    }
    for (int16_t level : ModuleLevels())
        EXPECT_TRUE(levelsReached.count(level)) << "level " << level << " is out of reach";
}

TEST_F(CampaignContentTest, DataFilesHoldTheCampaign) {
    EXPECT_TRUE(IsQuest(GameIntro.StartingQuest));
    EXPECT_FALSE(FieldText(GameIntro.CampaignAuthor).empty());
    EXPECT_GE(GameIntro.StartLevel[0], 1) << "the conflict report and the text dump skip level 0";
    EXPECT_LE(GameIntro.StartLevel[0], 62);
    int pages = 0;
    while (pages < 10 && !FieldText(GameIntro.ObjectiveText[pages * 11]).empty()) ++pages;
    EXPECT_GE(pages, 3);
    for (int p = 0; p < pages; ++p) {
        EXPECT_FALSE(FieldText(GameIntro.ObjectiveCaptions[p]).empty());
        EXPECT_TRUE(GameIntro.ObjectivePictures[p] >= 0 && GameIntro.ObjectivePictures[p] <= 4);
    }
    // The win text shows the score and ends.
    std::vector<std::string> win;
    for (const auto& line : WinTexts[0].Line) win.emplace_back(FieldText(line));
    const auto end = std::find(win.begin(), win.end(), "!");
    ASSERT_NE(end, win.end());
    EXPECT_NE(std::find(win.begin(), end, "%"), end);
    // A book item reads its record; both have words in them.
    for (int16_t book = 0; book < 5; ++book)
        if (IsItem(int16_t(148 + book))) { EXPECT_FALSE(FieldText(BookTable[size_t(book)].Line[0][0]).empty()); }
    // Every item shows its own number's picture, whatever its type.
    for (int16_t item = 0; item < kItemCount; ++item)
        if (IsItem(item)) { EXPECT_EQ(ItemTable[size_t(item)].ItemPicture, item) << "item " << item; }
    EXPECT_EQ(ItemTable[231].ItemType, 29) << "gold is coins";
    // Each world map's name fits the field that edits and shows it.
    for (const auto& name : CustomCampaign.WorldMapName) EXPECT_LE(FieldText(name).size(), kWorldMapNameLength) << name;
}

}  // namespace
