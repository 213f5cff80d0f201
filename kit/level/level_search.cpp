#include "level_search.h"

#include <algorithm>
#include <cstring>

#include "data/level.h"
#include "data/monster_records.h"
#include "data/square_kinds.h"
#include "data/text_field.h"

namespace {

// Words word .. word + words - 1 of an event, and from the value of each the flags
// value .. value + run - 1.
struct Words {
    uint8_t word, words = 1, run = 1;
};
constexpr Words Run(uint8_t word, uint8_t run) { return {word, 1, run}; }
constexpr Words Span(uint8_t first, uint8_t last) { return {first, uint8_t(last - first + 1), 1}; }
using WordList = std::array<Words, 5>;  // a word 0 ends

// Calls f with each value the words of the event name.
template <class F>
void ForEachValue(const EventRecord& e, const WordList& list, F&& f) {
    for (const Words& w : list) {
        if (w.word == 0) break;
        for (int i = 0; i < w.words; ++i)
            for (int k = 0; k < w.run; ++k) f(int32_t(e.Word[w.word + i]) + k);
    }
}

using Types = std::array<int16_t, 7>;  // a 0 ends

// Which words hold flag numbers: those "Flag X" looks in, and those "Free Flags" marks as
// used where they differ (an empty list: the same).
struct FlagWords {
    Types types;
    WordList flagX, freeFlags;
};
constexpr FlagWords kFlagWords[] = {
    {{256}, {}, {{{20}, {23}, {1}}}},
    {{1226, 1227}, {{{10}, {16}, {1}, {4}}}, {}},
    {{1228}, {{{5}, {1}}}, {}},
    {{1229}, {{{4}, {1}}}, {}},
    {{1230, 1231, 1232}, {{{1}}}, {}},
    {{1233}, {{{3}}}, {}},
    {{1234}, {{{7}}}, {}},
    {{1235}, {{{8}, {5}}}, {}},
    {{1236}, {{{1}, {7}}}, {}},
    {{1237}, {{{3}}}, {}},
    {{1238}, {{{1}}}, {{Span(10, 15), {1}}}},
    {{1240}, {{{4}, {1}}}, {}},
    {{1241}, {{Run(4, 6), {1}}}, {}},
    {{1242}, {{{9}, Run(11, 6)}}, {{{9}, {10}, Run(11, 6)}}},
    {{1243}, {{{2}, {3}}}, {}},
    {{1244}, {{{1}}}, {}},
    {{1245}, {{{5}, {15}, Run(18, 3)}}, {}},
    {{1246}, {{{1}, {8}}}, {}},
    {{1247}, {{{5}, {6}, {1}, {10}}}, {}},
    {{1248, 1250, 1251, 1252, 1253, 1254, 1255}, {{{1}}}, {}},
    {{1249}, {{{7}, {1}}}, {}},
    {{1256, 1257}, {{{9}, {1}}}, {}},
    {{1258}, {{{4}, {8}, {1}}}, {{{1}, {4}, {8}}}},
    {{1259}, {{{1}}}, {}},
    {{1260}, {{{3}, {6}}}, {}},
    {{1261}, {{{1}}}, {}},
    {{1262}, {{{4}, {5}}}, {}},
    {{1263}, {{{2}, {4}, Run(6, 4)}}, {}},
    {{1264, 1265}, {{{4}, {1}}}, {}},
    {{1266}, {{{3}}}, {}},
    {{1268}, {{{5}}}, {}},
    {{1270}, {{{6}, {2}}}, {}},
    {{1271}, {{{1}}}, {}},
    {{1272}, {{{7}, {1}}}, {}},
    {{1274}, {{Run(5, 3), {1}}}, {}},
    {{1276}, {{{6}}}, {}},
    {{1277}, {{{12}, {15}, {16}, Run(1, 5)}}, {{Span(1, 5), {12}, {15}, {16}}}},
    {{1278}, {{{2}}}, {}},
    {{1279}, {{{4}}}, {}},
    {{1280}, {{{3}}}, {}},
    {{1281}, {{{1}}}, {}},
    {{1282}, {{{2}, Run(4, 6)}}, {}},
    {{1283}, {{{1}}}, {}},
    {{1284}, {{{4}, {9}}}, {}},
    {{1285}, {{{3}}}, {}},
    {{1286}, {{Span(1, 6)}}, {}},
    {{1287}, {{{10}, {1}}}, {}},
    {{1288}, {{{1}}}, {}},
    {{1289}, {{{10}, {1}}}, {}},
    {{1328}, {{{1}}}, {}},
    {{1330}, {{{5}, {1}}}, {{{5}}}},
    {{1331}, {{{1}, {2}}}, {}},
    {{1332}, {{{2}, {3}, {6}}}, {}},
    {{1333}, {{{1}, {6}}}, {}},
    {{1334}, {{{2}, {3}}}, {}},
    {{1335}, {{{1}, {2}}}, {}},
    {{1337, 1338, 1339}, {{{1}}}, {}},
    {{1399}, {{{12}, {13}}}, {}},
    {{1628}, {}, {{{5}, {3}}}},
    {{1664}, {{Span(26, 30)}}, {}},
};

// The words that name an item.
struct ItemWords {
    Types types;
    WordList words;
};
constexpr ItemWords kItemWords[] = {
    {{1240}, {{{5}}}},
    {{1241, 1282}, {{Span(5, 10)}}},
    {{1242}, {{Span(12, 17)}}},
    {{1243}, {{{4}}}},
    {{1245}, {{Span(6, 8)}}},
    {{1248}, {{Span(5, 12)}}},
    {{1284}, {{{1}, {5}}}},
    {{1287}, {{{7}}}},
};

// The words that name a tile or picture.
constexpr ItemWords kTileWords[] = {
    {{1226, 1227}, {{{8}, {14}}}},
    {{1230, 1231}, {{{10}}}},
    {{1232}, {{{4}}}},
    {{1235}, {{{1}}}},
    {{1236}, {{{4}, {18}}}},
    {{1237}, {{{1}, {2}}}},
    {{1240}, {{{8}}}},
    {{1244}, {{{4}}}},
    {{1246}, {{{6}, {10}}}},
    {{1261}, {{{4}}}},
    {{1262}, {{{1}, {2}}}},
    {{1263}, {{{7}}}},
    {{1264}, {{{5}}}},
    {{1266}, {{{1}}}},
    {{1270}, {{{5}}}},
    {{1272}, {{{9}, {10}}}},
    {{1274}, {{{4}}}},
    {{1275, 1276, 1278, 1280}, {{{1}}}},
    {{1279}, {{{3}}}},
    {{1281}, {{{4}, {6}}}},
    {{1282}, {{{3}}}},
    {{1284}, {{{8}}}},
    {{1286}, {{{11}}}},
    {{1289}, {{{5}, {6}}}},
    {{1290}, {{{21}}}},
    {{1335}, {{{3}}}},
    {{1339}, {{{7}}}},
    {{1628}, {{{4}}}},
};

// Script lines whose operand names a flag, by code.
struct ScriptOperand {
    int16_t code, operand;
};
constexpr ScriptOperand kFlagOperands[] = {{10, 0}, {13, 0}, {57, 0}, {57, 2}, {21, 0}, {21, 3}, {12, 2}, {49, 0}};
constexpr int16_t kGiveItemCode = 25, kGiveGoldCode = 23, kGiveXpCode = 24, kSummonMonsterCode = 45,
                  kChangeMonsterCode = 58;

// Gold in an event: where an item word holds gold, the word `count` further on holds its
// amount; an item word of 0 takes the amount without a test.
struct GoldWords {
    int16_t type;
    uint8_t item, amount, count;
};
constexpr int16_t kGold = 231;
constexpr GoldWords kGoldWords[] = {
    {1240, 5, 7, 1}, {1241, 5, 17, 6}, {1282, 5, 17, 6}, {1242, 12, 24, 6}, {1245, 6, 12, 6}, {1287, 0, 4, 1},
};

// Experience an event gives without a line of its own: the word, counted `times` times.
struct XpWord {
    int16_t type;
    uint8_t word, times;
};
constexpr XpWord kXpWords[] = {{1227, 24, 1}, {1256, 4, 2}, {1245, 19, 2}, {1242, 31, 2}};


// Which of an event's two texts must not begin empty: never, always, or when a word is 1
// or more.
struct TextRule {
    enum Kind : uint8_t { kNever, kAlways, kWhenWord } kind;
    uint8_t word = 0;
};
struct BlankTextRule {
    std::array<int16_t, 14> types;
    TextRule main, second;
};
constexpr TextRule kAlways{TextRule::kAlways}, kNever{TextRule::kNever};
constexpr TextRule When(uint8_t word) { return {TextRule::kWhenWord, word}; }
constexpr BlankTextRule kBlankTextRules[] = {
    {{1228, 1232, 1238, 1244, 1245, 1248, 1249, 1250, 1251, 1252, 1253, 1254, 1260, 1263}, kAlways, kNever},
    {{1266, 1267, 1268, 1269, 1276, 1278, 1282, 1287, 1290, 1331, 1332, 1399, 1628, 1664}, kAlways, kNever},
    {{1226}, kAlways, When(4)},
    {{1227}, kAlways, When(5)},
    {{1236, 1272}, kAlways, When(2)},
    {{1240, 1241}, kAlways, When(1)},
    {{1262, 1264, 1284}, kAlways, kAlways},
    {{1285}, When(3), kNever},
};

// Tile numbers the program itself uses: never free.
constexpr std::pair<int16_t, int16_t> kProgramTiles[] = {
    {19, 19},     {33, 33},     {256, 256},   {284, 286},   {288, 289},   {305, 306},   {401, 402},   {407, 409},
    {420, 420},   {496, 499},   {511, 511},   {516, 516},   {519, 519},   {567, 567},   {572, 572},   {714, 714},
    {716, 716},   {719, 719},   {915, 915},   {917, 917},   {970, 970},   {1010, 1010}, {1108, 1108}, {1112, 1112},
    {1119, 1119}, {1124, 1124}, {1128, 1128}, {1133, 1135}, {1139, 1149}, {1160, 1176}, {1180, 1198}, {1200, 1211},
    {1216, 1218}, {1220, 1399}, {1451, 1451}, {1470, 1472}, {1487, 1487}, {1517, 1517}, {1527, 1527}, {1529, 1530},
    {1533, 1534}, {1537, 1537}, {1551, 1554}, {1595, 1596}, {1604, 1604}, {1607, 1610}, {1628, 1634}, {1640, 1661},
    {1664, 1699}, {1704, 1713}, {1732, 1737}, {1787, 1788}, {1792, 1794}, {1812, 1814}, {1821, 1821}, {1826, 1833},
    {1848, 1848}, {1850, 1851}, {1858, 1859}, {1868, 1868}, {1870, 1870}, {1895, 1895}, {1922, 1923}, {1940, 1940},
    {1959, 1959}, {1961, 1970}, {1979, 1990}, {2001, 2010}, {2020, 2030}, {2040, 2050}, {2060, 2070}, {2079, 2090},
    {2097, 2097}, {2099, 2110}, {2120, 2130}, {2138, 2150}, {2153, 2153}, {2157, 2157}, {2160, 2160}, {2162, 2164},
    {2181, 2182}, {2196, 2199}, {2216, 2219},
};

// Row of a table by event type: -1 for a type the table does not hold.
template <class Row, size_t N>
std::array<int8_t, 2395> IndexByType(const Row (&rows)[N]) {
    static_assert(N < 128);
    std::array<int8_t, 2395> index;
    index.fill(-1);
    for (size_t r = 0; r < N; ++r)
        for (int16_t type : rows[r].types)
            if (type > 0) index[size_t(type)] = int8_t(r);
    return index;
}
template <class Row, size_t N>
const Row* RowOf(const Row (&rows)[N], const std::array<int8_t, 2395>& index, int16_t type) {
    if (type < 0 || size_t(type) >= index.size() || index[size_t(type)] < 0) return nullptr;
    return &rows[index[size_t(type)]];
}
const std::array<int8_t, 2395> kFlagWordsIndex = IndexByType(kFlagWords);
const std::array<int8_t, 2395> kItemWordsIndex = IndexByType(kItemWords);
const std::array<int8_t, 2395> kTileWordsIndex = IndexByType(kTileWords);
const std::array<int8_t, 2395> kBlankTextIndex = IndexByType(kBlankTextRules);

std::string EventLine(int16_t level, int x, int y) {
    return "M=" + std::to_string(level) + ",X=" + std::to_string(x) + ",Y=" + std::to_string(y);
}
std::string ScriptLine(int16_t level, int slot, int line) {
    return "M=" + std::to_string(level) + ",S=" + std::to_string(slot) + ",L=" + std::to_string(line);
}

// Each saved level of first..last in turn, loaded into the current level.
template <class F>
void ForEachLevel(int16_t first, int16_t last, F&& f) {
    for (int32_t n = std::max<int32_t>(first, 0); n <= last && n < kLevelCount; ++n)
        if (LoadLevel(int16_t(n), 1, 0)) f(int16_t(n));
}
// Each event of the level in memory, x outer, y inner.
template <class F>
void ForEachEvent(F&& f) {
    for (int x = 0; x < 50; ++x)
        for (int y = 0; y < 50; ++y)
            if (const EventRecord* e = EventGrid[size_t(x * 50 + y)].get()) f(*e, x, y);
}
// Each line of each script of the level in memory.
template <class F>
void ForEachScriptLine(F&& f) {
    for (int s = 0; s < kScriptSlots; ++s) {
        const LevelScript* script = ScriptTable[size_t(s)].get();
        if (!script) continue;
        for (int l = 0; l < kScriptLines; ++l) f(script->Record, s, l);
    }
}
// The script a SCRIPT EVENT names in word 4: null for a slot outside 0..29 or an empty one.
const ScriptRecord* ScriptOfEvent(const EventRecord& e) {
    const int16_t slot = e.Word[4];
    if (slot < 0 || slot >= kScriptSlots || !ScriptTable[size_t(slot)]) return nullptr;
    return &ScriptTable[size_t(slot)]->Record;
}
// The monster a MONSTER EVENT names in word 4: null outside the table.
const MonsterRecord* MonsterOfEvent(const EventRecord& e) {
    const int16_t m = e.Word[4];
    return m >= 0 && m < kMonsterCount ? &MonsterTable[size_t(m)] : nullptr;
}

void AddToTotal(SearchResults& results, int32_t amount) {
    results.Total = int32_t(uint32_t(results.Total) + uint32_t(amount));
}

// The lines of a SCRIPT EVENT's script that give gold or experience (code) of at least the
// minimum: each adds to the total, with a line. A new SCRIPT EVENT names slot 0: such events
// are left out.
void AuditScriptOfEvent(SearchResults& results, const EventRecord& e, int16_t level, int16_t code, int16_t minimum,
                        std::string_view tag) {
    if (e.Word[0] != kScriptEvent || e.Word[4] == 0) return;
    const ScriptRecord* s = ScriptOfEvent(e);
    if (!s) return;
    for (int l = 0; l < kScriptLines; ++l) {
        const int16_t amount = s->Operand[l][0];
        if (s->Code[l] != code || amount < minimum) continue;
        AddToTotal(results, amount);
        AddSearchHit(results, "M=" + std::to_string(level) + ",S=" + std::to_string(e.Word[4]) + std::string(tag) +
                                  std::to_string(amount));
    }
}

}  // namespace

void ClearSearchResults(SearchResults& results) { results = SearchResults{}; }

void AddSearchLine(SearchResults& results, std::string_view line) {
    ++results.Index;
    if (results.Index >= kSearchLines) return;
    SearchLine& to = results.Lines[size_t(results.Index)];
    to.fill(0);
    std::memcpy(to.data(), line.data(), std::min(line.size(), to.size() - 1));
}

void AddSearchHit(SearchResults& results, std::string_view line) {
    ++results.Count;
    AddSearchLine(results, line);
}

void FindFlagUsers(const EventRecord& event, int16_t level, int16_t x, int16_t y, int16_t flag,
                   SearchResults& results) {
    const FlagWords* row = RowOf(kFlagWords, kFlagWordsIndex, event.Word[0]);
    if (!row) return;
    ForEachValue(event, row->flagX, [&](int32_t value) {
        if (value == flag) AddSearchHit(results, EventLine(level, x, y));
    });
}

void MarkUsedFlags(const EventRecord& event, std::array<uint8_t, kGameFlagCount>& used) {
    const FlagWords* row = RowOf(kFlagWords, kFlagWordsIndex, event.Word[0]);
    if (!row) return;
    ForEachValue(event, row->freeFlags[0].word ? row->freeFlags : row->flagX, [&](int32_t value) {
        if (value > 0 && value < int32_t(used.size())) used[size_t(value)] = 1;
    });
}

void FindFlagInLevels(SearchResults& results, int16_t first, int16_t last, int16_t flag) {
    if (flag < 1) return;
    ForEachLevel(first, last, [&](int16_t level) {
        ForEachEvent([&](const EventRecord& e, int x, int y) { FindFlagUsers(e, level, int16_t(x), int16_t(y), flag, results); });
        ForEachScriptLine([&](const ScriptRecord& s, int slot, int line) {
            for (const ScriptOperand& op : kFlagOperands)
                if (s.Code[line] == op.code && s.Operand[line][op.operand] == flag)
                    AddSearchHit(results, ScriptLine(level, slot, line));
        });
    });
}

void FindFreeFlags(SearchResults& results, int16_t first, int16_t last) {
    std::array<uint8_t, kGameFlagCount> used{};
    ForEachLevel(first, last, [&](int16_t) {
        ForEachEvent([&](const EventRecord& e, int, int) { MarkUsedFlags(e, used); });
        ForEachScriptLine([&](const ScriptRecord& s, int, int line) {
            for (const ScriptOperand& op : kFlagOperands) {
                const int16_t value = s.Operand[line][op.operand];
                if (s.Code[line] == op.code && value > 0 && value < int16_t(used.size())) used[size_t(value)] = 1;
            }
        });
    });
    int runStart = 0;  // the first free flag of the run being walked, 0 when none
    for (int f = 1; f < int(used.size()); ++f) {
        if (!used[size_t(f)]) {
            ++results.Count;
            if (!runStart) runStart = f;
            continue;
        }
        if (!runStart) continue;
        if (runStart == f - 1) AddSearchLine(results, "Free= " + std::to_string(runStart));
        else AddSearchLine(results, "Free= " + std::to_string(runStart) + "-" + std::to_string(f - 1));
        runStart = 0;
    }
    if (runStart) AddSearchLine(results, "Free= " + std::to_string(runStart) + "-7999");
}

void FindItemInLevels(SearchResults& results, int16_t first, int16_t last, int16_t item) {
    ForEachLevel(first, last, [&](int16_t level) {
        ForEachEvent([&](const EventRecord& e, int x, int y) {
            if (const ItemWords* row = RowOf(kItemWords, kItemWordsIndex, e.Word[0])) {
                ForEachValue(e, row->words, [&](int32_t value) {
                    if (value == item) AddSearchHit(results, EventLine(level, x, y));
                });
            }
            if (e.Word[0] == kMonsterEvent) {
                const MonsterRecord* m = MonsterOfEvent(e);
                if (m && m->MonsterDeathItem[0] == item) AddSearchHit(results, EventLine(level, x, y));
            }
        });
        ForEachScriptLine([&](const ScriptRecord& s, int slot, int line) {
            if (s.Code[line] == kGiveItemCode && s.Operand[line][0] == item)
                AddSearchHit(results, ScriptLine(level, slot, line));
        });
    });
}

void FindEventInLevels(SearchResults& results, int16_t first, int16_t last, int16_t type) {
    ForEachLevel(first, last, [&](int16_t level) {
        ForEachEvent([&](const EventRecord& e, int x, int y) {
            if (e.Word[0] == type) AddSearchHit(results, EventLine(level, x, y));
        });
    });
}

void FindMonsterInLevels(SearchResults& results, int16_t first, int16_t last, int16_t monster) {
    ForEachLevel(first, last, [&](int16_t level) {
        ForEachEvent([&](const EventRecord& e, int x, int y) {
            if (e.Word[0] == kMonsterEvent && e.Word[4] == monster) AddSearchHit(results, EventLine(level, x, y));
            if (e.Word[0] != kScriptEvent) return;
            const ScriptRecord* s = ScriptOfEvent(e);
            if (!s) return;
            for (int l = 0; l < kScriptLines; ++l) {
                if ((s->Code[l] == kSummonMonsterCode && s->Operand[l][0] == monster) ||
                    (s->Code[l] == kChangeMonsterCode && s->Operand[l][1] == monster))
                    AddSearchHit(results, EventLine(level, x, y));
            }
        });
    });
}

void AuditGold(SearchResults& results, int16_t first, int16_t last, int16_t minimum) {
    ForEachLevel(first, last, [&](int16_t level) {
        ForEachEvent([&](const EventRecord& e, int x, int y) {
            for (const GoldWords& g : kGoldWords) {
                if (g.type != e.Word[0]) continue;
                for (int k = 0; k < g.count; ++k) {
                    const int16_t amount = e.Word[g.amount + k];
                    if ((g.item && e.Word[g.item + k] != kGold) || amount < minimum) continue;
                    AddToTotal(results, amount);
                    AddSearchHit(results, EventLine(level, x, y) + ",Gp=" + std::to_string(amount));
                }
            }
            AuditScriptOfEvent(results, e, level, kGiveGoldCode, minimum, ",GP=");
        });
    });
}

void AuditExperience(SearchResults& results, int16_t first, int16_t last, int16_t minimum) {
    ForEachLevel(first, last, [&](int16_t level) {
        ForEachEvent([&](const EventRecord& e, int, int) {
            for (const XpWord& w : kXpWords)
                if (w.type == e.Word[0] && e.Word[w.word] >= minimum) AddToTotal(results, w.times * e.Word[w.word]);
            if (e.Word[0] == kMonsterEvent) {
                const MonsterRecord* m = MonsterOfEvent(e);
                if (m && m->MonsterXpAward >= minimum) AddToTotal(results, m->MonsterXpAward);
            }
            AuditScriptOfEvent(results, e, level, kGiveXpCode, minimum, ",XP=");
        });
    });
}

void FindTileInLevels(SearchResults& results, int16_t first, int16_t last, int16_t tile) {
    if (tile == 0) return;
    ForEachLevel(first, last, [&](int16_t level) {
        for (int x = 0; x < 50; ++x) {
            for (int y = 0; y < 50; ++y) {
                const size_t square = size_t(x * 50 + y);
                if (CurrentLevel.BottomLayer[square] == tile) AddSearchHit(results, EventLine(level, x, y));
                if (CurrentLevel.TopLayer[square] == tile) AddSearchHit(results, EventLine(level, x, y));
                const EventRecord* e = EventGrid[square].get();
                const ItemWords* row = e ? RowOf(kTileWords, kTileWordsIndex, e->Word[0]) : nullptr;
                if (!row) continue;
                ForEachValue(*e, row->words, [&](int32_t value) {
                    if (value == tile) AddSearchHit(results, EventLine(level, x, y));
                });
            }
        }
    });
}

void MarkProgramTiles(TileMarks& used) {
    for (auto [from, to] : kProgramTiles) std::fill(used.begin() + from, used.begin() + to + 1, uint8_t(1));
}

void MarkUsedTiles(TileMarks& used, int16_t first, int16_t last) {
    // Levels hold tiles past the table's end, and damaged values: those mark nothing.
    auto mark = [&](int32_t tile) {
        if (tile >= 0 && tile < kFreeTileRange) used[size_t(tile)] = 1;
    };
    ForEachLevel(first, last, [&](int16_t) {
        for (int square = 0; square < kSquareCount; ++square) {
            mark(CurrentLevel.BottomLayer[square]);
            mark(CurrentLevel.TopLayer[square]);
        }
        ForEachEvent([&](const EventRecord& e, int, int) {
            if (const ItemWords* row = RowOf(kTileWords, kTileWordsIndex, e.Word[0])) ForEachValue(e, row->words, mark);
        });
    });
}

void FindBlankEventTexts(SearchResults& results, int16_t first, int16_t last) {
    auto tested = [](const EventRecord& e, const TextRule& rule) {
        return rule.kind == TextRule::kAlways || (rule.kind == TextRule::kWhenWord && e.Word[rule.word] >= 1);
    };
    ForEachLevel(first, last, [&](int16_t level) {
        ForEachEvent([&](const EventRecord& e, int x, int y) {
            const BlankTextRule* rule = RowOf(kBlankTextRules, kBlankTextIndex, e.Word[0]);
            if (!rule) return;
            if (tested(e, rule->main) && e.Text[0][0][0] == 0) AddSearchHit(results, EventLine(level, x, y));
            if (tested(e, rule->second) && e.Text[1][0][0] == 0) AddSearchHit(results, EventLine(level, x, y));
        });
    });
}

void FindMissingMusic(SearchResults& results, int16_t first, int16_t last) {
    ForEachLevel(first, last, [&](int16_t level) {
        std::array<bool, 6> present{};
        for (int16_t zone : CurrentLevel.ZoneLayer)
            if (zone >= 0 && zone < 6) present[size_t(zone)] = true;
        for (int z = 0; z < 6; ++z)
            if (present[size_t(z)] && CurrentLevel.ZoneTunes[z] == 0)
                AddSearchHit(results, "M=" + std::to_string(level) + ", Zone=" + std::to_string(z));
    });
}

void FindUndefinedMonsters(SearchResults& results) {
    for (int n = 0; n <= 298; ++n) {
        const MonsterRecord& m = MonsterTable[size_t(n)];
        if (m.MonsterName[0] == 0) continue;
        const bool blank = m.MonsterPicture == 0 && m.MonsterDr == 0 && m.MonsterHitPoints == 0 && m.MonsterMeleeSkill == 5;
        if (m.MonsterType == 0 || m.MonsterXpAward == 0 || blank) AddSearchHit(results, "Monst=" + std::to_string(n));
    }
}
