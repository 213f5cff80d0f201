// The access tiles, the event types and the trap kinds that the game's rules name.
#pragma once

#include <cstdint>

// Access tiles: below kFirstBlockingAccess passable.
constexpr int16_t kGemloreAccess = 1291;
constexpr int16_t kChasmAccess = 1292;
constexpr int16_t kSafeRestAccess = 1293;
constexpr int16_t kBorderAccess = 1294;
constexpr int16_t kFreeAccess = 1295;
constexpr int16_t kWalkUnderAccess = 1296;
constexpr int16_t kFirstBlockingAccess = 1297;
constexpr int16_t kFalconAccess = 1297;  // solid for all but the Falcon
constexpr int16_t kSolidAccess = 1298;
constexpr int16_t kWaterAccess = 1299;
constexpr int16_t kShallowWaterAccess = 1300;
constexpr int16_t kNoMonsterAccess = 1312;
constexpr int16_t kMawAccess = 1959;

// Event types.
constexpr int16_t kWildernessCombatEvent = 256;
constexpr int16_t kStepTextEvent = 1227;
constexpr int16_t kUseItemFromBackpackEvent = 1228;
constexpr int16_t kAutoPilotEvent = 1229;
constexpr int16_t kSimpleDoorEvent = 1233;
constexpr int16_t kComplexDoorEvent = 1234;
constexpr int16_t kSecretDoorEvent = 1235;
constexpr int16_t kDigPortalEvent = 1237;
constexpr int16_t kScriptEvent = 1246;
constexpr int16_t kShopEvent = 1248;
constexpr int16_t kPressurePadEvent = 1259;
constexpr int16_t kToggleEvent = 1261;
constexpr int16_t kUseSpellEvent = 1262;
constexpr int16_t kUseItemEvent = 1263;
constexpr int16_t kIfAsleepEvent = 1265;
constexpr int16_t kCrackEvent = 1266;
constexpr int16_t kBuriedCacheEvent = 1282;
constexpr int16_t kSmokeSignalEvent = 1331;
constexpr int16_t kTrapEvent = 1256;
constexpr int16_t kPitEvent = 1257;
constexpr int16_t kTriggerEvent = 1258;
constexpr int16_t kMonsterEvent = 1247;
constexpr int16_t kHideEvent = 1268;
constexpr int16_t kBridgeEvent = 1270;
constexpr int16_t kMushroomEvent = 1271;
constexpr int16_t kBeamEvent = 1277;
constexpr int16_t kGhostTextEvent = 1279;
constexpr int16_t kAltTileEvent = 1281;
constexpr int16_t kFloorTextEvent = 1283;
constexpr int16_t kBoatEvent = 1274;
constexpr int16_t kPushEvent = 1275;
constexpr int16_t kDmf2Event = 1286;
constexpr int16_t kElementalDamageEvent = 1288;
constexpr int16_t kThinCrustEvent = 1289;
constexpr int16_t kActivateScriptEvent = 1330;
constexpr int16_t kSpawnEvent = 1333;
constexpr int16_t kDanceEvent = 1335;
constexpr int16_t kTimeLoopEvent = 1338;

// Trap kinds of chests, prised gems and floor traps (word 5 of a CHEST or TRAP EVENT, word 1 of
// a PRISE EVENT), numbered as the kit's "Trap Type:" lists write them.
enum TrapKind : int16_t {
    kBladeTrap,
    kSpearTrap,
    kAcidSprayTrap,
    kColdBlastTrap,
    kElectricalTrap,
    kFireBlastTrap,
    kPoisonDartTrap,
    kPoisonCloudTrap,  // chests and gems; on the floor this number is the teleport trap
};
constexpr int16_t kTeleportTrap = kPoisonCloudTrap;
// Any other number is no trap.
constexpr bool IsTrapKind(int16_t kind) { return kind >= kBladeTrap && kind <= kPoisonCloudTrap; }
