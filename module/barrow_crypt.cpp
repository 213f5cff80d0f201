// The Sunken Barrow's crypt: the landing under the shaft, where one may rest at the foot of
// the stairs, an ossuary with the dead and a giant spider, a locked chest, a stone door, and
// the Barrow Knight guarding the Warden's Seal. Once the seal is taken, a door of light leads
// back to Thornwick.
#include "campaign.h"
#include "data/square_kinds.h"
#include "events.h"
#include "script_lines.h"

using namespace campaign;
using namespace lines;

namespace {

constexpr int16_t kGhost = 0;  // script slot

Script GhostScript() {
    return {kGhost, "The Warden's Ghost", {
        Sound(17),
        Say("A pale shape rises from the flagstones: a warden, long"),
        Say("dead, in the robes of the order."),
        Say("'He was the best of us, and he keeps his oath still."),
        Say("%Free him, %t. Take the seal home, and let him rest.'"),
        SetFlag(flag::kGhostSpoke, kSet, 1),
        Leave(),
    }};
}

}  // namespace

LevelPlan BarrowCryptPlan() {
    LevelPlan p;
    p.number = kBarrowCrypt;
    p.name = "Sunken Barrow: crypt";
    p.zoneNames = {"The wardens' crypt", "", "", "", "", ""};
    p.rows = {
        "##################################################",
        "##################################################",
        "##################################################",
        "##################################################",
        "################################+##############+##",
        "################+###########+####..............###",
        "#################.......k...#####...i......i...###",
        "###........######.c.......C.#####..............###",
        "###.b......######...........#####...4..........###",
        "##+.==.....######.c...1.....#####..............###",
        "###U==.....######...........#####..............###",
        "###.==.....######.c.........#####.......B......###",
        "###.........a...................Kg..........S..###",
        "###........######...........#####..............###",
        "###........######..........c#####..............###",
        "##+.....O..######........2..#####..............###",
        "###......b.######..3........#####............R.###",
        "###........######...k......c#####...i......i...###",
        "#################...........#####..............###",
        "#################################..............###",
        "################################+##############+##",
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
    };
    p.legend = {
        {'#', 321},   // rock walls
        {'+', 324},   // a torch on the wall
        {'.', 329},   // flagstones
        {'c', 329, 672},  // coffins
        {'k', 329, picture::kSkulls},  // skulls
        {'i', 329, 313},  // pillars
        {'b', 329, picture::kBones, 1295},  // old bones, walked over
        {'A', 329, 656},  // the altar
        {'=', 329, 0, kSafeRestAccess},  // the foot of the stairs up, where the dead do not come
    };
    const int16_t m = flag::kCryptMonsters;
    const std::array<Loot, 6> chest = {{{item::kGold, 0, 120}, {item::kGreaterHealing, 0, 0},
                                        {int16_t(item::kFirstGem + 1), 0, 0}, {item::kAntidote, 0, 0},
                                        {item::kHealing, 0, 0}, {}}};
    p.events = {
        {'U', '.', Portal({}, picture::kStairsUp, kBarrowHalls, 45, 25).Say({"The steps climb back to", "the upper halls."})},
        {'O', '.', PitBottom(flag::kShaft, kBarrowHalls, 19, 30, 10)},
        {'a', '.', StepText({flag::kCryptWarned, kEqual, -1}, {flag::kCryptWarned, kSet, 1}, 50)
                       .Say({"The crypt of the wardens.", "Here they were laid to", "rest - and here they",
                             "wake."})},
        {'1', '.', Monster(monster::kGhoul, int16_t(m + 0))},
        {'2', '.', Monster(monster::kSkeletonArcher, int16_t(m + 1), 1)},
        {'3', '.', Monster(monster::kSpider, int16_t(m + 2))},
        {'4', '.', Monster(monster::kWight, int16_t(m + 3))},
        {'C', '.', LockedChest(5, 2, -1, flag::kCryptChest, flag::kCryptSlots, chest, 1)},
        {'K', '.', ComplexDoor(2, kDoorClosed, 14, 0, -1, flag::kCryptDoor)},
        {'g', '.', StepScript(kGhost, {flag::kGhostSpoke, kEqual, -1})},
        {'B', '.', Monster(monster::kBarrowKnight, flag::kKnightSlain, 0, {flag::kKnightDown, kSet, 1})},
        {'S', 'A', OneItem({flag::kKnightDown, kEqual, 1}, flag::kSealTaken, {item::kSeal, 0, 0}, 0)
                       .Say({"On the altar lies the", "Warden's Seal."})
                       .Else({"The Barrow Knight stands", "between you and the", "altar."})},
        {'R', '.', MagicPortal({flag::kSealTaken, kEqual, 1}, 1322, kThornwick, 39, 14)
                       .Say({"A shimmering door of", "light. Through it you", "see the temple of", "Thornwick."})},
    };
    p.scripts = {GhostScript()};
    p.zoneTunes = {5};
    return p;
}
