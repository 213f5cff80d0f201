#include "events.h"

#include <vector>

namespace {

enum EventType : int16_t {
    kWildernessCombat = 256,
    kPushText = 1226,
    kStepText = 1227,
    kRune = 1230,
    kHeraldrySign = 1232,
    kSimpleDoor = 1233,
    kComplexDoor = 1234,
    kSecretDoor = 1235,
    kPortal = 1236,
    kOneItem = 1240,
    kItemsCache = 1241,
    kChest = 1242,
    kSearch = 1243,
    kFood = 1244,
    kPrise = 1245,
    kScript = 1246,
    kMonster = 1247,
    kShop = 1248,
    kInn = 1249,
    kBank = 1250,
    kVault = 1251,
    kTemple = 1252,
    kTrain = 1253,
    kSeer = 1254,
    kTrap = 1256,
    kPit = 1257,
    kTrigger = 1258,
    kPressurePad = 1259,
    kSwitch = 1260,
    kToggle = 1261,
    kPush = 1275,
    kCrack = 1266,
    kStatPlus = 1272,
    kActivateScript = 1330,
    kCoach = 1664,
};

using Words = std::vector<std::pair<int, int16_t>>;

void AddCond(Words& w, int first, Cond c) {
    w.push_back({first, c.flag});
    w.push_back({first + 1, c.op});
    w.push_back({first + 2, c.value});
}
void AddChange(Words& w, int first, Change c) {
    w.push_back({first, c.flag});
    w.push_back({first + 1, c.op});
    w.push_back({first + 2, c.value});
}
void AddDice(Words& w, int first, Dice d) {
    w.push_back({first, d.count});
    w.push_back({first + 1, d.sides});
    w.push_back({first + 2, d.bonus});
}

// Slots of loot laid out as the handlers read them: the N items from `firstItemWord`, then
// their N powers, then their N counts.
template <size_t N>
void AddLoot(Words& w, int firstItemWord, const std::array<Loot, N>& loot) {
    for (size_t i = 0; i < N; ++i) {
        const int word = firstItemWord + int(i);
        w.push_back({word, loot[i].item});
        w.push_back({word + int(N), loot[i].x});
        w.push_back({word + 2 * int(N), loot[i].y});
    }
}

Event Make(int16_t type, const Words& words) {
    Event e(type, {});
    e.words = words;
    return e;
}

// A service: the common head, then the keeper's picture in word 4.
Event Service(int16_t type, int16_t npc, Words more) {
    Words w{{4, npc}};
    w.insert(w.end(), more.begin(), more.end());
    return Make(type, w);
}

}  // namespace

Event PushText(int16_t tile, int16_t npc, Change then) {
    Words w{{7, npc}, {8, tile}};
    AddChange(w, 10, then);
    return Make(kPushText, w);
}

Event StepText(Cond active, Change then, int16_t xp, int16_t quest, int16_t questState) {
    Words w;
    AddCond(w, 1, active);
    AddChange(w, 10, then);
    w.push_back({20, quest});
    w.push_back({21, questState});
    w.push_back({24, xp});
    return Make(kStepText, w);
}

Event Runes(std::array<int16_t, 5> symbols, int16_t tile) {
    Words w{{10, tile}};
    for (int i = 0; i < 5; ++i) w.push_back({4 + i, symbols[size_t(i)]});
    return Make(kRune, w);
}

Event Heraldry(int16_t sign, int16_t tile) { return Make(kHeraldrySign, {{4, tile}, {5, sign}}); }

Event Trigger(Cond active, Change first, int16_t sound, int16_t score, Change second) {
    Words w;
    AddCond(w, 1, active);
    AddChange(w, 4, first);
    w.push_back({7, sound});
    AddChange(w, 8, second);
    w.push_back({14, score});
    return Make(kTrigger, w);
}

Event SimpleDoor(int16_t kind) { return Make(kSimpleDoor, {{1, kind}, {2, 0}, {3, -1}}); }

Event ComplexDoor(int16_t kind, int16_t state, int16_t strength, int16_t pickLocks, int16_t key, int16_t statusFlag) {
    return Make(kComplexDoor, {{1, kind}, {2, state}, {3, strength}, {4, pickLocks}, {5, key}, {7, statusFlag}});
}

Event SecretDoor(int16_t wallTile, int16_t perception, int16_t statusFlag) {
    return Make(kSecretDoor, {{1, wallTile}, {2, perception}, {4, 0}, {5, -1}, {8, statusFlag}});
}

Event Portal(Cond live, int16_t picture, int16_t level, int16_t x, int16_t y) {
    Words w;
    AddCond(w, 1, live);
    // The same place whichever way the destination test goes; hidden while not live.
    w.insert(w.end(), {{4, picture}, {5, 0}, {7, -1}, {10, level}, {12, x}, {13, y}, {14, level}, {16, x},
                       {17, y}, {18, -1}, {21, 1}});
    return Make(kPortal, w);
}

Event MagicPortal(Cond live, int16_t picture, int16_t level, int16_t x, int16_t y) {
    Event e = Portal(live, picture, level, x, y);
    e.words.insert(e.words.end(), {{19, 1}, {20, 1}});  // the sound of magic, and healed on arrival
    return e;
}

Event Pit(int16_t spotSkill, Dice fall, int16_t spottedFlag, int16_t level, int16_t x, int16_t y,
          int16_t climbAgility) {
    Words w{{4, spotSkill}, {9, spottedFlag}, {10, level}, {12, x}, {13, y}, {14, 0}, {15, climbAgility}};
    AddDice(w, 6, fall);
    return Make(kPit, w);
}

Event PitBottom(int16_t spottedFlag, int16_t level, int16_t x, int16_t y, int16_t climbAgility) {
    return Make(kPit, {{9, spottedFlag}, {10, level}, {12, x}, {13, y}, {14, 1}, {15, climbAgility}});
}

Event Coach(int16_t npc, std::array<CoachStop, 5> stops) {
    Words w{{1, npc}};
    for (int i = 0; i < 5; ++i) {
        const CoachStop& s = stops[size_t(i)];
        w.insert(w.end(), {{2 + i, s.cost}, {8 + i, s.level}, {14 + i, s.x}, {20 + i, s.y}, {26 + i, s.flag}});
    }
    return Make(kCoach, w);
}

Event OneItem(Cond live, int16_t slotFlag, Loot loot, int16_t tile) {
    Words w;
    AddCond(w, 1, live);
    w.insert(w.end(), {{4, slotFlag}, {5, loot.item}, {6, loot.x}, {7, loot.y}, {8, tile}, {9, 0}});
    return Make(kOneItem, w);
}

Event ItemsCache(int16_t firstSlotFlag, std::array<Loot, 6> loot, int16_t tile) {
    Words w{{4, firstSlotFlag}, {23, tile}, {24, -1}, {25, 0}};
    AddLoot(w, 5, loot);
    return Make(kItemsCache, w);
}

namespace {

Event Chest(int16_t kind, Words w, int16_t statusFlag, int16_t firstSlotFlag, std::array<Loot, 6> loot,
            int16_t look) {
    w.insert(w.end(), {{9, statusFlag}, {11, firstSlotFlag}, {30, look}, {32, kind}});
    AddLoot(w, 12, loot);
    return Make(kChest, w);
}

}  // namespace

Event LockedChest(int16_t strength, int16_t pickLocks, int16_t key, int16_t statusFlag, int16_t firstSlotFlag,
                  std::array<Loot, 6> loot, int16_t look) {
    return Chest(0, {{1, strength}, {2, pickLocks}, {3, key}, {4, 0}, {5, 0}}, statusFlag, firstSlotFlag, loot, look);
}

Event TrappedChest(int16_t trap, Dice damage, int16_t dodge, int16_t findSkill, int16_t statusFlag,
                   int16_t firstSlotFlag, std::array<Loot, 6> loot, int16_t look) {
    Words w{{1, 0}, {2, 0}, {3, -1}, {4, 0}, {5, trap}, {10, dodge}, {31, findSkill}};
    AddDice(w, 6, damage);
    return Chest(1, w, statusFlag, firstSlotFlag, loot, look);
}

Event Prise(int16_t trap, Dice damage, int16_t trapFlag, int16_t firstSlotFlag, std::array<Loot, 3> gems,
            int16_t findSkill, int16_t dodge) {
    Words w{{1, trap}, {5, trapFlag}, {15, -1}, {18, firstSlotFlag}, {19, findSkill}, {21, dodge}};
    AddDice(w, 2, damage);
    AddLoot(w, 6, gems);
    return Make(kPrise, w);
}

Event Smash(int16_t kind, int16_t brokenFlag, int16_t slotFlag, Loot loot) {
    return Make(kSearch, {{1, kind}, {2, brokenFlag}, {3, slotFlag}, {4, loot.item}, {5, loot.x}, {6, loot.y}});
}

Event Pantry(int16_t tile) { return Make(kFood, {{4, tile}}); }

Event StatPlus(int16_t use, int16_t effect, int16_t amount, int16_t statusFlag, int16_t tile) {
    return Make(kStatPlus, {{1, -1}, {4, use}, {5, effect}, {6, amount}, {7, statusFlag}, {9, tile}, {10, tile}});
}

Event Talk(int16_t script, int16_t npc, Cond active) {
    Words w;
    AddCond(w, 1, active);
    w.insert(w.end(), {{4, script}, {5, npc}, {12, 0}});
    return Make(kScript, w);
}

Event StepScript(int16_t script, Cond active) {
    Words w{{8, script}, {12, 0}};
    AddCond(w, 5, active);
    return Make(kActivateScript, w);
}

Event Monster(int16_t monster, int16_t statusFlag, int16_t facing, Change killed) {
    Words w{{1, -1}, {4, monster}, {5, statusFlag}, {9, facing}, {10, -1}, {14, -1}, {15, -1}};
    AddChange(w, 6, killed);
    return Make(kMonster, w);
}

Event Wilderness(Cond active, int16_t chance, std::array<int16_t, 3> monsters, std::array<int16_t, 3> fewest,
                 std::array<int16_t, 3> most, int16_t flee, Change victory, Change flight) {
    Words w;
    AddCond(w, 1, active);
    // The arena's ground, and the bushes, stones and stumps strewn over it.
    w.insert(w.end(), {{4, chance}, {5, 1965}, {6, 24}, {7, 26}, {8, 25}, {19, flee}, {26, -1}});
    for (int i = 0; i < 3; ++i) {
        w.push_back({9 + i, monsters[size_t(i)]});
        w.push_back({12 + i, fewest[size_t(i)]});
        w.push_back({15 + i, most[size_t(i)]});
    }
    AddChange(w, 20, victory);
    AddChange(w, 23, flight);
    return Make(kWildernessCombat, w);
}

Event Shop(int16_t npc, std::array<Loot, 8> stock, int16_t costPercent, int16_t buysGems) {
    // The map view draws the keeper from word 30; word 4 holds the same picture for the editor.
    Words w{{4, npc}, {29, costPercent}, {30, npc}, {31, buysGems}};
    AddLoot(w, 5, stock);
    return Make(kShop, w);
}

Event Inn(int16_t npc, int16_t roomCost) { return Service(kInn, npc, {{5, roomCost}, {6, 0}, {7, -1}, {8, 1}}); }
Event Bank(int16_t npc) { return Service(kBank, npc, {}); }
Event Vault(int16_t npc, int16_t rent, int16_t vault) { return Service(kVault, npc, {{5, rent}, {6, vault}}); }
Event Temple(int16_t npc) { return Service(kTemple, npc, {}); }
Event Trainer(int16_t npc, int16_t maxSkill, int16_t kind) {
    return Service(kTrain, npc, {{5, maxSkill}, {6, kind}});
}
Event Seer(int16_t npc, int16_t female) { return Service(kSeer, npc, {{5, female}}); }

Event TrapOnFloor(int16_t kind, Dice damage, int16_t sprungFlag, int16_t dodge) {
    Words w{{5, kind}, {9, sprungFlag}, {10, dodge}};
    AddDice(w, 6, damage);
    return Make(kTrap, w);
}

Event PressurePad(int16_t padFlag) { return Make(kPressurePad, {{1, padFlag}, {2, 0}}); }

Event Switch(int16_t kind, int16_t statusFlag, int16_t targetFlag) {
    return Make(kSwitch, {{1, kind}, {3, targetFlag}, {4, 0}, {6, statusFlag}, {7, 0}});
}

Event ToggleWall(Cond stands, int16_t tile, int16_t lightPasses) {
    Words w{{4, tile}, {5, lightPasses}, {6, 0}};
    AddCond(w, 1, stands);
    return Make(kToggle, w);
}

Event Boulder(int16_t tile) { return Make(kPush, {{1, tile}}); }

// The picture is the editor's own cracked wall.
Event CrackedWall(int16_t strength, int16_t statusFlag) {
    return Make(kCrack, {{1, 163}, {2, strength}, {3, statusFlag}});
}
