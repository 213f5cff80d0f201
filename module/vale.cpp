// The vale of Thornwick, a wilderness level: the road from the town to the Barrow Hills,
// the Wolfwood where the hunter's wolves den, chance meetings in the woods, lakes, and a
// campsite where one may rest.
#include "art/tile_roles.h"
#include "campaign.h"
#include "data/square_kinds.h"
#include "events.h"

using namespace campaign;

LevelPlan ValePlan() {
    LevelPlan p;
    p.number = kVale;
    p.name = "The vale of Thornwick";
    p.zoneNames = {"The vale of Thornwick", "", "", "", "", ""};
    p.rows = {
        "AAAAAAAAAAAAAAAAAAAAAAAAAAAAAAAAAAAAAAAAAAAAAAAAAA",
        "AAAAAAAAAAAAAAAAAAAAAAAAAAAAAAAAAAAAAAAAAAAAAAAAAA",
        "AAAAAAAAAAAAAAAAAAAAAAAAAAAAAAAAAAAAAAAAAAAAAAAAAA",
        "AAAAAAAAAAAAAAAAAAAAAAAAAAAAAAAAAAAAAAAAAAAAAAAAAA",
        "AAFFFFFFFFFFFFF,,,,,,,,,,,,,,,,,,,,,,,,,,,,,,,,AAA",
        "AAFFFFFFFFFFFFF,,,,,,,,,,,,,,,,,,,,,,,,,,,,,,,,AAA",
        "AAFFFFFFFFFFFFF,,,,,,,,,,,,,,,,,,,,,,,,,,[^^^],AAA",
        "AAFFFFFFFFFFFFF,,,,,,,,,,,,,,,,,,,,,,,,,,{~~~},AAA",
        "AAFFFFFFFFFFFFF,,,,,,,,,FFFFFFFFFFFFFF,,,{~~~},AAA",
        "AAFFFFFFFFFFFFF,,,,,,,,,FFFFFFFFFrFFFF,,,{~~~},AAA",
        "AAFFFFFFFFFFFFF,,,,,,,,,FFrFFFFFFFFFFF,,,(___),AAA",
        "AAFFFFFFFFFFFFF,,,,,,,,,FFFFFFFFFFFFFF,,,,,,,,,AAA",
        "AAFFFFFFFFFFFFF,,,,,,,,,FFFFFFFFFFrFFF,,,,,,,,,AAA",
        "AA,,,,,,,,,,,,,,,,,,,,,,FFFFFFFFFFFFFF,,,,,,,,,AAA",
        "AA,,,,,,,,,,,,,,,,,,,,,,FrFF,,,,,FFFFF,,,,,,,,,AAA",
        "AA,,,,,,,,,,,,,,,,,,,,,,FFFF,,W,,FFFFF,,,,,,,,,AAA",
        "AA,,,,,,,,,,,,,,,,,,,,,,FFFF,,,,,FFFFF,,,,,,,,,AAA",
        "AA,,,,,,,,,,,,,,,,,,,,,,FFFF,,,,,FFFFF,,,,,,,,,AAA",
        "AA,,,,,,,,,,,,,,,,,,,,,,FFFrFF,FFFFrFF,,,,,,,,,AAA",
        "AA,,,,,,,,,,,,,,,,,,,,,,FFFFFF,FFFFFFF,,,,,,,,,AAA",
        "AA,,,,,,,,,,,,,,,,,,,,,,FFFFFF,FFFFFFF,,,,hhhhhAAA",
        "AA,,,,,,,,,,,,,,,,,,,,,,,,,,,,,,,,,,,,,,,,hhhhhAAA",
        "A,,,,,,,,,,,,,,,,,,,,,,,,,,,,,,,,,,,,,,,,,hhhhhAAA",
        "A,,,,,,,,,,,,,,,,,,,,,,,,,,,,n,,,,,,,,,,,,hhhhhAAA",
        "A,,,,,m,,,,,,,,,,,,2------------------4,,,hhhhhAAA",
        "P,-----------------1,,,,,,,,,,,,,,,,,,3-----XhhAAA",
        "A,,,,,,,,,,,,,,,,,,,,,,,,,,,,,,,,,,,,,,,,,hhhhhAAA",
        "A,,,,,,,FFFFF,,,,,,,,,,,,,,,,,,,,,,,,,,,,,hhhhhAAA",
        "A,,,,,,,FFFFF,,,,,,,,,,,,,,,,,,,,,,,,,,,,,hhhhhAAA",
        "AA,,,,,,FFFFF,,,,,,,,sss,,,,,,,,,,,,,,,,,,hhhhhAAA",
        "AA,,,,,,FFFFF,,,,,,,,scs,,,,,,,,,,,,,,,,,,hhhhhAAA",
        "AA,,,,,,,,,,,,,,,,,,,sss,,,,FFFFFFFFFFFFF,,,,,,AAA",
        "AA,,,,,,,,,,[^^^^^],,,,,,,,,FFFFFFFFFFFFF,,,,,,AAA",
        "AA,,,,,,,,,,{~~~~~},,,,,,,,,FFFFFFFFFFFFF,,,,,,AAA",
        "AA,,,,,,,,,,{~~~~~},,,,,,,,,FFFFFFFFFFFFF,,,,,,AAA",
        "AA,,,,,,,,,,{~~~~~},,,,,,,,,FFFFFFFFFFFFF,,,,,,AAA",
        "AA,,,,,,,,,,(_____),,,,,,,,,FFFFFFFFFFFFF,,,,,,AAA",
        "AA,,,,,,,,,,,,,,,,,,,,,,,,,,FFFFFFFFFFFFF,,,,,,AAA",
        "AA,FFFFFFFFFFFFFFFFFF,,,,,,,FFFFFFFFFFFFF,,,,,,AAA",
        "AA,FFFFFFFFFFFFFFFFFF,,,,,,,FFFFFFFFFFFFF,,,,,,AAA",
        "AA,FFFFFFFFFFFFFFFFFF,,,,,,,FFFFFFFFFFFFF,,,,,,AAA",
        "AA,FFFFFFFFFFFFFFFFFF,,,,,,,FFFFFFFFFFFFF,,,,,,AAA",
        "AA,FFFFFFFFFFFFFFFFFF,,,,,,,FFFFFFFFFFFFF,,,,,,AAA",
        "AA,FFFFFFFFFFFFFFFFFF,,,,,,,FFFFFFFFFFFFF,,,,,,AAA",
        "AA,FFFFFFFFFFFFFFFFFF,,,,,,,FFFFFFFFFFFFF,,,,,,AAA",
        "AA,FFFFFFFFFFFFFFFFFF,,,,,,,,,,,,,,,,,,,,,,,,,,AAA",
        "AAAAAAAAAAAAAAAAAAAAAAAAAAAAAAAAAAAAAAAAAAAAAAAAAA",
        "AAAAAAAAAAAAAAAAAAAAAAAAAAAAAAAAAAAAAAAAAAAAAAAAAA",
        "AAAAAAAAAAAAAAAAAAAAAAAAAAAAAAAAAAAAAAAAAAAAAAAAAA",
        "AAAAAAAAAAAAAAAAAAAAAAAAAAAAAAAAAAAAAAAAAAAAAAAAAA",
    };
    // Roads lie on the top layer over the grass: a battle's arena continues the road it
    // began on.
    p.legend = {
        {',', 1965},                // grassland
        {'F', 1965, 2005},          // woods, walked under
        {'A', 2040},                // mountains
        {'~', LakeTile(0)},                         // lakes: open water,
        {'^', LakeTile(kShoreNorth)},               // and their shores, by the sides of land
        {'}', LakeTile(kShoreEast)},
        {'_', LakeTile(kShoreSouth)},
        {'{', LakeTile(kShoreWest)},
        {'[', LakeTile(kShoreNorth | kShoreWest)},
        {']', LakeTile(kShoreNorth | kShoreEast)},
        {')', LakeTile(kShoreSouth | kShoreEast)},
        {'(', LakeTile(kShoreSouth | kShoreWest)},
        {'s', 1965, 0, kSafeRestAccess},            // the grass round the campfire, safe to rest on
        {'h', 1988},                // the Barrow Hills
        {'-', 1965, 1972},          // the road, west to east
        {'1', 1965, 1996},          // bends of the road
        {'2', 1965, 1975},
        {'3', 1965, 1995},
        {'4', 1965, 1976},
        {'P', 2145, 0, 1294},       // Thornwick, at the map's edge
    };
    p.events = {
        {'m', ',', PushText(1052).Say({"East: the Barrow Hills.", "West: Thornwick."})},
        {'n', ',', PushText(1052).Say({"The Wolfwood.", "Hunters beware: wolves", "den to the north."})},
        {'W', ',', Wilderness({flag::kWolvesCleared, kBelow, 1}, 100, {monster::kWolf, -1, -1}, {2, 0, 0},
                              {2, 0, 0}, 30, {flag::kWolvesCleared, kSet, 1})},
        {'r', 'F', Wilderness({}, 15, {monster::kWolf, monster::kGoblin, monster::kBat}, {1, 1, 1}, {2, 2, 3}, 60)},
        {'c', ',', OneItem({}, flag::kCampsite, {item::kRations, 0, 3}, 1610)
                       .Say({"An abandoned campfire,", "still warm. A bundle of", "food lies beside it."})},
        {'X', 'h', Portal({}, picture::kCaveMouth, kBarrowHalls, 5, 25)
                       .Say({"A dark mouth opens in the", "side of the barrow. Cold", "air breathes out of it."})},
    };
    p.exits = {{3, kThornwick, 48, 25}};
    p.wilderness = 1;
    p.zoneTunes = {4};
    return p;
}
