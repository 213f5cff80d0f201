// The numbers the default module's levels and tables share: levels, quests, items, monsters,
// pictures and game flags. Flags are kept in a range per level so that they never meet.
#pragma once

#include <cstdint>

namespace campaign {

// Levels.
constexpr int16_t kThornwick = 1, kVale = 2, kBarrowHalls = 3, kBarrowCrypt = 4;

// Quests: the one a new hero starts with, the main quest and a side quest.
constexpr int16_t kQuestArrival = 0, kQuestSeal = 1, kQuestWolves = 2;

// Items, at numbers whose fixed role and picture fit them.
namespace item {
constexpr int16_t kHealing = 1, kGreaterHealing = 2, kAntidote = 5;
constexpr int16_t kFirstGem = 20;  // nine gems, 20..28
constexpr int16_t kOpening = 68;   // what a knock uses
constexpr int16_t kKeyring = 76, kRope = 94, kHolySymbol = 96;
constexpr int16_t kWolfPelt = 115;  // a pelt whose number makes it worth ten gold
constexpr int16_t kBoneKey = 125, kCryptKey = 126;
constexpr int16_t kPrimer = 148, kChronicle = 149;  // books 0 and 1
constexpr int16_t kLetter = 187;                    // every new hero carries it
constexpr int16_t kGold = 231, kRations = 232, kRitualKnife = 236;
constexpr int16_t kLockPicks = 248, kArrows = 251;
constexpr int16_t kShortSword = 273, kBroadsword = 274, kHandAxe = 278, kMace = 282, kDagger = 288;
constexpr int16_t kIronCap = 299, kGreatsword = 325, kSpear = 336;
constexpr int16_t kRoundShield = 405, kShortBow = 429, kLeatherArmour = 434, kChainMail = 442;
constexpr int16_t kBoots = 56, kGloves = 60;
constexpr int16_t kSeal = 591;  // the quest item
}  // namespace item

// Monsters.
namespace monster {
constexpr int16_t kRat = 1, kBat = 2, kWolf = 3, kGoblin = 4, kGoblinArcher = 5, kSkeleton = 6, kSkeletonArcher = 7,
                  kGhoul = 8, kSpider = 9, kWight = 10, kBarrowKnight = 11;
}  // namespace monster

// The campaign's own pictures, at the start of the custom ranges of its custom.bmp.
namespace picture {
constexpr int16_t kStoneWarden = 2240, kStairsDown = 2241, kStairsUp = 2242, kCaveMouth = 2243, kCart = 2244,
                  kPantry = 2245, kBones = 2246, kSkulls = 2247, kStairsToDaylight = 2248, kRestStone = 2249;
constexpr int16_t kKnight = 1700;  // a set of four, one square
constexpr int16_t kSpider = 1748;  // a set of four, two squares wide
}  // namespace picture

// People of the towns: picture 1364 + 2 x trade.
namespace npc {
constexpr int16_t kShopkeeper = 1364, kInnkeeper = 1366, kBanker = 1368, kPriest = 1370, kTrainer = 1372,
                  kSeer = 1374, kCoachman = 1378, kGuard = 1380, kChild = 1396, kElder = 1398, kHunter = 1402,
                  kBeggar = 1406, kAcolyte = 1390;
}  // namespace npc

namespace flag {
// Thornwick.
constexpr int16_t kWelcomed = 100, kPack = 101;  // 101..106: the new hero's pack
constexpr int16_t kMetElder = 110, kChronicle = 111, kBeggarPaid = 112, kRiddle = 113, kWolvesCleared = 120;
// The vale.
constexpr int16_t kCampsite = 200;
// The barrow's upper halls.
constexpr int16_t kBarrowFound = 300, kChestTrap = 301, kChestSlots = 302;  // 302..307
constexpr int16_t kSecretDoor = 310, kBoneDoor = 311, kLever = 312, kGateOpen = 313, kPad = 314;
constexpr int16_t kPrimer = 315, kSpearTrap = 316, kPriseTrap = 317, kPriseSlots = 318;  // 318..320
constexpr int16_t kUrns = 321, kUrnSlot = 324, kRack = 325;                             // 321..323, 325..330
constexpr int16_t kShaft = 331, kShrine = 332, kCrack = 334, kNiche = 335;
constexpr int16_t kHallsMonsters = 340;  // 340..359
// The crypt.
constexpr int16_t kCryptDoor = 400, kSealTaken = 401, kKnightSlain = 402, kKnightDown = 403, kCryptWarned = 404;
constexpr int16_t kCryptChest = 405, kCryptSlots = 406;  // 406..411
constexpr int16_t kGhostSpoke = 412;
constexpr int16_t kCryptMonsters = 420;                  // 420..439
}  // namespace flag

}  // namespace campaign
