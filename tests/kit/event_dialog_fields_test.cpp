// The dialogs of the other sixty-three event types field by field: a click on each field as
// the tables place it, what is typed or chosen and the word it leaves; fields hidden by
// another word dead; irregular click widths at their edges; the one-line texts; and the
// names, derived numbers and pictures the dialogs show.
#include <array>
#include <cstdlib>
#include <cstring>
#include <string>
#include <vector>

#include "data/monster_records.h"
#include "data/text_field.h"
#include "events/event_dispatch.h"
#include "hero/item_names.h"
#include "kit/script/script_slots.h"
#include "tests/data/texts_shown.h"
#include "platform/fonts.h"
#include "tests/kit/event_editor_test.h"

namespace {

enum : int16_t {
    kWild = 256, kChest = 1242, kSearch = 1243, kFood = 1244, kPrise = 1245, kScript = 1246, kMonster = 1247,
    kShop = 1248, kInn = 1249, kBank = 1250, kVault = 1251, kTemple = 1252, kTrain = 1253, kSeer = 1254,
    kCasino = 1255, kTrap = 1256, kPit = 1257, kTrigger = 1258, kPad = 1259, kSwitch = 1260, kToggle = 1261,
    kUseSpell = 1262, kUseItem = 1263, kGetAnswer = 1264, kIfAsleep = 1265, kCrack = 1266, kClimb = 1267,
    kHide = 1268, kIfGot = 1269, kBridge = 1270, kMushroom = 1271, kStatPlus = 1272, kForge = 1273, kBoat = 1274,
    kPush = 1275, kResetPush = 1276, kBeam = 1277, kUseLens = 1278, kGhost = 1279, kPuzzle = 1280, kAlt = 1281,
    kCache = 1282, kFloor = 1283, kSwap = 1284, kLamp = 1287, kElem = 1288, kCrust = 1289, kElevator = 1290,
    kRecharge = 1328, kRetrieve = 1329, kActivate = 1330, kSplat = 1332, kSpawn = 1333, kRoots = 1334,
    kDance = 1335, kColour = 1336, kChop = 1337, kTimeLoop = 1338, kVision = 1339, kTelexy = 1399,
    kRiddle = 1628, kCoach = 1664, kWildPortal = 2139,
};

using std::pair;
constexpr auto none = std::nullopt;

// Expectations from the dialogs' tables: bounds at both ends, every kind, hidden fields dead.
// The number entry takes no more digits than the maximum has and no minus sign where the
// least value is 0 ("-1" enters 1).
const FieldCase kFieldCases[] = {
    // CHEST page 0: the locked group for word 32 = 0, the trapped group otherwise.
    {kChest, 32, 145, 70, nullptr, 1, 1}, {kChest, 30, 145, 100, nullptr, 8, 8},
    {kChest, 1, 250, 140, "21", -1, 20, {{32, 0}}}, {kChest, 2, 250, 160, "-1", -1, 1, {{32, 0}}},
    {kChest, 3, 250, 180, nullptr, -1, 130, {{32, 0}, {3, 130}}, none, true},  // chosen, never typed
    {kChest, 4, 248, 200, nullptr, -1, 0, {{32, 0}, {4, 130}}}, {kChest, 9, 155, 230, "8000", -1, 7999, {{32, 0}}},
    {kChest, 5, 115, 175, nullptr, 7, 7, {{32, 1}}}, {kChest, 31, 200, 205, "21", -1, 20, {{32, 1}}},
    {kChest, 31, 200, 205, nullptr, -1, 4, {{32, 0}, {31, 4}}, none, true},
    {kChest, 10, 200, 230, "-1", -1, 1, {{32, 1}}}, {kChest, 9, 200, 280, "8000", -1, 7999, {{32, 1}}},
    {kChest, 6, 300, 175, nullptr, -1, 3, {{32, 1}, {5, 6}, {6, 3}}, none, true},  // no dice for "Poison Dart"
    // SEARCH
    {kSearch, 1, 130, 130, nullptr, 7, 7}, {kSearch, 2, 130, 155, "-2", -1, -1},
    {kSearch, 3, 125, 190, "8000", -1, 7999}, {kSearch, 4, 205, 190, "714", -1, 713},
    {kSearch, 4, 245, 189, nullptr, -1, 130, {{4, 130}}, none, false, kLeave}, {kSearch, 5, 295, 190, "21", -1, 20},
    {kSearch, 6, 365, 190, "5001", -1, 5000},
    // FOOD: the active condition 10 px to the left.
    {kFood, 1, 180, 75, "-2", -1, -1}, {kFood, 2, 243, 75, nullptr, -1, 1, {{2, 0}}},
    {kFood, 3, 286, 75, "999", -1, 999}, {kFood, 4, 130, 130, "2284", -1, 2283},
    // PRISE: the dice clicked over its left 40 px only.
    {kPrise, 1, 115, 145, nullptr, 5, 5}, {kPrise, 2, 300, 145, nullptr, -1, 2, {{2, 2}}, pair{345, 150}, true},
    {kPrise, 19, 200, 195, "21", -1, 20}, {kPrise, 21, 200, 220, "-1", -1, 1},
    {kPrise, 5, 155, 245, "8000", -1, 7999}, {kPrise, 15, 115, 170, "-2", -1, -1},
    {kPrise, 16, 178, 170, nullptr, -1, 0, {{16, 2}}}, {kPrise, 17, 221, 170, "999", -1, 999},
    {kPrise, 18, 125, 285, "7998", -1, 7997}, {kPrise, 8, 205, 329, "-2", -1, -1},
    {kPrise, 11, 295, 329, "21", -1, 20}, {kPrise, 14, 365, 329, "5001", -1, 5000},
    // SCRIPT
    {kScript, 12, 420, 75, nullptr, -1, 1, {{12, 0}}}, {kScript, 1, 180, 75, "-5", -1, -1},
    {kScript, 3, 286, 75, "999", -1, 999}, {kScript, 4, 130, 150, "30", -1, 29},
    {kScript, 5, 130, 190, "1748", -1, 1747}, {kScript, 6, 130, 220, "2284", -1, 2283},
    {kScript, 8, 110, 315, "8000", -1, 7999}, {kScript, 11, 180, 315, "-2", -1, -1},
    {kScript, 9, 280, 315, "-3", -1, -1}, {kScript, 10, 280, 340, "2284", -1, 2283},
    // MONSTER: the assign op answers over 30 px.
    {kMonster, 14, 215, 330, "300", -1, 299}, {kMonster, 4, 145, 130, "300", -1, 299},
    {kMonster, 9, 145, 150, nullptr, -1, 1, {{9, 0}}}, {kMonster, 9, 145, 150, nullptr, -1, 0, {{9, 1}}},
    {kMonster, 5, 145, 180, "-1", -1, 1}, {kMonster, 6, 190, 220, "-1", -1, 1},
    {kMonster, 7, 253, 220, nullptr, -1, 2, {{7, 1}}, pair{283, 225}},
    {kMonster, 7, 253, 220, nullptr, -1, 1, {{7, 1}}, pair{284, 225}, true}, {kMonster, 8, 296, 220, "999", -1, 999},
    {kMonster, 15, 200, 255, "714", -1, 713}, {kMonster, 10, 200, 275, "8000", -1, 7999},
    {kMonster, 11, 263, 275, nullptr, -1, 1, {{11, 0}}}, {kMonster, 12, 306, 275, "-2", -1, -1},
    // SHOP: eight item rows 22 px apart.
    {kShop, 29, 345, 120, "5", -1, 10}, {kShop, 29, 345, 120, "501", -1, 500}, {kShop, 30, 120, 170, "-2", -1, -1},
    {kShop, 5, 115, 210, "714", -1, 713}, {kShop, 12, 115, 364, "-1", -1, 1},
    {kShop, 12, 155, 363, nullptr, -1, 200, {{12, 200}}, none, false, kLeave}, {kShop, 13, 205, 210, "21", -1, 20},
    {kShop, 28, 275, 364, "5001", -1, 5000}, {kShop, 31, 150, 188, nullptr, -1, 1, {{31, 0}}},
    // INN
    {kInn, 8, 235, 250, nullptr, -1, 1, {{8, 0}}}, {kInn, 4, 130, 150, "-2", -1, -1},
    {kInn, 5, 145, 180, "101", -1, 100}, {kInn, 6, 115, 210, "101", -1, 100}, {kInn, 7, 220, 210, "8000", -1, 7999},
    // The town services.
    {kBank, 1, 190, 75, "-2", -1, -1}, {kBank, 4, 130, 150, "1748", -1, 1747},
    {kVault, 5, 145, 180, "1001", -1, 1000}, {kVault, 6, 145, 210, "9", -1, 5},
    {kTemple, 4, 130, 150, "-2", -1, -1},
    {kTrain, 5, 145, 180, "21", -1, 20}, {kTrain, 6, 175, 210, nullptr, 5, 5}, {kTrain, 4, 130, 150, "-2", -1, -1},
    {kSeer, 5, 130, 180, nullptr, 1, 1}, {kSeer, 4, 130, 150, "1748", -1, 1747},
    {kCasino, 4, 130, 140, "-2", -1, -1}, {kCasino, 6, 150, 200, nullptr, 6, 6},
    {kRecharge, 3, 296, 75, "999", -1, 999}, {kRecharge, 4, 130, 140, "-2", -1, -1},
    // TRAP: "No Xp reward:" over 40 px; the teleport only for type 7.
    {kTrap, 11, 390, 220, nullptr, -1, 1, {{11, 0}}, pair{430, 225}},
    {kTrap, 11, 390, 220, nullptr, -1, 0, {{11, 0}}, pair{431, 225}, true}, {kTrap, 4, 230, 140, "99", -1, 99},
    {kTrap, 4, 230, 140, "-2", -1, -1}, {kTrap, 10, 230, 160, "-2", -1, -1}, {kTrap, 5, 115, 190, nullptr, 7, 7},
    {kTrap, 9, 155, 250, "-1", -1, 1}, {kTrap, 16, 160, 300, "130", -1, 129, {{5, 7}}},
    {kTrap, 17, 295, 300, "50", -1, 49, {{5, 7}}}, {kTrap, 18, 365, 300, "-1", -1, 1, {{5, 7}}},
    {kTrap, 19, 160, 330, nullptr, -1, 1, {{5, 7}, {19, 0}}},
    {kTrap, 16, 160, 300, nullptr, -1, 3, {{5, 6}, {16, 3}}, none, true},
    // PIT: the rope box 0 / -1; the disarm skill and the dice only at the top.
    {kPit, 15, 160, 170, "21", -1, 20}, {kPit, 16, 310, 170, nullptr, -1, -1, {{16, 0}}},
    {kPit, 16, 310, 170, nullptr, -1, 0, {{16, -1}}}, {kPit, 16, 310, 170, nullptr, -1, 0, {{16, 5}}},
    {kPit, 14, 200, 150, nullptr, 1, 1}, {kPit, 9, 155, 245, "8000", -1, 7999},
    {kPit, 4, 230, 295, "21", -1, 20, {{14, 0}}}, {kPit, 4, 230, 295, nullptr, -1, 3, {{14, 1}, {4, 3}}, none, true},
    {kPit, 10, 80, 210, "130", -1, 129}, {kPit, 12, 155, 210, "50", -1, 49}, {kPit, 13, 225, 210, "-1", -1, 1},
    // TRIGGER: the score over 60 px on a 2-piece field.
    {kTrigger, 14, 152, 230, "101", -1, 100}, {kTrigger, 14, 152, 230, "-2", -1, -1, {}, pair{212, 235}},
    {kTrigger, 4, 152, 125, "8000", -1, 7999}, {kTrigger, 5, 215, 125, nullptr, -1, 1, {{5, 0}}},
    {kTrigger, 6, 258, 125, "-2", -1, -1}, {kTrigger, 8, 152, 150, "-2", -1, -1},
    {kTrigger, 9, 215, 150, nullptr, -1, 0, {{9, 2}}}, {kTrigger, 10, 258, 150, "999", -1, 999},
    {kTrigger, 13, 152, 175, "-2", -1, -1}, {kTrigger, 7, 200, 200, nullptr, 3, 3},
    {kPad, 1, 152, 125, "-2", -1, -1}, {kPad, 2, 250, 225, nullptr, -1, 1, {{2, 0}}},
    // SWITCH: the critical value by type; the ring over 60 px.
    {kSwitch, 7, 150, 260, nullptr, 1, 1}, {kSwitch, 1, 150, 150, nullptr, 2, 2},
    {kSwitch, 6, 150, 170, "8000", -1, 7999}, {kSwitch, 2, 150, 190, "9", -1, 9, {{1, 2}}},
    {kSwitch, 2, 150, 190, "50", -1, 49, {{1, 7}}}, {kSwitch, 2, 150, 190, nullptr, 4, 4, {{1, 3}}},
    {kSwitch, 2, 150, 190, nullptr, -1, 2, {{1, 3}, {2, 2}}, pair{211, 195}, true},
    {kSwitch, 2, 150, 190, nullptr, -1, 5, {{1, 0}, {2, 5}}, none, true}, {kSwitch, 3, 190, 230, "-2", -1, -1},
    {kSwitch, 4, 253, 230, nullptr, -1, 1, {{4, 0}}},
    {kToggle, 1, 110, 125, "-2", -1, -1}, {kToggle, 2, 175, 125, nullptr, -1, 0, {{2, 5}}},
    {kToggle, 4, 250, 150, "2284", -1, 2283}, {kToggle, 5, 235, 200, nullptr, -1, 1, {{5, 0}}},
    {kToggle, 7, 375, 200, nullptr, -1, 1, {{7, 0}}},
    {kCrack, 1, 180, 80, "-2", -1, -1}, {kCrack, 2, 245, 160, "21", -1, 20}, {kCrack, 3, 245, 190, "8000", -1, 7999},
    // CLIMB: no destination for "Over".
    {kClimb, 6, 310, 140, nullptr, -1, -1, {{6, 0}}}, {kClimb, 1, 160, 140, "21", -1, 20},
    {kClimb, 2, 160, 160, "130", -1, 129, {{5, 0}}}, {kClimb, 3, 295, 160, "50", -1, 49, {{5, 1}}},
    {kClimb, 4, 365, 160, nullptr, -1, 7, {{5, 2}, {4, 7}}, none, true}, {kClimb, 5, 160, 180, nullptr, 2, 2},
    // The flag actions.
    {kUseSpell, 1, 150, 125, "-1", -1, 1}, {kUseSpell, 1, 150, 125, "2285", -1, 2284},
    {kUseSpell, 3, 150, 150, nullptr, 4, 4}, {kUseSpell, 5, 150, 175, "8000", -1, 7999},
    {kUseSpell, 4, 220, 220, "-1", -1, 1}, {kUseSpell, 2, 220, 245, "2285", -1, 2284},
    {kUseItem, 7, 150, 90, "-1", -1, 1}, {kUseItem, 1, 210, 160, nullptr, -1, 130, {{1, 130}}, none, false, kLeave},
    {kUseItem, 2, 210, 185, "8000", -1, 7999}, {kUseItem, 4, 210, 210, "-1", -1, 1},
    {kUseItem, 5, 180, 265, nullptr, 2, 2}, {kUseItem, 5, 180, 265, nullptr, -1, 0, {}, pair{281, 270}, true},
    {kUseItem, 3, 235, 290, nullptr, -1, 1, {{3, 0}}}, {kUseItem, 6, 180, 310, "7997", -1, 7996},
    {kGetAnswer, 1, 190, 75, "8000", -1, 7999}, {kGetAnswer, 5, 150, 125, "2285", -1, 2284},
    {kGetAnswer, 4, 200, 220, "-1", -1, 1},
    {kIfAsleep, 4, 200, 130, "8000", -1, 7999}, {kIfAsleep, 5, 80, 190, "130", -1, 129},
    {kIfAsleep, 7, 155, 190, "50", -1, 49}, {kIfAsleep, 8, 225, 190, "-1", -1, 1},
    // WILDERNESS COMBAT
    {kWild, 26, 480, 115, nullptr, 2, 2}, {kWild, 4, 290, 115, "101", -1, 100}, {kWild, 9, 145, 170, "300", -1, 299},
    {kWild, 11, 145, 210, "-1", -1, 1}, {kWild, 12, 370, 170, "11", -1, 10}, {kWild, 17, 440, 210, "11", -1, 10},
    {kWild, 19, 170, 240, "101", -1, 100}, {kWild, 20, 190, 270, "-2", -1, -1},
    {kWild, 21, 253, 270, nullptr, -1, 1, {{21, 0}}}, {kWild, 22, 298, 270, "999", -1, 999},
    {kWild, 24, 253, 290, nullptr, -1, 0, {{24, 2}}}, {kWild, 25, 298, 290, "-2", -1, -1},
    {kWild, 5, 140, 350, nullptr, -1, 30, {{5, 30}}, none, false, kLeave},  // the tile pickers cancelled
    {kWild, 8, 430, 350, nullptr, -1, 0, {{8, 0}}, none, false, kLeave},
    // WILD PORTAL: "Map=" holds word 6, then 5, then 7.
    {kWildPortal, 1, 110, 100, "-2", -1, -1}, {kWildPortal, 2, 175, 100, nullptr, -1, 0, {{2, 5}}},
    {kWildPortal, 16, 375, 345, "2284", -1, 2283}, {kWildPortal, 4, 210, 130, "-2", -1, -1},
    {kWildPortal, 6, 110, 195, "130", -1, 129}, {kWildPortal, 5, 240, 195, "8000", -1, 7999},
    {kWildPortal, 7, 380, 195, "130", -1, 129}, {kWildPortal, 8, 290, 235, "50", -1, 49},
    {kWildPortal, 15, 360, 295, "-1", -1, 1}, {kWildPortal, 17, 310, 375, nullptr, -1, 1, {{17, 0}}},
    // TELEXY: the fields of the mode in word 2; item rows 0..2 on words 3.., rows 3 and 4 on 21..
    {kTelexy, 2, 200, 100, nullptr, 2, 2}, {kTelexy, 12, 190, 195, "8000", -1, 7999, {{2, 0}}},
    {kTelexy, 13, 190, 215, "-2", -1, -1, {{2, 0}}}, {kTelexy, 17, 260, 195, "-2", -1, -1, {{2, 1}}},
    {kTelexy, 20, 260, 225, "8000", -1, 7999, {{2, 1}}}, {kTelexy, 14, 380, 195, "-2", -1, -1, {{2, 2}}},
    {kTelexy, 3, 90, 245, "714", -1, 713, {{2, 2}}}, {kTelexy, 11, 280, 295, "50", -1, 49, {{2, 2}}},
    {kTelexy, 21, 90, 320, "-2", -1, -1, {{2, 2}}},
    {kTelexy, 21, 130, 319, nullptr, -1, 9, {{2, 2}, {21, 9}}, none, false, kLeave},
    {kTelexy, 24, 190, 345, "50", -1, 49, {{2, 2}}}, {kTelexy, 26, 280, 345, "-1", -1, 1, {{2, 2}}},
    {kTelexy, 3, 90, 245, nullptr, -1, 5, {{2, 0}, {3, 5}}, none, true},
    // COACH: five rows 30 px apart.
    {kCoach, 1, 120, 90, "1748", -1, 1747}, {kCoach, 2, 190, 180, "1001", -1, 1000},
    {kCoach, 12, 250, 300, "130", -1, 129}, {kCoach, 18, 295, 300, "50", -1, 49}, {kCoach, 24, 340, 300, "-1", -1, 1},
    {kCoach, 30, 405, 300, "8000", -1, 7999},
    {kElevator, 21, 135, 105, "2285", -1, 2284}, {kElevator, 1, 110, 150, "130", -1, 129},
    {kElevator, 5, 110, 270, "-1", -1, 1}, {kElevator, 11, 185, 150, "50", -1, 49},
    {kElevator, 20, 255, 270, "50", -1, 49},
    {kBoat, 4, 160, 130, "-1", -1, 1}, {kBoat, 5, 160, 150, "7999", -1, 7997}, {kBoat, 5, 160, 150, "-1", -1, 1},
    // The conditions.
    {kActivate, 12, 210, 174, nullptr, 1, 1}, {kActivate, 5, 190, 75, "-2", -1, -1},
    {kActivate, 6, 253, 75, nullptr, -1, 1, {{6, 0}}}, {kActivate, 7, 296, 75, "999", -1, 999},
    {kActivate, 8, 120, 220, "30", -1, 29},
    {kIfGot, 11, 190, 75, "8000", -1, 7999}, {kIfGot, 13, 296, 75, "-2", -1, -1},
    {kIfGot, 1, 145, 180, nullptr, 1, 1}, {kIfGot, 7, 145, 270, nullptr, 1, 1},
    {kIfGot, 9, 95, 210, nullptr, -1, 1, {{9, -1}}}, {kIfGot, 9, 95, 210, nullptr, -1, 0, {{9, 1}}},
    {kIfGot, 8, 290, 270, nullptr, -1, 130, {{8, 130}}, none, false, kLeave},
    {kHide, 5, 190, 75, "-2", -1, -1}, {kHide, 1, 250, 130, "21", -1, 20}, {kHide, 2, 195, 190, "130", -1, 129},
    {kHide, 3, 330, 190, "50", -1, 49}, {kHide, 4, 400, 190, "-1", -1, 1},
    {kTimeLoop, 4, 260, 120, "9999", -1, 4999}, {kTimeLoop, 4, 260, 120, "-2", -1, -1},
    {kVision, 7, 215, 180, "2284", -1, 2283}, {kVision, 4, 140, 142, "130", -1, 129},
    {kVision, 5, 215, 142, "49", -1, 37}, {kVision, 6, 280, 142, "-1", -1, 1},
    // The puzzles.
    {kPush, 1, 160, 80, "-1", -1, 1}, {kPush, 1, 160, 80, "2285", -1, 2284},
    {kResetPush, 2, 100, 155, "50", -1, 49}, {kResetPush, 3, 200, 155, "-1", -1, 1},
    {kResetPush, 4, 100, 180, "50", -1, 49}, {kResetPush, 5, 200, 180, "50", -1, 49},
    {kResetPush, 6, 205, 210, "8000", -1, 7999},
    {kBeam, 1, 90, 110, "8000", -1, 7999}, {kBeam, 9, 160, 170, "999", -1, 999}, {kBeam, 5, 90, 190, "-2", -1, -1},
    {kBeam, 10, 160, 190, "-2", -1, -1}, {kBeam, 11, 160, 230, nullptr, -1, 0, {{11, 1}}},
    {kBeam, 12, 165, 260, "8000", -1, 7999}, {kBeam, 16, 215, 260, "-2", -1, -1},
    {kBeam, 13, 50, 305, nullptr, -1, 1, {{13, 0}}, pair{130, 310}}, {kBeam, 13, 50, 305, nullptr, -1, 0, {{13, -1}}},
    {kBeam, 13, 50, 305, nullptr, -1, 0, {{13, 0}}, pair{131, 310}, true},
    {kBeam, 14, 195, 305, nullptr, -1, 0, {{14, 6}}}, {kBeam, 15, 360, 305, "5", -1, 5, {}, pair{440, 310}},
    {kUseLens, 1, 160, 80, "2285", -1, 2284}, {kUseLens, 2, 210, 140, "-2", -1, -1},
    {kLamp, 1, 190, 75, "-2", -1, -1}, {kLamp, 10, 180, 150, "-1", -1, 1}, {kLamp, 4, 180, 190, "5001", -1, 5000},
    {kLamp, 5, 180, 215, "5001", -1, 5000}, {kLamp, 6, 180, 240, nullptr, 5, 5}, {kLamp, 7, 135, 290, "714", -1, 713},
    {kLamp, 7, 175, 289, nullptr, -1, 200, {{7, 200}}, none, false, kLeave}, {kLamp, 8, 225, 290, "21", -1, 20},
    {kLamp, 9, 295, 290, "5001", -1, 5000},
    // PUZZLE: digits for 1 and 3, the grid for 2, the megavolts for 4.
    {kPuzzle, 1, 160, 80, "2285", -1, 2284}, {kPuzzle, 2, 130, 110, nullptr, 4, 4},
    {kPuzzle, 3, 180, 160, "8000", -1, 7999}, {kPuzzle, 4, 150, 135, "9", -1, 9, {{2, 1}}},
    {kPuzzle, 8, 350, 135, "7", -1, 7, {{2, 3}}}, {kPuzzle, 4, 180, 190, "30", -1, 27, {{2, 4}}},
    {kPuzzle, 6, 250, 135, nullptr, -1, 3, {{2, 0}, {6, 3}}, none, true},
    {kPuzzle, 28, 230, 325, nullptr, -1, 5, {{2, 1}, {28, 5}}, none, true},
    // The terrain.
    {kBridge, 1, 150, 85, nullptr, 2, 2}, {kBridge, 2, 110, 125, "8000", -1, 7999, {{1, 0}}},
    {kBridge, 3, 175, 125, nullptr, -1, 1, {{1, 0}, {3, 0}}, pair{205, 130}},
    {kBridge, 3, 175, 125, nullptr, -1, 0, {{1, 0}, {3, 0}}, pair{206, 130}, true},
    {kBridge, 5, 290, 150, "2284", -1, 2283, {{1, 0}}}, {kBridge, 6, 155, 125, "-1", -1, 1, {{1, 1}}},
    {kBridge, 5, 290, 150, nullptr, -1, 7, {{1, 2}, {5, 7}}, none, true},
    {kCrust, 4, 150, 130, nullptr, 2, 2}, {kCrust, 5, 150, 160, "-2", -1, -1},
    {kCrust, 6, 150, 185, "2284", -1, 2283}, {kCrust, 10, 150, 245, "-1", -1, 1},
    {kElem, 1, 110, 75, "-2", -1, -1}, {kElem, 2, 175, 75, nullptr, -1, 0, {{2, 3}}},
    {kElem, 2, 175, 75, nullptr, -1, 0, {{2, 5}}}, {kElem, 2, 175, 75, nullptr, -1, 1, {{2, 1}}, pair{196, 80}, true},
    {kElem, 3, 220, 75, "999", -1, 999}, {kElem, 4, 150, 110, nullptr, 4, 4}, {kElem, 8, 180, 180, "-2", -1, -1},
    {kAlt, 1, 110, 125, "-2", -1, -1}, {kAlt, 4, 150, 155, "-1", -1, 1},
    {kAlt, 5, 150, 180, nullptr, -1, 1, {{5, 0}}}, {kAlt, 5, 150, 180, nullptr, -1, 0, {{5, 9}}},
    {kAlt, 7, 150, 310, nullptr, -1, 0, {{7, 3}}}, {kAlt, 6, 150, 285, "2284", -1, 2283},
    {kSplat, 1, 130, 100, nullptr, 12, 12}, {kSplat, 2, 130, 125, "-2", -1, -1},
    {kSplat, 3, 110, 175, "8000", -1, 7999}, {kSplat, 4, 175, 175, nullptr, -1, 1, {{4, 0}}},
    {kSplat, 6, 190, 240, "-2", -1, -1}, {kSplat, 7, 253, 240, nullptr, -1, 0, {{7, 2}}},
    {kSplat, 8, 296, 240, "999", -1, 999},
    {kChop, 1, 130, 75, "-2", -1, -1},
    {kRoots, 1, 150, 100, nullptr, 3, 3}, {kRoots, 2, 130, 125, "8000", -1, 7999},
    {kRoots, 3, 220, 155, "-2", -1, -1},
    // Items, rewards and spawns.
    {kForge, 1, 150, 100, nullptr, 3, 3},
    {kMushroom, 2, 150, 85, nullptr, 2, 2}, {kMushroom, 1, 155, 110, "-1", -1, 1},
    {kStatPlus, 9, 110, 75, "-2", -1, -1}, {kStatPlus, 1, 110, 115, "8000", -1, 7999},
    {kStatPlus, 2, 175, 115, nullptr, -1, 1, {{2, 0}}}, {kStatPlus, 3, 220, 115, "5", -1, 5, {}, pair{240, 120}},
    {kStatPlus, 3, 220, 115, nullptr, -1, 7, {{3, 7}}, pair{241, 120}, true}, {kStatPlus, 4, 190, 180, nullptr, 4, 4},
    {kStatPlus, 5, 190, 200, nullptr, 9, 9}, {kStatPlus, 6, 190, 220, "-6", -1, -5, {{5, 3}}},
    {kStatPlus, 6, 190, 220, "5001", -1, 5000, {{5, 25}}},
    {kStatPlus, 6, 190, 220, nullptr, -1, 4, {{5, 24}, {6, 4}}, none, true},
    {kStatPlus, 6, 190, 220, nullptr, -1, 4, {{5, 2}, {6, 4}}, none, true},
    {kStatPlus, 11, 190, 240, "5001", -1, 5000, {{5, 18}}},
    {kStatPlus, 11, 190, 240, nullptr, -1, 4, {{5, 17}, {11, 4}}, none, true}, {kStatPlus, 7, 190, 270, "-2", -1, -1},
    {kStatPlus, 10, 110, 350, "2284", -1, 2283},
    {kCache, 3, 120, 95, "-2", -1, -1}, {kCache, 2, 155, 120, "8000", -1, 7999},
    {kCache, 4, 125, 160, "7995", -1, 7994}, {kCache, 4, 125, 160, "-1", -1, 1}, {kCache, 5, 205, 160, "-1", -1, 1},
    {kCache, 10, 205, 270, "714", -1, 713}, {kCache, 10, 245, 269, nullptr, -1, 9, {{10, 9}}, none, false, kLeave},
    {kCache, 11, 295, 160, "21", -1, 20}, {kCache, 22, 365, 270, "5001", -1, 5000},
    {kSwap, 12, 150, 345, nullptr, -1, 1, {{12, -1}}}, {kSwap, 12, 150, 345, nullptr, -1, 0, {{12, 1}}},
    {kSwap, 12, 150, 345, nullptr, -1, 1, {{12, 0}}, pair{210, 350}}, {kSwap, 9, 190, 75, "-2", -1, -1},
    {kSwap, 10, 253, 75, nullptr, -1, 1, {{10, 0}}}, {kSwap, 11, 296, 75, "999", -1, 999},
    {kSwap, 8, 150, 120, "-1", -1, 1}, {kSwap, 8, 150, 120, "2285", -1, 2284},
    {kSwap, 1, 175, 190, nullptr, -1, 130, {{1, 130}}, none, false, kLeave}, {kSwap, 4, 210, 245, "-1", -1, 1},
    {kSwap, 5, 205, 270, nullptr, -1, 200, {{5, 200}}, none, false, kLeave},
    {kSpawn, 1, 190, 75, "8000", -1, 7999}, {kSpawn, 4, 130, 130, nullptr, 3, 3}, {kSpawn, 6, 310, 185, "-2", -1, -1},
    // Symbols and texts.
    {kFloor, 4, 145, 125, nullptr, 11, 11}, {kFloor, 5, 145, 150, nullptr, 3, 3}, {kFloor, 6, 145, 175, "9", -1, 9},
    {kFloor, 1, 152, 225, "-2", -1, -1}, {kFloor, 2, 215, 225, nullptr, -1, 0, {{2, 2}}},
    {kFloor, 3, 258, 225, "999", -1, 999},
    {kGhost, 1, 145, 80, nullptr, 1, 1}, {kGhost, 2, 290, 80, nullptr, -1, 130, {{2, 130}}, none, false, kLeave},
    {kGhost, 3, 200, 150, "2284", -1, 2283}, {kGhost, 4, 100, 200, "8000", -1, 7999},
    {kGhost, 5, 160, 200, "-2", -1, -1}, {kGhost, 6, 250, 232, nullptr, -1, 0, {{6, 5}}},
    {kColour, 1, 220, 95, "714", -1, 713}, {kColour, 3, 220, 295, "-1", -1, 1}, {kColour, 4, 200, 125, nullptr, 2, 2},
    {kColour, 6, 200, 325, nullptr, 1, 1},
    {kRiddle, 1, 140, 135, nullptr, -1, 1, {{1, 0}}},
    {kRiddle, 2, 140, 135, nullptr, -1, 0, {{1, 0}, {2, 7}}},  // another kind resets the symbol
    {kRiddle, 2, 140, 135, nullptr, -1, 0, {{1, 1}, {2, 7}}}, {kRiddle, 4, 215, 110, "2284", -1, 2283},
    {kRiddle, 2, 140, 165, nullptr, 5, 5}, {kRiddle, 3, 210, 245, "-1", -1, 1},
    {kRiddle, 5, 220, 290, "8000", -1, 7999},
    {kDance, 4, 220, 120, nullptr, 1, 1}, {kDance, 3, 220, 150, "-1", -1, 1}, {kDance, 1, 220, 190, "8000", -1, 7999},
    {kDance, 2, 220, 220, "-1", -1, 1},
};

TEST_F(EventDialogsTest, TheOtherTypesEveryFieldWithItsBounds) {
    ExpectEveryField(kFieldCases);
}

// Choosing a row of a type list clears the word that belongs to the old type; Esc changes
// nothing.
TEST_F(EventDialogsTest, TypeListsClearTheirDependentWordOnlyWhenARowIsChosen) {
    struct Case {
        int16_t type;
        int word, x, y, cleared;
    } cases[] = {{kChest, 32, 145, 70, 4}, {kSwitch, 1, 150, 150, 2}};
    for (const Case& c : cases) {
        for (bool esc : {true, false}) {
            EventRecord& e = Make(c.type);
            e.Word[c.word] = 0;
            e.Word[c.cleared] = 3;
            ClickAt(c.x + 5, c.y + 5);
            if (esc) TapKey(kEsc);
            else ClickListRow(c.x, c.y, 0);  // the same row again
            Edit();
            EXPECT_EQ(EventAt(kX, kY)->Word[c.cleared], esc ? 3 : 0) << c.type << " esc " << esc;
        }
    }
}

// One-line texts: the line each lands in, its length bounds, and the lines left alone.
TEST_F(EventDialogsTest, OneLineTextsInTheirLines) {
    struct Case {
        int16_t type;
        int x, y;
        const char* typed;
        int text, line;
        const char* expected;
    } cases[] = {
        {kShop, 120, 148, "Bazaar", 1, 0, "Bazaar"},
        {kGetAnswer, 145, 190, "Ruby stones", 1, 9, "Ruby stone"},
        {kStatPlus, 370, 180, "Fountain", 1, 9, "Fountain"},
        {kFloor, 145, 95, "ABCD", 1, 0, "ABC"},
        {kColour, 345, 325, "xyz", 0, 2, "xy"},
        {kCoach, 50, 300, "Port Vale on the river", 0, 4, "Port Vale on the r"},
    };
    for (const Case& c : cases) {
        Make(c.type);
        ClickAt(c.x + 5, c.y + 5);
        Keys({c.typed, kEnter});
        Edit();
        EXPECT_EQ(Line(c.text, c.line), c.expected) << c.type;
        for (int t = 0; t < 2; ++t)
            for (int r = 0; r < 10; ++r)
                if (t != c.text || r != c.line) { EXPECT_EQ(Line(t, r), "") << c.type << " " << t << " " << r; }
    }
}

// A name typed by a typing tool while the dialog is busy, read late and all at once: each
// letter with the Shift it was typed with, in the order typed, Enter last.
TEST_F(EventDialogsTest, TextTypedQuicklyKeepsItsShiftAndItsOrder) {
    Make(kShop);
    ClickAt(125, 153);
    std::vector<host::KeyEvent> keys = host::Headless::Typing("Gorm's Goods", 80);
    keys.insert(keys.end(), {{kEnter, true, 80}, {kEnter, false, 1}});
    host.AwaitScreen("text entry").Burst(keys).AwaitScreen("event editor");
    Edit();
    EXPECT_EQ(Line(1, 0), "Gorm's Goods");
}

TEST_F(EventDialogsTest, TheAnswerNeedsACharacterAndSurvivesItsTextEditor) {
    EventRecord& e = Make(kGetAnswer);
    ClickAt(150, 195);
    Keys({kEnter, "A", kEnter});
    Edit();
    EXPECT_EQ(Line(1, 9), "A");
    ClickAt(150, 195);
    Keys({"Bee", kEsc});
    Edit();
    EXPECT_EQ(Line(1, 9), "A");
    // "Display Correct answer Text:" edits lines 0..8 only: Erase there keeps the answer.
    for (int r = 0; r < 9; ++r) SetFieldText(e.Text[1][r], "L");
    ClickAt(240, 255);
    ClickAt(305, 396);
    TapKey('D');
    Edit();
    EXPECT_EQ(Line(1, 0), "");
    EXPECT_EQ(Line(1, 8), "");
    EXPECT_EQ(Line(1, 9), "A");
}

TEST_F(EventDialogsTest, ChestPagesAndTheirToggle) {
    EventRecord& chest = Make(kChest);
    chest.Word[12] = 5;
    ClickAt(55, 375);  // "Toggle Page", tested last
    ClickAt(240, 165);
    TypeNumber("714");
    ClickAt(160, 165);
    TypeNumber("7995");
    ClickAt(330, 165 + 22 * 5);
    TypeNumber("-11");
    Edit();
    EXPECT_EQ(EventAt(kX, kY)->Word[12], 713);
    EXPECT_EQ(EventAt(kX, kY)->Word[11], 7994);
    EXPECT_EQ(EventAt(kX, kY)->Word[23], -10);
    // Reopened: page 0 again, where the row's place is the pick locks skill.
    ClickAt(255, 165);
    TypeNumber("7");
    Edit();
    EXPECT_EQ(EventAt(kX, kY)->Word[2], 7);
    EXPECT_EQ(EventAt(kX, kY)->Word[12], 713);
}

// The grid is tested while the button is held on it; a cell steps through its five tiles and
// the empty cell. Its words outlive a change of puzzle.
TEST_F(EventDialogsTest, PuzzleGridCellsCycleWhileHeld) {
    EventRecord& e = Make(kPuzzle);
    e.Word[2] = 2;
    e.Word[9] = 0;
    e.Word[28] = 5;
    auto hold = [&](int x, int y) { host.MoveMouse(x, y).Wait(100).Hold(1, 5).Wait(5); };
    hold(145, 210);
    hold(235, 330);
    hold(235, 330);
    Edit();
    EXPECT_EQ(EventAt(kX, kY)->Word[9], 1);
    EXPECT_EQ(EventAt(kX, kY)->Word[28], 1);
    EventAt(kX, kY)->Word[2] = 1;
    hold(235, 330);
    Edit();
    EXPECT_EQ(EventAt(kX, kY)->Word[28], 1);
}

// "Browse" opens the script editor on the slot and leaves the word; the title is the script's.
TEST_F(EventDialogsTest, ScriptBrowseOpensTheEditorOnItsSlot) {
    for (int16_t type : {kActivate, kScript}) {
        const int word = type == kActivate ? 8 : 4;
        const int browseY = type == kActivate ? 220 : 150;
        Make(type).Word[word] = 3;
        CreateScript(3);
        SetFieldText(ScriptTable[3]->Record.Title, "Bell Tower");
        ClickAt(185, browseY + 5);
        TapKey(kEsc);
        host.texts.clear();
        Edit();
        EXPECT_EQ(EventAt(kX, kY)->Word[word], 3) << type;
        EXPECT_TRUE(TextShown(host, "Template Script")) << type;
        EXPECT_TRUE(Drawn("Bell Tower", 250, type == kActivate ? 225 : 155, kSmallBlue)) << type;
    }
}

TEST_F(EventDialogsTest, BodyOfTheRetrieveAnswersNothing) {
    EventRecord& e = Make(kRetrieve);
    const EventRecord before = e;
    for (int y = 70; y < 400; y += 30) ClickNothing(200, y);
    Edit();
    EXPECT_EQ(std::memcmp(EventAt(kX, kY), &before, sizeof before), 0);
}

// Every type opens with more than its title and closes.
TEST_F(EventDialogsTest, EveryTypeOpensEditsAndCloses) {
    for (const EventType& t : EventTypes) {
        Make(t.number);
        DrawNow();
        int shown = 0;
        for (const auto& text : host.texts) shown += text.y > 60 && text.y < 400 ? 1 : 0;
        EXPECT_GT(shown, 0) << t.number;
        Edit();
        EXPECT_NE(EventAt(kX, kY), nullptr) << t.number;
    }
}

// ---- What the dialogs show ---------------------------------------------------------------

TEST_F(DialogShowsTest, ContainersAndPeople) {
    EventRecord& chest = Make(kChest);
    chest.Word[32] = 1;
    chest.Word[5] = 6;
    chest.Word[30] = 8;
    Draw();
    EXPECT_TRUE(Drawn("Trap Type:", 50, 180, kSmallBlue));
    EXPECT_FALSE(AnythingDrawnAt(250, 180));  // no "Damage:" for "Poison Dart"
    EXPECT_TRUE(TileAt(310, 90, 562));
    chest.Word[30] = 7;
    const auto noPic = (Draw(), Region(310, 90));
    chest.Word[30] = 9;
    Draw();
    EXPECT_EQ(Region(310, 90), noPic);
    ChestEditorPage = 1;
    chest.Word[11] = 7994;
    Draw();
    EXPECT_TRUE(Drawn("Items inside chest:", 50, 135, kSmallBlue));
    EXPECT_TRUE(Drawn("7999", 165, 165 + 22 * 5));
    // Beside a row the item's name alone, whatever its power and charges.
    const std::pair<int16_t, int16_t> rows[] = {{-10, 0}, {0, 5000}, {3, 2}};
    for (size_t i = 0; i < std::size(rows); ++i) {
        chest.Word[12 + i] = 200;
        chest.Word[18 + i] = rows[i].first;
        chest.Word[24 + i] = rows[i].second;
    }
    Draw();
    for (size_t i = 0; i < std::size(rows); ++i)
        EXPECT_TRUE(Drawn("Long Sword", 440, int(165 + 22 * i), kSmallBlue)) << i;
    ChestEditorPage = 0;

    // Facing right shows the picture three further on, beside both monster numbers.
    EventRecord& monster = Make(kMonster);
    MonsterTable[4].MonsterPicture = 10;
    monster.Word[4] = 4;
    monster.Word[14] = 4;
    for (int16_t facing : {0, 1}) {
        monster.Word[9] = facing;
        Draw();
        const auto& picture = MonsterPictures[size_t(10 + 3 * facing)];
        EXPECT_TRUE(Shows(BackSurface, 370, 150, picture)) << facing;
        EXPECT_TRUE(Shows(BackSurface, 340, 315, picture)) << facing;
    }
    monster.Word[14] = 0;
    monster.Word[4] = 300;  // from a file: no such monster
    Draw();
    EXPECT_FALSE(AnythingDrawnAt(280, 135));

    EventRecord& shop = Make(kShop);
    shop.Word[5] = 200;
    shop.Word[13] = 3;
    shop.Word[21] = 5;
    shop.Word[6] = 200;
    Draw();
    EXPECT_TRUE(Drawn("Long Sword  +3 (5)", 360, 215, kSmallBlue));
    EXPECT_TRUE(Drawn("Long Sword ", 360, 237, kSmallBlue));
    EXPECT_FALSE(AnythingDrawnAt(360, 259));

    EventRecord& train = Make(kTrain);
    train.Word[6] = 5;
    Draw();
    EXPECT_TRUE(Drawn("All skills can be trained here!", 50, 260, kSmallGreen));
}

TEST_F(DialogShowsTest, SwitchesTrapsAndFlagRanges) {
    EventRecord& sw = Make(kSwitch);
    sw.Word[1] = 3;
    sw.Word[2] = 0;
    Draw();
    EXPECT_TRUE(Drawn("Red", 160, 196));
    EXPECT_TRUE(TileAt(360, 170, 717));
    sw.Word[1] = 8;
    Draw();
    EXPECT_FALSE(AnythingDrawnAt(150, 195));
    EXPECT_FALSE(AnythingDrawnAt(160, 196));
    EXPECT_FALSE(TileAt(360, 170, 717));
    sw.Word[1] = 0;
    Draw();
    EXPECT_TRUE(Drawn("When pulled (Lever right)", 150, 195, kSmallBlue));

    EventRecord& useItem = Make(kUseItem);
    useItem.Word[6] = 7996;
    Draw();
    EXPECT_TRUE(Drawn("- 7999", 230, 315));
    EventRecord& boat = Make(kBoat);
    boat.Word[5] = 7997;
    Draw();
    EXPECT_TRUE(Drawn("7999", 220, 155, kSmallRed));
    EventRecord& cache = Make(kCache);
    cache.Word[4] = 7994;
    Draw();
    EXPECT_TRUE(Drawn("7999", 135, 165 + 22 * 5));

    EventRecord& ifGot = Make(kIfGot);
    ifGot.Word[9] = -1;
    Draw();
    auto joinShown = [&] {
        for (const auto& t : host.texts)
            if (t.y > 210 && t.y < 225 && t.x < 135 && (t.text == "AND" || t.text == "OR")) return t.text;
        return std::string();
    };
    EXPECT_EQ(joinShown(), "AND");
    ifGot.Word[9] = 1;
    Draw();
    EXPECT_EQ(joinShown(), "OR");
}

TEST_F(DialogShowsTest, TravelPictures) {
    EventRecord& wild = Make(kWild);
    wild.Word[5] = 0;
    wild.Word[6] = -4;
    wild.Word[7] = 30;
    Draw();
    EXPECT_TRUE(Shows(BackSurface, 140, 350, WallTiles[1652]));
    EXPECT_TRUE(Shows(BackSurface, 330, 350, WallTiles[1652]));
    EXPECT_TRUE(Shows(BackSurface, 380, 350, WallTiles[30]));

    EventRecord& portal = Make(kWildPortal);
    portal.Word[4] = 0;
    portal.Word[16] = 0;
    Draw();
    EXPECT_TRUE(TileAt(390, 120, 0));
    const auto withoutElse = Region(510, 330);
    portal.Word[16] = 12;
    Draw();
    EXPECT_TRUE(TileAt(510, 330, 12));
    EXPECT_NE(Region(510, 330), withoutElse);

    // An elevator tile outside the sheet draws nothing and breaks nothing.
    EventRecord& elevator = Make(kElevator);
    for (int16_t tile : {-1, 3000}) {
        elevator.Word[21] = tile;
        Draw();
    }
    EXPECT_TRUE(Drawn("Lvl 5", 30, 275, kSmallBlue));
}

TEST_F(DialogShowsTest, PicturesByValue) {
    struct Case {
        int16_t type;
        int word;
        int16_t value;
        int x, y;
        int16_t tile;  // -1: nothing there
    } cases[] = {
        {kForge, 1, 3, 350, 90, 1683},  {kForge, 1, 4, 350, 90, 0},    {kSpawn, 4, 0, 310, 120, 728},
        {kSpawn, 4, 4, 310, 120, -1},   {kSplat, 1, 12, 310, 90, 2181}, {kSplat, 1, 13, 310, 90, -1},
        {kSearch, 1, 15, 310, 120, 887}, {kAlt, 5, 2, 150, 180, 1297},  {kAlt, 7, 0, 150, 310, 1295},
        {kPuzzle, 9, 0, 140, 205, 1697}, {kPuzzle, 28, 4, 230, 325, 1696}, {kPuzzle, 28, 5, 230, 325, -1},
    };
    // Tile 0 is all key: paint it so that a forge of no known type visibly shows it.
    Surface& blank = *WallTiles[0];
    std::fill(blank.pixels.get(), blank.pixels.get() + blank.width * blank.height, uint16_t(blank.key ^ 0x1234));
    for (const Case& c : cases) {
        EventRecord& e = Make(c.type);
        if (c.type == kPuzzle) e.Word[2] = 2;
        e.Word[c.word] = -1;
        Draw();
        const auto empty = Region(c.x, c.y);
        e.Word[c.word] = c.value;
        Draw();
        if (c.tile < 0) EXPECT_EQ(Region(c.x, c.y), empty) << c.type << " " << c.value;
        else EXPECT_TRUE(TileAt(c.x, c.y, c.tile)) << c.type << " " << c.value;
    }

    EventRecord& floor = Make(kFloor);
    floor.Word[4] = 40;
    floor.Word[5] = 1;
    floor.Word[6] = 9;
    Draw();
    EXPECT_TRUE(Shown(345, 115, RunePictures[39], Rect{0, 0, 30, 25}));  // the hieroglyph covers its foot
    EXPECT_TRUE(Shows(BackSurface, 345, 140, HieroglyphPictures[0]));
    EXPECT_TRUE(Shows(BackSurface, 215, 175, UiIcons[99]));
    floor.Word[6] = 0;
    const auto noGeo = (Draw(), Region(215, 175));
    floor.Word[6] = 10;  // from a file
    Draw();
    EXPECT_EQ(Region(215, 175), noGeo);

    EventRecord& riddle = Make(kRiddle);
    riddle.Word[1] = 1;
    riddle.Word[2] = 3;
    Draw();
    EXPECT_TRUE(Drawn("Heiro", 150, 141));
    EXPECT_TRUE(Shows(BackSurface, 330, 160, HieroglyphPictures[2]));
}

// Every text of the trap-like dialogs reads whole: no letter of one lands on a letter of another
// (blank runs that hold fields may).
TEST_F(DialogShowsTest, TrapDialogTextsKeepApart) {
    struct Case {
        int16_t type;
        std::vector<std::pair<int, int16_t>> set;
    };
    const Case cases[] = {
        {kTrap, {{5, 0}}}, {kTrap, {{5, 6}}},  {kTrap, {{5, 7}}},  {kPit, {{14, 0}}},
        {kPit, {{14, 1}}}, {kTrigger, {}},     {kPad, {}},         {kChest, {{32, 1}, {5, 0}}},
        {kPrise, {}},      {kPrise, {{1, 6}}},
    };
    auto inked = [](const host::TextRecord& t, int32_t x) {
        const int32_t cell = (x - t.x) / kSmallAdvance;
        return x >= t.x && size_t(cell) < t.text.size() && t.text[size_t(cell)] != ' ';
    };
    for (const Case& c : cases) {
        EventRecord& e = Make(c.type);
        for (const auto& [word, value] : c.set) e.Word[word] = value;
        Draw();
        std::vector<host::TextRecord> texts;
        for (const auto& t : host.texts)
            if (t.y > 60) texts.push_back(t);  // the title is in the big font, alone on its line
        for (size_t i = 0; i < texts.size(); ++i)
            for (size_t j = i + 1; j < texts.size(); ++j) {
                const host::TextRecord &a = texts[i], &b = texts[j];
                if (std::abs(a.y - b.y) >= 10) continue;
                bool clash = false;
                for (int32_t x = a.x; x < a.x + kSmallAdvance * int32_t(a.text.size()); ++x)
                    clash = clash || (inked(a, x) && inked(b, x));
                EXPECT_FALSE(clash) << c.type << ": \"" << a.text << "\" and \"" << b.text << "\"";
            }
    }
}

TEST_F(DialogShowsTest, RewardsAndTexts) {
    EventRecord& stat = Make(kStatPlus);
    for (int16_t type : {0, 17, 24}) {
        stat.Word[5] = type;
        Draw();
        EXPECT_EQ(Drawn("Amount: ", 80, 225), type == 17) << type;
        EXPECT_EQ(Drawn("Duration: ", 80, 245), type == 24) << type;
    }

    std::array<char, kItemNameSize> name{};
    ItemDisplayName(200, 2, 0, 0, name);
    EventRecord& swap = Make(kSwap);
    swap.Word[1] = 130;
    swap.Word[5] = 200;
    swap.Word[6] = 2;
    Draw();
    EXPECT_TRUE(Drawn("Brass Key", 230, 195, kSmallBlue));
    EXPECT_TRUE(Drawn(name.data(), 260, 275, kSmallBlue));

    EventRecord& colour = Make(kColour);
    colour.Word[2] = 130;
    SetFieldText(colour.Text[0][1], "Hi");
    Draw();
    EXPECT_TRUE(Drawn("Brass Key", 280, 200, kSmallBlue));
    EXPECT_FALSE(AnythingDrawnAt(280, 100));
    EXPECT_TRUE(Drawn("Hi", 355, 231));

    Make(kRetrieve);
    Draw();
    EXPECT_TRUE(Drawn("code, can be recovered from here.", 50, 117, kSmallBlue));
}

}  // namespace
