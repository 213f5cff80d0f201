// The Sunken Barrow's upper halls: a spear trap, a guard room with a trapped chest, a secret
// door to a hidden shrine with prised gems, a rune stone and a floor safe to rest on, an iron
// door locked with the Bone Key, a hall whose lever raises a grate, urns to smash, a weapon
// rack, a room where a boulder on a pressure pad opens a wall, a shaft down, and the stairs to
// the crypt.
#include "campaign.h"
#include "data/square_kinds.h"
#include "events.h"

using namespace campaign;

LevelPlan BarrowHallsPlan() {
    LevelPlan p;
    p.number = kBarrowHalls;
    p.name = "Sunken Barrow: halls";
    p.zoneNames = {"The Sunken Barrow", "", "", "", "", ""};
    p.rows = {
        "##################################################",
        "##################################################",
        "##################################################",
        "##################################################",
        "##################################################",
        "##################################################",
        "##################################################",
        "##################################################",
        "##################################################",
        "##################################################",
        "##################################################",
        "##################################################",
        "##################################################",
        "##################################################",
        "##################################################",
        "#################==j==############################",
        "#################R====############################",
        "#################=b===############################",
        "#################=fy==############################",
        "#################=====############################",
        "###################Z##############################",
        "##############+.........+###+.........+###########",
        "###......+#####.......C.#####.Y.....L.####......##",
        "##+.b....######....1....#####....3....####...5..##",
        "###......######.........#####.b.......####......##",
        "###U..a..D.t............K.............G.......V.##",
        "###......######.........#####.........####......##",
        "##+....b.######......2..#####.....4...kn##..6b..##",
        "###......+#####.b.......#####.uvw.....####......##",
        "###############.........####+.........+###########",
        "###################.#############.################",
        "###################O#############.################",
        "##############################.......#############",
        "##############################.......#############",
        "##############################...Q...#############",
        "##############################.......#############",
        "##############################...q...g.x##########",
        "##############################.......#############",
        "##############################.......#############",
        "##################################################",
        "##################################################",
        "##################################################",
        "##################################################",
        "##################################################",
        "##################################################",
        "##################################################",
        "##################################################",
        "##################################################",
        "##################################################",
        "##################################################",
    };
    p.legend = {
        {'#', 321},   // rock walls
        {'+', 324},   // a torch on the wall
        {'.', 329},   // flagstones
        {'b', 329, picture::kBones, 1295},  // old bones, walked over
        {'W', 329, picture::kStoneWarden},        // the stone warden
        {'=', 329, 0, kSafeRestAccess},           // the shrine's floor, where the dead let one rest
        {'f', 329, picture::kRestStone, kSafeRestAccess},  // its stone, REST cut into it
    };
    const int16_t m = flag::kHallsMonsters;
    const std::array<Loot, 6> chest = {{{item::kBoneKey, 0, 0}, {item::kGold, 0, 30}, {item::kHealing, 0, 0},
                                        {item::kAntidote, 0, 0}, {}, {}}};
    const std::array<Loot, 6> rack = {{{item::kMace, 0, 0}, {item::kSpear, 0, 0}, {item::kIronCap, 0, 0},
                                       {item::kArrows, 0, 15}, {}, {}}};
    p.events = {
        {'U', '.', Portal({}, picture::kStairsToDaylight, kVale, 43, 25).Say({"Daylight shows at the", "top of the passage."})},
        {'a', '.', StepText({flag::kBarrowFound, kEqual, -1}, {flag::kBarrowFound, kSet, 1}, 25)
                       .Say({"The Sunken Barrow. Roots", "hang from the roof and", "old bones crunch under",
                             "your boots. Somewhere", "below, the Barrow Knight", "keeps his watch."})},
        {'D', '.', SimpleDoor(0)},
        {'t', '.', TrapOnFloor(kSpearTrap, {1, 4, 0}, flag::kSpearTrap, 12)},
        {'1', '.', Monster(monster::kRat, int16_t(m + 0))},
        {'2', '.', Monster(monster::kRat, int16_t(m + 1), 1)},
        {'C', '.', TrappedChest(kPoisonDartTrap, {}, 11, 2, flag::kChestTrap, flag::kChestSlots, chest, 0)},
        {'Z', '.', SecretDoor(321, 1, flag::kSecretDoor)},
        {'j', 'W', Prise(kAcidSprayTrap, {1, 6, 0}, flag::kPriseTrap, flag::kPriseSlots,
                         {{{int16_t(item::kFirstGem + 3), 0, 0}, {item::kFirstGem, 0, 0}, {}}}, 3, 12)
                       .Say({"A stone warden kneels", "here. Gems glitter in", "its eyes."})},
        {'R', '.', Runes({5, 12, 0, 0, 0}, 1475)},
        {'y', '.', Trigger({flag::kShrine, kEqual, -1}, {flag::kShrine, kSet, 1}, 20, 10)},
        {'O', '.', Pit(0, {2, 6, 0}, flag::kShaft, kBarrowCrypt, 8, 14, 10)},
        {'K', '.', ComplexDoor(3, kDoorLocked, 18, 6, item::kBoneKey, flag::kBoneDoor)
                       .Say({"Bones are worked into the", "iron of this door."})},
        {'3', '.', Monster(monster::kSkeleton, int16_t(m + 2))},
        {'4', '.', Monster(monster::kSkeleton, int16_t(m + 3), 1)},
        {'Y', '.', ItemsCache(flag::kRack, rack, 1488).Say({"A rack of old weapons,", "some still good."})},
        {'u', '.', Smash(0, flag::kUrns)},
        {'v', '.', Smash(0, int16_t(flag::kUrns + 1), flag::kUrnSlot, {item::kHealing, 0, 0})},
        {'w', '.', Smash(0, int16_t(flag::kUrns + 2))},
        {'L', '.', Switch(0, flag::kLever, flag::kGateOpen).Say({"An iron lever is set", "into the wall."})},
        {'G', '.', ToggleWall({flag::kGateOpen, kNotEqual, 1}, 1104, 1)
                       .Say({"An iron grate bars the", "way. There must be a", "lever somewhere."})},
        {'5', '.', Monster(monster::kGoblinArcher, int16_t(m + 4))},
        {'6', '.', Monster(monster::kGoblin, int16_t(m + 5), 1)},
        {'V', '.', Portal({}, picture::kStairsDown, kBarrowCrypt, 4, 10).Say({"Worn steps lead down", "into the dark."})},
        {'Q', '.', Boulder(26)},
        {'q', '.', PressurePad(flag::kPad)},
        {'g', '.', ToggleWall({flag::kPad, kBelow, 0}, 321)},
        {'k', '.', CrackedWall(5, flag::kCrack)
                       .Say({"The wall is cracked here,", "and cold air seeps out", "through the gaps."})},
        {'n', '.', OneItem({}, flag::kNiche, {int16_t(item::kFirstGem + 5), 0, 0}, 0)
                       .Say({"In a niche behind the", "wall, something glitters."})},
        {'x', '.', OneItem({}, flag::kPrimer, {item::kPrimer, 0, 0}, 659)
                       .Say({"A dusty book lies in a", "niche in the wall."})},
    };
    p.zoneTunes = {5};
    return p;
}
