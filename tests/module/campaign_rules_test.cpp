// The default module's rules as a player meets them: every reward gives once, every shop line
// costs something, every skill offered at creation has a use in the campaign, the texts read
// right, and its places and goods are what they look: somewhere to rest on every level, rides
// that go somewhere, lakes with their shores round them, trade goods worth trading. Each check
// also runs on a deliberately broken copy of the module, which it must catch.
#include <algorithm>
#include <array>
#include <cmath>
#include <cctype>
#include <cstdio>
#include <cstring>
#include <functional>
#include <map>
#include <set>
#include <sstream>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

#include "adventure/encounters.h"
#include "adventure/wilderness.h"
#include "art/tile_roles.h"
#include "data/campaign_tables.h"
#include "data/game_state.h"
#include "data/item_records.h"
#include "data/level.h"
#include "data/monster_records.h"
#include "data/skill_bonus.h"
#include "data/square_kinds.h"
#include "data/text_field.h"
#include "events/event_screen.h"
#include "events/shop.h"
#include "hero/hero_names.h"
#include "hero/item_types.h"
#include "hero/item_value.h"
#include "platform/display.h"
#include "platform/host/surface.h"
#include "platform/widgets.h"
#include "script/message_window.h"
#include "script/script_run.h"
#include "tests/module/campaign_test.h"

namespace {

// Script codes the checks read.
constexpr int16_t kTXT = 1, kBTX = 2, kRTX = 3, kMRK = 5, kUSE = 4, kGOT = 7, kLSC = 8, kSFL = 10, kSQU = 11, kIFL = 13, kIQU = 18, kGGP = 23,
                  kGXP = 24, kGIT = 25, kWIN = 38, kSCO = 42;

// Calls visit(level, x, y, event) for every event of the module, each level loaded in turn.
void ForEachEvent(const std::function<void(int16_t, int, int, const EventRecord&)>& visit) {
    for (int16_t level : ModuleLevels()) {
        if (LoadLevel(level, 1, 0) != 1) continue;
        for (int x = 0; x < 50; ++x)
            for (int y = 0; y < 50; ++y)
                if (const EventRecord* e = EventAt(x, y)) visit(level, x, y, *e);
    }
}
void ForEachScript(const std::function<void(int16_t, int, const LevelScript&)>& visit) {
    for (int16_t level : ModuleLevels()) {
        if (LoadLevel(level, 1, 0) != 1) continue;
        for (int s = 0; s < kScriptSlots; ++s)
            if (ScriptTable[size_t(s)]) visit(level, s, *ScriptTable[size_t(s)]);
    }
}

// ---------------------------------------------------------------- rewards that give once

bool Flag(int16_t f) { return f >= 1 && f <= 7999; }
// An event active while its condition flag holds, whose change moves that same flag.
bool GuardedBy(const EventRecord& e, int cond, std::initializer_list<int> changes) {
    const int16_t f = e.Word[cond];
    if (!Flag(f)) return false;
    return std::any_of(changes.begin(), changes.end(), [&](int c) { return e.Word[c] == f; });
}
bool AnyItem(const EventRecord& e, int first, int count) {
    for (int i = 0; i < count; ++i)
        if (e.Word[first + i] > 0) return true;
    return false;
}

// The events that give score, experience, gold or an item, and the guard that gives once.
struct RewardRule {
    int16_t type;
    const char* gives;
    bool (*givesSomething)(const EventRecord&);
    bool (*guarded)(const EventRecord&);
};
const RewardRule kRewardRules[] = {
    {1227, "experience", [](const EventRecord& e) { return e.Word[24] > 0; },
     [](const EventRecord& e) { return GuardedBy(e, 1, {10}); }},
    {1258, "score", [](const EventRecord& e) { return e.Word[14] != 0; },
     [](const EventRecord& e) { return GuardedBy(e, 1, {4, 8}); }},
    {1240, "an item", [](const EventRecord& e) { return e.Word[5] > 0; },
     [](const EventRecord& e) { return Flag(e.Word[4]); }},
    {1241, "items", [](const EventRecord& e) { return AnyItem(e, 5, 6); },
     [](const EventRecord& e) { return Flag(e.Word[4]); }},
    {1242, "items", [](const EventRecord& e) { return AnyItem(e, 12, 6); },
     [](const EventRecord& e) { return Flag(e.Word[11]); }},
    {1243, "an item", [](const EventRecord& e) { return e.Word[4] > 0; },
     [](const EventRecord& e) { return Flag(e.Word[3]); }},
    {1245, "gems", [](const EventRecord& e) { return AnyItem(e, 6, 3); },
     [](const EventRecord& e) { return Flag(e.Word[18]); }},
    {1247, "a monster's experience", [](const EventRecord&) { return true; },
     [](const EventRecord& e) { return Flag(e.Word[5]); }},
    // A chance meeting in the wild (below 100 %) is met again by design: the fight is its price.
    {256, "monsters' experience", [](const EventRecord& e) { return e.Word[4] >= 100; },
     [](const EventRecord& e) { return GuardedBy(e, 1, {20}); }},
    // A fountain that heals is meant to be drunk from again; one that raises a value is not.
    {1272, "a raised value", [](const EventRecord& e) { return e.Word[5] != 0; },
     [](const EventRecord& e) { return Flag(e.Word[7]); }},
};

// A script's reward lines: each must lie in a stretch (from the mark before it to the next
// leave, jump, question or win) that sets a flag or quest the script tests.
void UnguardedScriptRewards(int16_t level, int slot, const LevelScript& s, std::vector<std::string>& faults) {
    const ScriptRecord& r = s.Record;
    std::set<int16_t> testedFlags, testedQuests;
    for (int l = 0; l < kScriptLines; ++l) {
        if (r.Code[l] == kIFL) testedFlags.insert(r.Operand[l][0]);
        if (r.Code[l] == kIQU) testedQuests.insert(r.Operand[l][0]);
    }
    auto ends = [](int16_t code) { return code == kUSE || code == kGOT || code == kLSC || code == kWIN; };
    for (int l = 0; l < kScriptLines; ++l) {
        const int16_t code = r.Code[l];
        if (code != kGGP && code != kGXP && code != kGIT && code != kSCO) continue;
        int first = l, last = l;
        while (first > 0 && r.Code[first - 1] != kMRK && !ends(r.Code[first - 1])) --first;
        while (last + 1 < kScriptLines && !ends(r.Code[last]) && r.Code[last + 1] != kMRK) ++last;
        bool guarded = false;
        for (int k = first; k <= last; ++k) {
            if (r.Code[k] == kSFL && testedFlags.count(r.Operand[k][0])) guarded = true;
            if (r.Code[k] == kSQU && testedQuests.count(r.Operand[k][0])) guarded = true;
        }
        if (!guarded)
            faults.push_back("level " + std::to_string(level) + " script " + std::to_string(slot) + " line " +
                             std::to_string(l) + " gives with no flag or quest that it tests");
    }
}

std::vector<std::string> UnguardedRewards() {
    std::vector<std::string> faults;
    ForEachEvent([&](int16_t level, int x, int y, const EventRecord& e) {
        for (const RewardRule& rule : kRewardRules)
            if (rule.type == e.Word[0] && rule.givesSomething(e) && !rule.guarded(e))
                faults.push_back(At(level, x, y) + " event " + std::to_string(rule.type) + " gives " + rule.gives +
                                 " every time");
    });
    ForEachScript([&](int16_t level, int slot, const LevelScript& s) { UnguardedScriptRewards(level, slot, s, faults); });
    return faults;
}

// ---------------------------------------------------------------- shop prices

std::string ItemName(int16_t item) {
    return item >= 0 && item < kItemCount ? std::string(FieldText(ItemTable[size_t(item)].ItemName)) : "?";
}

std::vector<std::string> FreeShopLines() {
    std::vector<std::string> faults;
    ForEachEvent([&](int16_t level, int x, int y, const EventRecord& e) {
        if (e.Word[0] != 1248) return;
        for (int16_t line = 0; line < 8; ++line) {
            const StockLine s = ShopStockLine(e, line);
            if (s.item < 0) continue;
            if (const int32_t price = ShopPrice(e, line); price < 1)
                faults.push_back(At(level, x, y) + " sells " + ItemName(s.item) + " for " + std::to_string(price) +
                                 " gp");
        }
    });
    return faults;
}

// ---------------------------------------------------------------- what each skill is for

// Every item a hero can come by, with the places he finds or buys it.
std::map<int16_t, std::vector<std::string>> ItemsToBeHad() {
    std::map<int16_t, std::vector<std::string>> had;
    auto add = [&](int16_t item, const std::string& where) {
        if (item > 0 && item < kItemCount) had[item].push_back(where);
    };
    auto slots = [&](const EventRecord& e, int first, int count, const std::string& where) {
        for (int i = 0; i < count; ++i) add(e.Word[first + i], where);
    };
    auto dropped = [&](int16_t monster, const std::string& where) {
        if (monster >= 0 && monster < kMonsterCount) add(MonsterTable[size_t(monster)].MonsterDeathItem[0], where);
    };
    ForEachEvent([&](int16_t level, int x, int y, const EventRecord& e) {
        const std::string at = At(level, x, y);
        switch (e.Word[0]) {
            case 1248: slots(e, 5, 8, at + " shop"); break;
            case 1240: add(e.Word[5], at); break;
            case 1241: slots(e, 5, 6, at); break;
            case 1242: slots(e, 12, 6, at + " chest"); break;
            case 1243: add(e.Word[4], at); break;
            case 1245: slots(e, 6, 3, at); break;
            case 1247: dropped(e.Word[4], at + " monster"); break;
            case 256:
                for (int k = 9; k <= 11; ++k) dropped(e.Word[k], at + " wilderness");
                break;
            default: break;
        }
    });
    ForEachScript([&](int16_t level, int slot, const LevelScript& s) {
        for (int l = 0; l < kScriptLines; ++l)
            if (s.Record.Code[l] == kGIT)
                add(s.Record.Operand[l][0], "level " + std::to_string(level) + " script " + std::to_string(slot));
    });
    return had;
}

struct SkillUses {
    std::array<std::vector<std::string>, 12> uses;
    std::string Table() const {
        std::ostringstream out;
        for (size_t s = 0; s < uses.size(); ++s) {
            out << SkillNames[s] << ":";
            for (const std::string& u : uses[s]) out << " [" << u << "]";
            out << "\n";
        }
        return out.str();
    }
};

// Where the campaign uses each skill: the items it needs to be had, and the locks, traps, inns
// and fights it works on.
SkillUses UsesOfSkills() {
    SkillUses result;
    auto& uses = result.uses;
    const auto had = ItemsToBeHad();
    auto itemsOfType = [&](std::initializer_list<int16_t> types) {
        std::vector<std::string> found;
        for (const auto& [item, places] : had)
            if (std::find(types.begin(), types.end(), ItemTable[size_t(item)].ItemType) != types.end())
                found.push_back(ItemName(item) + " at " + places.front());
        return found;
    };
    uses[0] = uses[3] = itemsOfType({kOneHandedWeapon, kTwoHandedWeapon, kSmallWeapon});  // Armsmaster, Critical Hit
    uses[5] = itemsOfType({kSmallWeapon});                                                   // Dual Weapons
    uses[6] = itemsOfType({kGemstone});                                                      // Gemlore
    uses[8] = itemsOfType({kHolySymbol});                                                    // Prayer
    uses[2] = itemsOfType({kRitualKnife});                                                   // Curse
    if (!itemsOfType({kArrows, kBolts}).empty()) uses[11] = itemsOfType({kBow, kCrossbow});  // Targeteer
    std::vector<std::string> locks, traps, inns, fights;
    ForEachEvent([&](int16_t level, int x, int y, const EventRecord& e) {
        const std::string at = At(level, x, y);
        const int16_t type = e.Word[0];
        if ((type == 1234 && e.Word[2] == 3 && e.Word[4] > 0) || (type == 1242 && e.Word[32] == 0 && e.Word[2] > 0))
            locks.push_back("lock at " + at);
        if (type == 1256 || (type == 1242 && e.Word[32] == 1 && IsTrapKind(e.Word[5])) ||
            (type == 1245 && IsTrapKind(e.Word[1])))
            traps.push_back("trap at " + at);
        if (type == 1249) inns.push_back("rest at the inn at " + at);
        if (type == 1247 || type == 256) fights.push_back("fight at " + at);
    });
    // Picks and disarms want thieves' tools.
    const std::vector<std::string> tools = itemsOfType({kThievesTools});
    if (!tools.empty()) {
        uses[7] = locks;
        uses[4] = traps;
        if (!locks.empty()) uses[7].push_back(tools.front());
        if (!traps.empty()) uses[4].push_back(tools.front());
    }
    // An aura is chosen after a night's rest and is worth its value a point.
    const bool auraWorth = std::any_of(std::begin(SkillBonus.AuraValues), std::end(SkillBonus.AuraValues),
                                       [](int16_t v) { return v > 0; });
    if (auraWorth) uses[1] = inns;
    // Resilience and Stealth serve in every fight: the one against blows, the other to hide.
    if (SkillBonus.ResilienceDr[20] > 0 || SkillBonus.ResilienceResist[20] > 0) uses[9] = fights;
    uses[10] = fights;
    return result;
}

std::vector<std::string> SkillsWithoutUse() {
    const SkillUses u = UsesOfSkills();
    std::vector<std::string> faults;
    for (size_t s = 0; s < u.uses.size(); ++s)
        if (u.uses[s].empty()) faults.push_back(std::string(SkillNames[s]) + " has no use in the campaign");
    return faults;
}

// ---------------------------------------------------------------- texts

struct Text {
    std::string where, text;
};

std::vector<Text> TextsOfModule() {
    std::vector<Text> texts;
    auto add = [&](const std::string& where, std::string_view text) {
        if (!text.empty()) texts.push_back({where, std::string(text)});
    };
    ForEachEvent([&](int16_t level, int x, int y, const EventRecord& e) {
        for (const auto& page : e.Text)
            for (const auto& line : page) add(At(level, x, y), FieldText(line));
        // The lines the game makes of a battle's monsters, as many as it may meet.
        if (e.Word[0] == 256)
            for (int k = 0; k < 3; ++k)
                if (e.Word[9 + k] >= 0)
                    add(At(level, x, y) + " encounter", EncounterLine(e.Word[9 + k], std::max<int16_t>(2, e.Word[15 + k])));
    });
    ForEachScript([&](int16_t level, int slot, const LevelScript& s) {
        const std::string where = "level " + std::to_string(level) + " script " + std::to_string(slot);
        add(where, FieldText(s.Record.Title));
        for (const auto& line : s.LineText)
            if (line) add(where, std::string_view(line->data(), strnlen(line->data(), line->size())));
    });
    for (int16_t level : ModuleLevels()) {
        add("level list", FieldText(LevelList.LevelListName[level]));
        if (LoadLevel(level, 1, 0) == 1)
            for (const auto& zone : CurrentLevel.ZoneNames) add("level " + std::to_string(level) + " zones", FieldText(zone));
    }
    for (int16_t i = 0; i < kItemCount; ++i) add("item " + std::to_string(i), FieldText(ItemTable[size_t(i)].ItemName));
    for (int16_t m = 0; m < kMonsterCount; ++m) add("monster " + std::to_string(m), FieldText(MonsterTable[size_t(m)].MonsterName));
    for (const QuestTextRecord& q : QuestTextTable) {
        for (const auto& line : q.Line) add("quest", FieldText(line));
        add("quest", FieldText(q.Award));
        add("quest", FieldText(q.ReturnAddress));
    }
    for (const BookRecord& b : BookTable) {
        add("book", FieldText(b.Title));
        for (const auto& page : b.Line)
            for (const auto& line : page) add("book", FieldText(line));
    }
    for (const auto& line : GameIntro.ObjectiveText) add("objectives", FieldText(line));
    for (const auto& line : GameIntro.ObjectiveCaptions) add("objectives", FieldText(line));
    for (const WinTextRecord& w : WinTexts)
        for (const auto& line : w.Line) add("win text", FieldText(line));
    return texts;
}

// Slips a reader stumbles on: a word said twice, a gap of two blanks or a blank before a stop,
// and the plurals of words in -f, -fe and -y made with a bare "s".
std::string SlipIn(const std::string& text) {
    std::istringstream words(text);
    std::string word, previous;
    while (words >> word) {
        std::string bare;
        for (char c : word)
            if (std::isalpha(static_cast<unsigned char>(c))) bare += char(std::tolower(static_cast<unsigned char>(c)));
        // "Sit, sit!" is meant; "the the" is not.
        if (!bare.empty() && bare == previous) return "\"" + bare + "\" twice";
        for (const char* wrong : {"lfs", "arfs", "ifes"})
            if (bare.ends_with(wrong)) return "\"" + word + "\" is no plural";
        if (bare.size() > 2 && bare.ends_with("ys") && !std::strchr("aeiou", bare[bare.size() - 3]))
            return "\"" + word + "\" is no plural";
        const bool stop = !word.empty() && std::ispunct(static_cast<unsigned char>(word.back()));
        if (!bare.empty()) previous = stop ? std::string() : bare;
    }
    const size_t from = text.find_first_not_of(' ');
    if (from != std::string::npos && text.find("  ", from) != std::string::npos) return "two blanks in a row";
    for (const char* stop : {" .", " ,", " !", " ?"})
        if (text.find(stop) != std::string::npos) return "a blank before a stop";
    return {};
}

std::vector<std::string> TextSlips() {
    std::vector<std::string> faults;
    for (const Text& t : TextsOfModule())
        if (const std::string slip = SlipIn(t.text); !slip.empty())
            faults.push_back(t.where + ": \"" + t.text + "\": " + slip);
    return faults;
}

// Every line a script writes keeps its end in the window: with the longest name a player can
// type put in, and either sex's words of address.
std::vector<std::string> CutMessageLines() {
    std::vector<std::string> faults;
    const std::string heroName(FieldText(GameState.HeroName));
    const int16_t heroSex = GameState.HeroSex;
    SetFieldText(GameState.HeroName, std::string(kHeroNameChars, 'W'));
    ForEachScript([&](int16_t level, int slot, const LevelScript& s) {
        for (int l = 0; l < kScriptLines; ++l) {
            const int16_t code = s.Record.Code[l];
            if ((code != kTXT && code != kBTX && code != kRTX) || !s.LineText[size_t(l)]) continue;
            const std::string_view text = LineTextView(*s.LineText[size_t(l)]);
            if (!text.starts_with('%')) continue;
            std::string longest;
            for (int16_t sex : {0, 1}) {
                GameState.HeroSex = sex;
                if (std::string shown = SubstituteHeroWords(text, std::string::npos); shown.size() > longest.size())
                    longest = std::move(shown);
            }
            if (longest.size() > size_t(kMessageLineChars))
                faults.push_back("level " + std::to_string(level) + " script " + std::to_string(slot) + " line " +
                                 std::to_string(l) + ": \"" + longest + "\" is " + std::to_string(longest.size()) +
                                 " characters");
        }
    });
    GameState.HeroSex = heroSex;
    SetFieldText(GameState.HeroName, heroName);
    return faults;
}

// ---------------------------------------------------------------- pictures

// The mean brightness (0..255) of a picture's pixels that are not its key.
double MeanLight(const Surface* s) {
    if (!s) return 0;
    double sum = 0;
    int n = 0;
    for (int32_t y = 0; y < s->height; ++y)
        for (int32_t x = 0; x < s->width; ++x) {
            const uint16_t p = s->Row(y)[x];
            if (s->keyed && p == s->key) continue;
            sum += 0.3 * ((p >> 11) << 3) + 0.59 * (((p >> 5) & 63) << 2) + 0.11 * ((p & 31) << 3);
            ++n;
        }
    return n ? sum / n : 0;
}

// What the map shows must say what it is: a bumped thing the map view does not draw stands on
// a picture of its own; a monster shows on its floor and stands on the square it fights from
// (a tall figure is drawn from its head's square, its feet a square lower); and a portal's
// picture is the look of one way only, so stairs down never look like the cave mouth.
std::vector<std::string> PictureFaults() {
    std::vector<std::string> faults;
    std::map<int16_t, std::set<int16_t>> portalLevels;
    ForEachEvent([&](int16_t level, int x, int y, const EventRecord& e) {
        const int s = x * 50 + y;
        const std::string at = At(level, x, y);
        if (e.Word[0] == 1245 && CurrentLevel.TopLayer[s] == 0) faults.push_back(at + ": the prise shows nothing");
        if (e.Word[0] == 1236) portalLevels[e.Word[4]].insert(level);
        if (e.Word[0] == 1247 && e.Word[4] >= 0 && e.Word[4] < kMonsterCount) {
            const int16_t picture = MonsterTable[size_t(e.Word[4])].MonsterPicture;
            if (picture < 0 || picture >= int16_t(MonsterPictures.size())) return;
            if (PictureSizeClass(picture) == 2) faults.push_back(at + ": a tall figure, its feet a square off");
            const double contrast = std::abs(MeanLight(MonsterPictures[size_t(picture)]) -
                                             MeanLight(WallTiles[size_t(CurrentLevel.BottomLayer[s])]));
            if (contrast < 15)
                faults.push_back(at + ": monster " + std::to_string(e.Word[4]) + " hardly shows on its floor");
        }
    });
    for (const auto& [picture, levels] : portalLevels)
        if (levels.size() > 1)
            faults.push_back("portal picture " + std::to_string(picture) + " is the look of ways on " +
                             std::to_string(levels.size()) + " levels");
    return faults;
}

// ---------------------------------------------------------------- places and goods

// Squares where the Rest button lets the hero rest: some on every level, for he spends time
// between fights on each, and none beside a monster's start or a battle's square.
std::vector<std::string> RestFaults() {
    std::vector<std::string> faults;
    for (int16_t level : ModuleLevels()) {
        if (LoadLevel(level, 1, 0) != 1) continue;
        int places = 0;
        for (int x = 0; x < 50; ++x)
            for (int y = 0; y < 50; ++y) {
                if (CurrentLevel.AccessLayer[x * 50 + y] != kSafeRestAccess) continue;
                ++places;
                for (int dx = -1; dx <= 1; ++dx)
                    for (int dy = -1; dy <= 1; ++dy)
                        if (const EventRecord* e = EventAt(x + dx, y + dy);
                            e && (e->Word[0] == kMonsterEvent || e->Word[0] == kWildernessCombatEvent))
                            faults.push_back(At(level, x, y) + ": a place to rest beside a fight");
            }
        if (places == 0) faults.push_back("level " + std::to_string(level) + " has no place to rest");
    }
    return faults;
}

// A ride goes somewhere the hero cannot simply stand: every place a coach or a board offers lies
// on another level; a coach says so while it offers none, and a board always offers one.
std::vector<std::string> TravelFaults() {
    std::vector<std::string> faults;
    ForEachEvent([&](int16_t level, int x, int y, const EventRecord& e) {
        const std::string at = At(level, x, y);
        if (e.Word[0] == 1664) {
            bool withheld = false;
            for (int i = 0; i < 5; ++i) {
                if (e.Word[26 + i] < 1) continue;  // never offered
                withheld = true;                   // until its flag is set
                if (e.Word[8 + i] == level) faults.push_back(at + ": a coach to its own level");
            }
            if (withheld && FieldText(e.Text[1][0]).empty())
                faults.push_back(at + ": a coach that says nothing while it offers no place");
        }
        if (e.Word[0] == 1238) {
            bool always = false;
            for (int i = 0; i < 6; ++i) {
                const int16_t card = e.Word[4 + i];
                if (card < 0 || card >= int16_t(ModuleTable.size())) continue;
                if (ModuleTable[size_t(card)].ModuleStart[0] == level) faults.push_back(at + ": a board to its own level");
                always = always || e.Word[10 + i] < 1;
            }
            if (!always) faults.push_back(at + ": a board that may offer nothing");
        }
    });
    return faults;
}

// A coach names the fare of each place beside it, and the name keeps to its button.
std::vector<std::string> UnnamedFares() {
    constexpr int32_t kCoachButtonWidth = 6 * 20;  // the coach's places are buttons of six pieces
    std::vector<std::string> faults;
    ForEachEvent([&](int16_t level, int x, int y, const EventRecord& e) {
        if (e.Word[0] != 1664) return;
        for (int16_t i = 0; i < 5; ++i) {
            const int16_t cost = e.Word[2 + i];
            if (cost == 0) continue;
            const std::string name(EventLine(e, 0, i));
            if (name.find(std::to_string(cost) + " gp") == std::string::npos)
                faults.push_back(At(level, x, y) + ": \"" + name + "\" names no fare of " + std::to_string(cost) + " gp");
            if (!LabelFits(kCoachButtonWidth, name)) faults.push_back(At(level, x, y) + ": \"" + name + "\" passes its button");
        }
    });
    return faults;
}

// A lake piece shows its shore on just the sides where no water lies next to it: open water
// inside, a shore only round the edge.
std::vector<std::string> LakeFaults() {
    std::vector<std::string> faults;
    for (int16_t level : ModuleLevels()) {
        if (LoadLevel(level, 1, 0) != 1) continue;
        auto shoreAt = [](int x, int y) {
            if (!OnMap(x, y)) return -1;
            const int s = x * 50 + y;
            return LakeShore(CurrentLevel.TopLayer[s] != 0 ? CurrentLevel.TopLayer[s] : CurrentLevel.BottomLayer[s]);
        };
        for (int x = 0; x < 50; ++x)
            for (int y = 0; y < 50; ++y) {
                const int shore = shoreAt(x, y);
                if (shore < 0) continue;
                const int land = (shoreAt(x, y - 1) < 0 ? kShoreNorth : 0) | (shoreAt(x + 1, y) < 0 ? kShoreEast : 0) |
                                 (shoreAt(x, y + 1) < 0 ? kShoreSouth : 0) | (shoreAt(x - 1, y) < 0 ? kShoreWest : 0);
                if (shore != land)
                    faults.push_back(At(level, x, y) + ": a shore of sides " + std::to_string(shore) + " where land is at " +
                                     std::to_string(land));
            }
    }
    return faults;
}

// Trade goods are "Valuable trade commodity!": each one a hero can come by is worth ten gold.
std::vector<std::string> CheapTradeGoods() {
    std::vector<std::string> faults;
    for (const auto& [item, places] : ItemsToBeHad()) {
        const int16_t type = ItemTable[size_t(item)].ItemType;
        if (type == kTradeGoods && ItemValue(type, item, 0, 0, 0) < 10)
            faults.push_back(ItemName(item) + " at " + places.front() + " is worth " +
                             std::to_string(ItemValue(type, item, 0, 0, 0)) + " gp");
    }
    return faults;
}

// ---------------------------------------------------------------- the checks

struct Check {
    const char* name;
    std::vector<std::string> (*faults)();
};
const Check kChecks[] = {
    {"rewards", UnguardedRewards},
    {"shop prices", FreeShopLines},
    {"skills", SkillsWithoutUse},
    {"texts", TextSlips},
    {"message lines", CutMessageLines},
    {"pictures", PictureFaults},
    {"rest", RestFaults},
    {"travel", TravelFaults},
    {"fares", UnnamedFares},
    {"lakes", LakeFaults},
    {"prices", CheapTradeGoods},
};

class CampaignRulesTest : public CampaignTest {
protected:
    void SetUp() override {
        CampaignTest::SetUp();
        OpenDisplay();  // the pictures of the module's own custom.bmp
    }
    // Changes the module's copy of a level and writes it back.
    static void Break(int16_t level, const std::function<void()>& change) {
        ASSERT_EQ(LoadLevel(level, 1, 0), 1u);
        change();
        ASSERT_EQ(SaveLevel(level, 0), 1u);
    }
    // Takes the item off every shop of the loaded level.
    static void NoLongerSold(int16_t item) {
        for (auto& e : EventGrid)
            if (e && e->Word[0] == 1248)
                for (int16_t line = 0; line < 8; ++line)
                    if (ShopStockLine(*e, line).item == item) e->Word[5 + line] = -1;
    }
    // Writes `text` over the first line of a script of the loaded level that speaks to the hero.
    static void RewriteAddress(int16_t slot, const char* text) {
        for (auto& line : ScriptTable[size_t(slot)]->LineText)
            if (line && line->front() == '%') {
                std::snprintf(line->data(), line->size(), "%s", text);
                return;
            }
    }
    // The first event of a type on the loaded level that `pick` accepts.
    static EventRecord* Find(int16_t type, const std::function<bool(const EventRecord&)>& pick = nullptr) {
        for (auto& e : EventGrid)
            if (e && e->Word[0] == type && (!pick || pick(*e))) return e.get();
        return nullptr;
    }
};

TEST_F(CampaignRulesTest, TheModuleKeepsEveryRule) {
    for (const Check& c : kChecks)
        for (const std::string& f : c.faults()) ADD_FAILURE() << c.name << ": " << f;
    const SkillUses u = UsesOfSkills();
    for (size_t s = 0; s < u.uses.size(); ++s)
        EXPECT_FALSE(u.uses[s].empty()) << "where the campaign uses each skill:\n" << u.Table();
}

// Each kind of slip, put into a copy of the module, is caught by its check.
TEST_F(CampaignRulesTest, EveryKindOfSlipIsCaught) {
    constexpr int16_t kThornwick = 1, kVale = 2, kHalls = 3;
    const struct {
        const char* slip;
        const char* check;
        std::function<void()> make;
    } slips[] = {
        {"a trigger whose score has no condition", "rewards",
         [] { Break(kHalls, [] { Find(1258)->Word[1] = -1; }); }},
        {"a step text whose condition is another flag than it sets", "rewards",
         [] { Break(kHalls, [] { Find(1227, [](const EventRecord& e) { return e.Word[24] > 0; })->Word[10] = 7999; }); }},
        {"a monster with no kill flag", "rewards", [] { Break(kHalls, [] { Find(1247)->Word[5] = -1; }); }},
        {"a sure battle with no victory flag", "rewards",
         [] { Break(kVale, [] { Find(256, [](const EventRecord& e) { return e.Word[4] >= 100; })->Word[20] = -1; }); }},
        {"a script's reward whose flag is never tested", "rewards",
         [] {
             Break(kThornwick, [] {
                 for (auto& s : ScriptTable)
                     if (s)
                         for (int l = 0; l < kScriptLines; ++l)
                             if (s->Record.Code[l] == kSFL) s->Record.Operand[l][0] = 7999;
             });
         }},
        {"a single ration for sale", "shop prices",
         [] {
             Break(kThornwick, [] {
                 EventRecord* shop = Find(1248, [](const EventRecord& e) { return ShopStockLine(e, 6).item == 232; });
                 shop->Word[21 + 6] = 1;  // the count of line 6
             });
         }},
        {"no holy symbol for sale", "skills", [] { Break(kThornwick, [] { NoLongerSold(96); }); }},
        {"no lock picks for sale", "skills", [] { Break(kThornwick, [] { NoLongerSold(248); }); }},
        {"auras worth nothing", "skills", [] { std::fill(std::begin(SkillBonus.AuraValues), std::end(SkillBonus.AuraValues), 0); }},
        {"a wolf pack met as wolfs", "texts",
         [] { Break(kVale, [] { SetFieldText(Find(1226)->Text[0][0], "Beware the grey wolfs."); }); }},
        {"a word twice", "texts", [] { SetFieldText(BookTable[0].Line[0][0], "The the wardens kept the dead"); }},
        {"a gap of two blanks", "texts", [] { SetFieldText(QuestTextTable[1].Line[1], "Thieves  carried the seal"); }},
        {"a greeting that loses its end to a long name", "message lines",
         [] { Break(kThornwick, [] { RewriteAddress(0, "%Welcome to Thornwick, %n. I am Maren, the elder."); }); }},
        {"a line that fits a son but not a daughter", "message lines",
         [] { Break(kThornwick, [] { RewriteAddress(1, "%Wolves, %s. A pack has made its den in the Wolfwood,"); }); }},
        {"a prise with no picture", "pictures",
         [] {
             Break(kHalls, [] {
                 for (int s = 0; s < kSquareCount; ++s)
                     if (EventGrid[size_t(s)] && EventGrid[size_t(s)]->Word[0] == 1245) CurrentLevel.TopLayer[s] = 0;
             });
         }},
        {"the stairs down with the cave mouth's look", "pictures",
         [] {
             ASSERT_EQ(LoadLevel(kVale, 1, 0), 1u);
             const int16_t caveMouth = Find(1236)->Word[4];
             Break(kHalls, [=] { Find(1236)->Word[4] = caveMouth; });
         }},
        // Monster 9 is the giant spider, 11 the Barrow Knight.
        {"a spider as dark as the crypt's floor", "pictures", [] { MonsterTable[9].MonsterPicture = 1052; }},
        {"a knight two squares tall", "pictures", [] { MonsterTable[11].MonsterPicture = 1192; }},
        {"no place to rest in the vale", "rest",
         [] {
             Break(kVale, [] {
                 for (int16_t& access : CurrentLevel.AccessLayer)
                     if (access == kSafeRestAccess) access = kFreeAccess;
             });
         }},
        {"a place to rest beside a monster", "rest",
         [] {
             Break(kHalls, [] {
                 for (int s = 0; s < kSquareCount; ++s)
                     if (EventGrid[size_t(s)] && EventGrid[size_t(s)]->Word[0] == kMonsterEvent) {
                         CurrentLevel.AccessLayer[s + 1] = kSafeRestAccess;
                         return;
                     }
             });
         }},
        {"a coach to where it stands", "travel", [] { Break(kThornwick, [] { Find(1664)->Word[8] = kThornwick; }); }},
        {"a coach with nothing to say", "travel",
         [] {
             Break(kThornwick, [] {
                 for (auto& line : Find(1664)->Text[1]) SetFieldText(line, "");
             });
         }},
        {"a ride with no fare named", "fares",
         [] { Break(kThornwick, [] { SetFieldText(Find(1664)->Text[0][0], "The Sunken Barrow"); }); }},
        {"a fare that passes its button", "fares",
         [] { Break(kThornwick, [] { SetFieldText(Find(1664)->Text[0][0], "The Sunken Barrow, 5 gp"); }); }},
        {"a lake all shores", "lakes",
         [] {
             Break(kVale, [] {
                 for (int16_t& tile : CurrentLevel.BottomLayer)
                     if (tile == LakeTile(0)) tile = LakeTile(kShoreSouth);
             });
         }},
        {"a wolf pelt worth two gold", "prices",
         [] {
             ItemTable[114].ItemType = kTradeGoods;
             MonsterTable[3].MonsterDeathItem[0] = 114;
         }},
    };
    for (const auto& s : slips) {
        SCOPED_TRACE(s.slip);
        // A fresh copy of the module for every slip.
        CopyModule();
        ASSERT_TRUE(std::all_of(std::begin(kChecks), std::end(kChecks), [](const Check& c) { return c.faults().empty(); }));
        s.make();
        for (const Check& c : kChecks)
            EXPECT_EQ(!c.faults().empty(), std::string_view(s.check) == c.name) << c.name;
    }
}

}  // namespace
