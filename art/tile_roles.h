// What every wall tile number is: its role (how it is drawn and the access that painting it
// gives a square) and its style family (the wall tile picker's category). One table, built at
// compile time, serves both the art generator and the game's automatic access.
#pragma once

#include <array>
#include <cstddef>
#include <cstdint>

constexpr int kTileCount = 2395;

enum TileRole : uint8_t {
    kRoleEmpty,       // nothing at all (tile 0)
    kRoleFloor,       // opaque ground one walks on
    kRoleMark,        // keyed overlay or floor decal one walks over
    kRoleInterface,   // picture of the screens and editors
    kRoleOverhang,    // keyed, drawn again over the figures standing under it
    kRoleObject,      // keyed thing that blocks the way but not the sight
    kRoleRough,       // opaque ground that blocks the way but not the sight (cliffs, lava, peaks)
    kRoleWall,        // opaque, blocks the way and the sight
    kRoleWater,       // opaque water
    kRoleWaterPiece,  // keyed part of a boat standing on the water around it
};

// The picker categories in their order, then the tiles of no category.
enum TileFamily : uint8_t {
    kFamilyGround, kFamilyWallX, kFamilyWallY, kFamilyWater, kFamilyPath, kFamilyForest, kFamilyCave,
    kFamilyMarsh, kFamilyIce, kFamilyBits1, kFamilyBits2, kFamilyBits3, kFamilyLife, kFamilyBodies,
    kFamilyStatues, kFamilyRunic, kFamilySea, kFamilyDark, kFamilyEnda, kFamilyKintara, kFamilyAraboria,
    kFamilyOsirian, kFamilyAlien, kFamilyVx3, kFamilyWild1, kFamilyWild2, kFamilyCustom, kFamilyNone,
};
constexpr int kFamilyCount = 28;

struct TileClass {
    TileRole role;
    TileFamily family;
};

// The access value (access tile - 1292) that painting a tile of this role gives its square.
constexpr int16_t AccessValueOfRole(TileRole role) {
    switch (role) {
        case kRoleOverhang: return 4;
        case kRoleObject:
        case kRoleRough: return 5;
        case kRoleWall: return 6;
        case kRoleWater:
        case kRoleWaterPiece: return 7;
        default: return 3;
    }
}

constexpr bool IsOpaqueRole(TileRole role) {
    return role == kRoleFloor || role == kRoleRough || role == kRoleWall || role == kRoleWater;
}

namespace tile_roles_detail {

struct Rule {
    int16_t first, last;
    TileFamily family;
    TileRole role;
};

constexpr TileRole E = kRoleEmpty, F = kRoleFloor, M = kRoleMark, I = kRoleInterface, O = kRoleOverhang,
                   B = kRoleObject, R = kRoleRough, W = kRoleWall, A = kRoleWater, P = kRoleWaterPiece;

// Runs of the 20-wide tile sheet, row by row; a later rule overrides an earlier one.
constexpr Rule kRules[] = {
    // row 0..3: floors, the first objects, remains
    {0, 0, kFamilyNone, E},          {1, 17, kFamilyGround, F},       {18, 18, kFamilyBits2, B},
    {19, 19, kFamilyBits2, M},       {20, 23, kFamilyGround, F},      {24, 27, kFamilyGround, B},      {28, 28, kFamilyWallY, W},
    {29, 29, kFamilyWallY, O},       {30, 32, kFamilyBits2, B},       {33, 33, kFamilyBits3, M},
    {34, 35, kFamilyBits2, B},       {36, 37, kFamilyKintara, F},     {38, 38, kFamilyKintara, B},
    {39, 39, kFamilyBits2, B},       {40, 44, kFamilyBodies, M},      {45, 48, kFamilyBodies, B},      {44, 44, kFamilyGround, M},
    {49, 55, kFamilyBodies, B},      {50, 50, kFamilyBodies, M},      {56, 56, kFamilyGround, M},
    {57, 59, kFamilyBodies, B},      {60, 64, kFamilyDark, F},        {65, 67, kFamilyWater, F},       {68, 69, kFamilyWater, B},
    {70, 73, kFamilyGround, F},      {74, 76, kFamilyBodies, B},      {77, 79, kFamilyAraboria, F},
    // rows 4..9: masonry
    {80, 87, kFamilyWallX, W},       {88, 89, kFamilyWallX, O},       {90, 93, kFamilyWallX, F},
    {94, 95, kFamilyWallX, O},
    {96, 99, kFamilyWallX, B},       {100, 107, kFamilyWallX, W},     {108, 108, kFamilyBits3, M},
    {109, 111, kFamilyWallX, F},     {112, 116, kFamilyWallX, B},     {117, 124, kFamilyWallY, W},
    {125, 126, kFamilyWallY, O},     {127, 129, kFamilyWallY, F},     {130, 131, kFamilyWallY, B},
    {132, 139, kFamilyAraboria, W},  {140, 143, kFamilyAraboria, F},  {144, 145, kFamilyAraboria, O},
    {146, 151, kFamilyAraboria, B},  {152, 155, kFamilyAraboria, B},  {156, 159, kFamilyAraboria, B},
    {160, 165, kFamilyKintara, W},   {166, 167, kFamilyKintara, R},   {168, 171, kFamilyKintara, F},   {172, 173, kFamilyKintara, O},
    {174, 179, kFamilyKintara, B},   {180, 183, kFamilyKintara, B},   {184, 185, kFamilyKintara, B},
    {186, 189, kFamilyBodies, B},    {190, 195, kFamilyWallY, W},     {196, 198, kFamilyWallY, F},
    {199, 199, kFamilyWallY, O},
    // rows 10..11: lake water and shores
    {200, 239, kFamilyWater, F},     {200, 200, kFamilyWater, A},     {202, 203, kFamilyWater, A},
    {205, 206, kFamilyWater, A},     {209, 212, kFamilyWater, A},     {213, 213, kFamilyWater, R},
    {214, 215, kFamilyWater, A},     {218, 219, kFamilyWater, B},     {222, 223, kFamilyWater, A},
    {225, 228, kFamilyWater, A},     {229, 230, kFamilyWater, B},     {231, 232, kFamilyWater, A},
    {233, 233, kFamilyWater, B},     {234, 235, kFamilyIce, A},       {238, 239, kFamilyWater, B},
    // rows 12..13: caves
    {240, 244, kFamilyCave, W},      {245, 247, kFamilyCave, R},      {248, 251, kFamilyCave, F},      {252, 253, kFamilyCave, R},
    {254, 254, kFamilyCave, B},      {255, 255, kFamilyCave, O},      {256, 256, kFamilyNone, I},
    {257, 258, kFamilyLife, B},      {259, 259, kFamilyCave, F},      {260, 264, kFamilyCave, W},      {265, 267, kFamilyCave, R},
    {268, 269, kFamilyCave, F},      {270, 271, kFamilyCave, O},      {272, 275, kFamilyCave, B},      {276, 278, kFamilyCave, R},
    {279, 279, kFamilyCave, F},
    // rows 14..15
    {280, 282, kFamilyDark, M},      {283, 283, kFamilyDark, B},      {284, 284, kFamilyNone, M},      {285, 287, kFamilyBits2, B},
    {288, 289, kFamilyNone, I},      {290, 290, kFamilyMarsh, F},     {291, 296, kFamilyBits3, B},
    {297, 298, kFamilyMarsh, O},     {299, 304, kFamilyBits3, B},     {305, 306, kFamilyBits2, M},
    {307, 314, kFamilyBits3, B},     {315, 316, kFamilySea, F},       {317, 318, kFamilyMarsh, B},
    {319, 319, kFamilyBits3, B},
    // rows 16..17: the dark
    {320, 320, kFamilyDark, R},      {321, 325, kFamilyDark, W},      {326, 328, kFamilyDark, R},
    {329, 332, kFamilyDark, F},      {333, 334, kFamilyDark, O},
    {335, 336, kFamilyDark, O},      {337, 339, kFamilyDark, R},      {340, 347, kFamilyDark, B},
    {348, 351, kFamilyDark, M},      {352, 354, kFamilyDark, F},      {355, 359, kFamilyAlien, B},
    // rows 18..19: marsh
    {360, 363, kFamilyMarsh, F},     {364, 366, kFamilyMarsh, R},     {367, 367, kFamilyBits1, B},
    {368, 371, kFamilyMarsh, B},     {372, 373, kFamilyMarsh, F},     {374, 375, kFamilyMarsh, O},     {376, 377, kFamilyMarsh, M},
    {378, 378, kFamilyMarsh, O},     {379, 379, kFamilyMarsh, B},     {380, 383, kFamilyMarsh, F},
    {384, 384, kFamilyOsirian, F},   {385, 386, kFamilyMarsh, B},     {387, 387, kFamilyForest, B},
    {388, 389, kFamilyMarsh, B},     {390, 390, kFamilyMarsh, M},     {391, 394, kFamilyMarsh, B},
    {395, 398, kFamilyMarsh, B},     {399, 399, kFamilyMarsh, F},
    // rows 20..22: ice
    {400, 400, kFamilyIce, F},       {401, 402, kFamilySea, B},       {403, 406, kFamilyIce, F},
    {407, 409, kFamilyNone, I},      {410, 410, kFamilyStatues, B},   {411, 416, kFamilyIce, W},       {417, 419, kFamilyIce, R},
    {420, 420, kFamilyIce, B},       {421, 424, kFamilyIce, F},       {425, 427, kFamilyIce, B},
    {428, 429, kFamilyIce, O},       {430, 435, kFamilyIce, W},       {436, 439, kFamilyIce, R},
    {440, 443, kFamilyIce, F},       {444, 447, kFamilyIce, B},       {448, 449, kFamilyIce, M},
    // rows 22..25: alien
    {450, 454, kFamilyAlien, W},     {455, 457, kFamilyAlien, R},
    {458, 461, kFamilyAlien, F},     {462, 463, kFamilyAlien, O},     {464, 467, kFamilyAlien, B},
    {468, 469, kFamilyAlien, O},     {470, 479, kFamilyAlien, B},     {480, 483, kFamilyAlien, W},
    {484, 487, kFamilyAlien, F},     {488, 495, kFamilyAlien, B},     {496, 499, kFamilyBits2, B},
    {500, 501, kFamilyAlien, W},     {502, 503, kFamilyAlien, R},     {504, 507, kFamilyAlien, F},     {508, 515, kFamilyAlien, B},
    {516, 516, kFamilyBits2, B},     {517, 519, kFamilyBits3, B},
    // rows 26..27: sandstone and marble
    {520, 527, kFamilyOsirian, W},   {528, 531, kFamilyOsirian, F},   {532, 533, kFamilyOsirian, O},
    {534, 535, kFamilyOsirian, B},   {536, 541, kFamilyAraboria, W},  {542, 547, kFamilyAraboria, F},
    {548, 549, kFamilyAraboria, O},  {550, 557, kFamilyAraboria, B},  {558, 559, kFamilyBits3, B},
    // rows 28..35: objects
    {560, 579, kFamilyBits3, B},     {574, 574, kFamilyBits3, M},     {580, 639, kFamilyBits1, B},
    {640, 699, kFamilyBits2, B},     {644, 644, kFamilyBits2, M},     {674, 674, kFamilyBits2, M},
    {678, 678, kFamilyBits2, M},     {700, 717, kFamilyBits2, B},     {718, 719, kFamilyBits2, M},
    {720, 727, kFamilyBits3, B},     {728, 731, kFamilyBits3, M},     {732, 733, kFamilyBits3, B},
    // rows 36..38: trees and the forest
    {734, 735, kFamilyForest, O},    {736, 739, kFamilyForest, B},    {740, 753, kFamilyForest, O},
    {754, 754, kFamilyRunic, M},     {755, 759, kFamilyForest, O},    {760, 773, kFamilyForest, B},
    {774, 777, kFamilyAraboria, F},  {778, 779, kFamilyForest, B},
    // rows 39..41: Enda and the coast
    {780, 787, kFamilyBits2, B},     {788, 793, kFamilyEnda, W},      {794, 799, kFamilySea, R},
    {800, 811, kFamilyBits3, B},     {812, 813, kFamilyEnda, F},      {814, 815, kFamilyEnda, B},      {816, 819, kFamilyEnda, B},
    {820, 838, kFamilySea, R},       {839, 839, kFamilySea, F},
    // rows 42..43: statues
    {840, 844, kFamilyStatues, B},   {845, 854, kFamilyStatues, O},   {855, 859, kFamilyStatues, O},   {860, 879, kFamilyStatues, B},
    // rows 44..45: Kintara and Osirian
    {880, 883, kFamilyKintara, F},   {884, 888, kFamilyKintara, B},   {889, 894, kFamilyKintara, W},
    {895, 896, kFamilyKintara, F},   {897, 898, kFamilyKintara, O},   {899, 901, kFamilyKintara, O},   {902, 906, kFamilyKintara, B},
    {907, 910, kFamilyOsirian, F},   {911, 919, kFamilyOsirian, B},
    // rows 46..50: paths, coast, Enda, the arena frame, runic stones
    {920, 932, kFamilyPath, F},      {933, 934, kFamilySea, R},       {935, 936, kFamilyEnda, W},
    {937, 939, kFamilyEnda, F},      {940, 952, kFamilyPath, F},      {953, 955, kFamilyEnda, B},
    {956, 959, kFamilyEnda, B},      {960, 962, kFamilyBits1, B},     {963, 969, kFamilyRunic, B},
    {970, 970, kFamilyNone, I},      {971, 971, kFamilyRunic, O},     {972, 979, kFamilySea, R},
    {980, 980, kFamilyBits1, B},     {981, 981, kFamilyGround, F},    {982, 982, kFamilyBits1, B},
    {983, 987, kFamilySea, R},       {988, 991, kFamilyRunic, B},     {992, 995, kFamilyGround, F},    {996, 999, kFamilyGround, B},
    {1000, 1002, kFamilyBits1, B},   {1003, 1009, kFamilyPath, F},    {1010, 1010, kFamilyNone, M},
    {1011, 1011, kFamilyRunic, B},   {1012, 1019, kFamilyPath, F},
    // rows 51..52
    {1020, 1022, kFamilyWallY, W},   {1023, 1023, kFamilyKintara, B}, {1024, 1029, kFamilyPath, F},
    {1030, 1035, kFamilyWallY, R},   {1036, 1036, kFamilyBits3, B},   {1037, 1039, kFamilyGround, F},
    {1040, 1043, kFamilyWallY, F},   {1044, 1045, kFamilyWallY, O},   {1046, 1049, kFamilyPath, F},    {1050, 1055, kFamilyPath, B},
    {1056, 1059, kFamilyBits1, B},
    // rows 53..54: the sea
    {1060, 1062, kFamilySea, F},     {1063, 1064, kFamilySea, B},     {1065, 1070, kFamilySea, A},     {1071, 1072, kFamilySea, R},
    {1073, 1073, kFamilySea, A},     {1074, 1076, kFamilySea, F},     {1077, 1079, kFamilySea, R},     {1080, 1085, kFamilySea, R},
    {1086, 1087, kFamilySea, A},     {1088, 1089, kFamilySea, B},     {1090, 1090, kFamilySea, A},
    {1091, 1092, kFamilySea, B},     {1093, 1093, kFamilySea, A},     {1094, 1095, kFamilySea, F},     {1096, 1097, kFamilySea, R},
    {1098, 1099, kFamilySea, B},
    // rows 55..59: alien, Kintara, mushrooms, splashes, boats
    {1100, 1103, kFamilyAlien, W},   {1104, 1104, kFamilyBits3, B},   {1105, 1106, kFamilyAlien, F},   {1107, 1107, kFamilyAlien, B},
    {1108, 1111, kFamilyAlien, B},   {1112, 1114, kFamilyBits3, B},   {1115, 1118, kFamilyAlien, B},
    {1119, 1119, kFamilyBits2, M},   {1120, 1123, kFamilyAlien, O},   {1124, 1129, kFamilyBits1, B},
    {1130, 1135, kFamilyKintara, W}, {1136, 1136, kFamilyBits3, B},   {1137, 1137, kFamilyKintara, F}, {1138, 1138, kFamilyKintara, B},
    {1139, 1139, kFamilyBits2, B},   {1140, 1148, kFamilyLife, B},    {1149, 1149, kFamilyBits3, B},
    {1150, 1152, kFamilyKintara, F}, {1153, 1156, kFamilyKintara, B}, {1157, 1159, kFamilyDark, W},
    {1160, 1164, kFamilyBodies, M},  {1165, 1176, kFamilyDark, M},    {1177, 1179, kFamilyDark, F},
    {1180, 1199, kFamilySea, B},     {1180, 1180, kFamilySea, P},     {1182, 1184, kFamilySea, P},
    {1187, 1187, kFamilyNone, M},    {1194, 1194, kFamilySea, P},     {1196, 1198, kFamilySea, P},
    {1199, 1199, kFamilySea, F},
    // row 60: light beams
    {1200, 1211, kFamilyNone, M},    {1212, 1215, kFamilyDark, W},    {1216, 1217, kFamilyNone, M},
    {1218, 1218, kFamilyBits3, B},   {1219, 1219, kFamilyDark, F},
    // rows 61..69: zones, events, access kinds, marks, missiles and the screens' pictures
    {1220, 1399, kFamilyNone, I},    {1220, 1225, kFamilyNone, M},    {1302, 1306, kFamilyNone, M},
    {1313, 1326, kFamilyNone, M},    {1327, 1327, kFamilyNone, F},    {1340, 1379, kFamilyNone, M},
    {1395, 1398, kFamilyNone, M},
    // rows 70..71: trees, canopies over trunks
    {1400, 1419, kFamilyForest, O},  {1420, 1436, kFamilyForest, B},  {1437, 1439, kFamilyForest, O},
    // rows 72..80
    {1440, 1443, kFamilyForest, B},  {1444, 1449, kFamilyLife, B},    {1450, 1451, kFamilyBits2, B},
    {1452, 1452, kFamilyLife, B},    {1453, 1454, kFamilyCave, W},    {1455, 1457, kFamilyRunic, O},
    {1458, 1459, kFamilyCave, W},    {1460, 1465, kFamilyWallX, W},   {1466, 1469, kFamilyWallX, R},   {1470, 1472, kFamilyBits3, B},
    {1473, 1474, kFamilyWallX, F},   {1475, 1477, kFamilyRunic, B},   {1478, 1481, kFamilyWallX, F},   {1482, 1483, kFamilyWallX, O},
    {1484, 1486, kFamilyWallX, O},   {1487, 1487, kFamilyLife, B},    {1488, 1494, kFamilyWallX, B},
    {1495, 1497, kFamilyRunic, B},   {1498, 1501, kFamilyWallX, W},   {1502, 1505, kFamilyWallX, R},
    {1506, 1509, kFamilyWallX, B},
    {1510, 1514, kFamilyWallX, B},   {1515, 1516, kFamilyAlien, W},   {1517, 1517, kFamilyBits3, B},
    {1518, 1519, kFamilyAlien, F},   {1520, 1522, kFamilyAlien, B},   {1523, 1525, kFamilyAlien, F},
    {1526, 1526, kFamilyBits1, B},   {1527, 1527, kFamilyLife, B},    {1528, 1528, kFamilyAlien, B},
    {1529, 1529, kFamilyNone, M},    {1530, 1530, kFamilyIce, B},     {1531, 1534, kFamilyBits3, B},
    {1535, 1536, kFamilyWallX, W},   {1537, 1537, kFamilyBits3, B},   {1538, 1539, kFamilyWallX, W},
    {1540, 1541, kFamilyAlien, F},   {1542, 1544, kFamilyMarsh, F},   {1545, 1546, kFamilyWater, F},
    {1547, 1548, kFamilyMarsh, B},   {1549, 1549, kFamilyMarsh, A},   {1550, 1550, kFamilyMarsh, B},
    {1551, 1554, kFamilyNone, I},    {1555, 1555, kFamilyAlien, B},   {1556, 1556, kFamilyGround, F},
    {1557, 1559, kFamilyAlien, B},   {1560, 1561, kFamilyWallX, W},
    {1562, 1564, kFamilyWallX, R},   {1565, 1565, kFamilyWater, A},
    {1566, 1566, kFamilyWater, F},   {1567, 1567, kFamilyMarsh, B},   {1568, 1568, kFamilyMarsh, A},
    {1569, 1570, kFamilyMarsh, F},   {1571, 1572, kFamilyRunic, B},   {1573, 1576, kFamilyCave, W},
    {1577, 1579, kFamilyIce, F},     {1580, 1583, kFamilyIce, W},     {1584, 1585, kFamilyIce, B},
    {1586, 1586, kFamilyIce, A},     {1587, 1589, kFamilyCave, B},    {1590, 1594, kFamilyCave, W},
    {1595, 1596, kFamilyNone, I},    {1597, 1599, kFamilyMarsh, R},   {1600, 1603, kFamilyMarsh, B},
    {1604, 1604, kFamilyNone, I},    {1605, 1606, kFamilyCave, B},    {1607, 1608, kFamilyNone, M},
    {1609, 1610, kFamilyBits1, B},   {1611, 1614, kFamilyCave, W},    {1615, 1619, kFamilyIce, F},
    {1620, 1623, kFamilyIce, W},     {1624, 1627, kFamilyIce, B},     {1628, 1634, kFamilyNone, I},
    {1635, 1639, kFamilyIce, B},
    // rows 82..84: the screens' pictures, forges, devices
    {1640, 1699, kFamilyNone, I},    {1653, 1655, kFamilyNone, M},    {1672, 1672, kFamilyNone, M},
    {1680, 1683, kFamilyBits1, B},   {1698, 1698, kFamilyNone, F},
    // rows 85..93
    {1700, 1703, kFamilyLife, B},    {1704, 1713, kFamilyNone, M},    {1714, 1719, kFamilyRunic, B},
    {1720, 1723, kFamilyWallX, F},   {1724, 1725, kFamilyWallX, O},   {1726, 1729, kFamilyBits1, B},   {1730, 1730, kFamilyAlien, B},
    {1731, 1731, kFamilyAlien, M},   {1732, 1737, kFamilyNone, M},    {1738, 1739, kFamilySea, B},
    {1740, 1741, kFamilyWallX, W},   {1742, 1745, kFamilyLife, B},    {1746, 1749, kFamilyForest, O},
    {1750, 1750, kFamilyForest, O},  {1751, 1758, kFamilyBits1, B},   {1759, 1759, kFamilySea, B},
    {1760, 1763, kFamilyWater, F},   {1764, 1769, kFamilyLife, B},   {1770, 1770, kFamilyForest, B},
    {1771, 1771, kFamilySea, B},     {1772, 1778, kFamilyGround, B},  {1779, 1779, kFamilySea, B},
    {1780, 1783, kFamilyLife, B},    {1784, 1786, kFamilyLife, M},    {1787, 1787, kFamilyLife, B},
    {1788, 1788, kFamilyLife, M},    {1789, 1790, kFamilyLife, B},    {1791, 1791, kFamilySea, B},
    {1792, 1795, kFamilyNone, M},    {1796, 1798, kFamilyMarsh, B},   {1799, 1799, kFamilySea, B},
    {1800, 1803, kFamilyWallY, W},   {1804, 1807, kFamilyWallY, B},   {1808, 1810, kFamilyWallY, B},
    {1811, 1811, kFamilySea, B},     {1812, 1816, kFamilyNone, M},    {1817, 1818, kFamilyBits1, B},
    {1819, 1819, kFamilySea, B},     {1820, 1820, kFamilyWallY, W},   {1821, 1821, kFamilyIce, M},
    {1822, 1825, kFamilyWallY, W},   {1826, 1829, kFamilyBits3, B},   {1830, 1830, kFamilyNone, B},
    {1831, 1831, kFamilySea, B},     {1832, 1836, kFamilyNone, M},    {1837, 1840, kFamilyWallY, W},   {1841, 1843, kFamilyWallY, R},
    {1844, 1845, kFamilyWallY, F},   {1846, 1849, kFamilyBits3, B},   {1850, 1850, kFamilyNone, B},
    {1851, 1851, kFamilySea, B},     {1852, 1858, kFamilyLife, B},    {1859, 1865, kFamilyBits1, B},   {1866, 1869, kFamilyBits3, B},
    {1870, 1870, kFamilyNone, B},    {1871, 1871, kFamilyBits2, M},   {1872, 1875, kFamilyGround, F},  {1876, 1879, kFamilyGround, B},
    // rows 94..97: Enda, the wide road, Araboria, Osirian
    {1880, 1881, kFamilyEnda, W},    {1882, 1884, kFamilyEnda, F},    {1885, 1889, kFamilyEnda, B},
    {1890, 1894, kFamilyPath, B},   {1895, 1899, kFamilyPath, F},    {1900, 1901, kFamilyEnda, W},    {1902, 1904, kFamilyEnda, B},
    {1905, 1908, kFamilyAraboria, W}, {1909, 1912, kFamilyAraboria, F}, {1913, 1915, kFamilyBits1, B},
    {1916, 1921, kFamilyOsirian, W}, {1922, 1923, kFamilyNone, I},    {1924, 1927, kFamilyOsirian, F},
    {1928, 1928, kFamilyGround, F},  {1929, 1932, kFamilyOsirian, B}, {1933, 1934, kFamilyOsirian, O},
    {1935, 1937, kFamilyOsirian, F}, {1938, 1939, kFamilyOsirian, O}, {1940, 1940, kFamilyNone, M},    {1941, 1945, kFamilyOsirian, B},
    {1946, 1950, kFamilyOsirian, B}, {1951, 1957, kFamilyOsirian, B}, {1958, 1958, kFamilyBits1, B},
    {1959, 1959, kFamilyNone, I},
    // rows 98..108: the wilderness
    {1960, 1960, kFamilyGround, F},  {1961, 1964, kFamilyWild2, F},   {1965, 1971, kFamilyWild1, F},
    {1972, 1978, kFamilyWild2, F},   {1979, 1979, kFamilyNone, I},    {1980, 1999, kFamilyWild2, F},
    {1983, 1983, kFamilyBits3, B},   {2000, 2010, kFamilyWild1, F},   {2011, 2019, kFamilyWild2, F},
    {2020, 2030, kFamilyWild1, F},   {2031, 2039, kFamilyWild2, F},   {2037, 2037, kFamilyLife, B},
    {2040, 2050, kFamilyWild1, F},   {2051, 2059, kFamilyWild2, F},   {2060, 2070, kFamilyWild1, F},
    {2071, 2078, kFamilyWild2, F},   {2079, 2079, kFamilyBits1, B},   {2080, 2090, kFamilyWild1, F},
    {2091, 2094, kFamilyBits1, B},   {2095, 2095, kFamilyKintara, F}, {2096, 2098, kFamilyWild1, F},
    {2099, 2099, kFamilyBits1, B},   {2100, 2110, kFamilyWild1, F},   {2111, 2111, kFamilyIce, F},
    {2112, 2130, kFamilyWild1, F},   {2131, 2137, kFamilyWild2, F},   {2138, 2138, kFamilyNone, M},
    {2139, 2139, kFamilyNone, I},    {2140, 2150, kFamilyWild1, F},   {2151, 2152, kFamilyWild2, F},
    {2153, 2153, kFamilyNone, M},    {2154, 2154, kFamilyAlien, B},   {2155, 2156, kFamilyBits2, B},
    {2157, 2157, kFamilyBits3, M},   {2158, 2159, kFamilyBits2, B},   {2160, 2160, kFamilyNone, M},
    {2161, 2165, kFamilyStatues, B}, {2166, 2169, kFamilyDark, W},    {2170, 2173, kFamilyDark, B},
    {2174, 2176, kFamilyDark, B},    {2177, 2179, kFamilyWild2, F},
    // the wilderness's forests, peaks and lakes
    {2005, 2008, kFamilyWild1, O},   {2027, 2030, kFamilyWild1, O},   {2040, 2044, kFamilyWild1, R},
    {2045, 2047, kFamilyWild1, O},   {2060, 2067, kFamilyWild1, R},   {2080, 2084, kFamilyWild1, O},
    {2085, 2087, kFamilyWild1, R},   {2100, 2104, kFamilyWild1, R},   {2108, 2110, kFamilyWild1, O},
    {2112, 2115, kFamilyWild1, R},   {2116, 2119, kFamilyWild1, O},   {2125, 2127, kFamilyWild1, R},
    {2128, 2130, kFamilyWild1, O},   {2140, 2144, kFamilyWild1, R},   {2148, 2150, kFamilyWild1, O},
    {1980, 1982, kFamilyWild2, O},   {1984, 1987, kFamilyWild2, R},   {1997, 1999, kFamilyWild2, R},
    {2018, 2019, kFamilyWild2, O},   {2038, 2039, kFamilyWild2, O},   {2051, 2057, kFamilyWild2, R},
    {2058, 2059, kFamilyWild2, O},   {2071, 2073, kFamilyWild2, R},   {2074, 2076, kFamilyWild2, O},
    {2131, 2134, kFamilyWild2, R},   {2135, 2137, kFamilyWild2, O},   {2151, 2152, kFamilyWild2, R},
    // rows 109..111: runic columns, hero arrows, statues
    {2180, 2180, kFamilyDark, B},    {2181, 2182, kFamilyAlien, B},   {2183, 2185, kFamilyDark, W},
    {2186, 2188, kFamilyDark, R},    {2189, 2190, kFamilyEnda, B},    {2191, 2192, kFamilyOsirian, B},
    {2193, 2195, kFamilyRunic, O},   {2196, 2199, kFamilyNone, M},    {2200, 2205, kFamilyBodies, B},
    {2206, 2210, kFamilyBodies, M},  {2211, 2212, kFamilyBits2, B},   {2213, 2215, kFamilyRunic, B},
    {2216, 2219, kFamilyNone, M},    {2220, 2220, kFamilyCave, W},    {2221, 2228, kFamilyStatues, B},
    {2229, 2230, kFamilyStatues, O}, {2231, 2232, kFamilyStatues, B}, {2233, 2235, kFamilyRunic, B},
    {2236, 2237, kFamilyStatues, O}, {2238, 2239, kFamilyStatues, B},
    // the module's own tiles
    {2240, 2314, kFamilyCustom, B},
    // rows 112..115: VX3 and the last tiles
    {2315, 2320, kFamilyVx3, W},     {2321, 2327, kFamilyVx3, R},     {2328, 2329, kFamilyVx3, O},
    {2330, 2334, kFamilyForest, B},  {2335, 2340, kFamilyVx3, W},     {2341, 2347, kFamilyVx3, B},
    {2348, 2349, kFamilyVx3, O},     {2350, 2354, kFamilyForest, B},  {2355, 2360, kFamilyVx3, W},
    {2361, 2369, kFamilyVx3, B},     {2370, 2377, kFamilyDark, B},    {2378, 2385, kFamilyAlien, B},
    {2386, 2393, kFamilyOsirian, B},   {2394, 2394, kFamilyNone, O},
};

// Tiles that the wall tile picker shows under another tab than the rule of their run: the tab
// is the family, so that the tile is drawn in that tab's style. The roles stay as above.
struct FamilyRule {
    int16_t first, last;
    TileFamily family;
};
constexpr FamilyRule kPickerFamilies[] = {
    {60, 64, kFamilyGround}, {77, 79, kFamilyGround}, {90, 93, kFamilyGround}, {109, 111, kFamilyGround},
    {235, 235, kFamilyWater}, {280, 280, kFamilyGround}, {283, 283, kFamilyCave}, {287, 287, kFamilyCave},
    {297, 298, kFamilyCave}, {316, 318, kFamilyCave}, {356, 359, kFamilyBodies}, {361, 363, kFamilyGround},
    {368, 371, kFamilyBits1}, {376, 377, kFamilyBits1}, {381, 381, kFamilyGround}, {388, 397, kFamilyBits1},
    {399, 399, kFamilyGround}, {754, 754, kFamilyGround}, {778, 779, kFamilyBits1}, {780, 785, kFamilyBits3},
    {839, 839, kFamilyGround}, {963, 969, kFamilyBits1}, {1024, 1025, kFamilyWallY}, {1060, 1062, kFamilyWallY},
    {1063, 1064, kFamilyBits1}, {1098, 1099, kFamilyBits1}, {1107, 1107, kFamilyBits1}, {1109, 1109, kFamilyBits1},
    {1199, 1199, kFamilyWallY}, {1219, 1219, kFamilyWallY}, {1448, 1449, kFamilyBits1}, {1452, 1452, kFamilyCave},
    {1473, 1473, kFamilyCave}, {1700, 1700, kFamilyRunic}, {1701, 1703, kFamilyKintara}, {1720, 1725, kFamilyWallY},
    {1726, 1729, kFamilyWater}, {1738, 1738, kFamilyWater}, {1740, 1740, kFamilyWallY}, {1742, 1745, kFamilyWater},
    {1746, 1749, kFamilyWallY}, {1751, 1758, kFamilyWater}, {1764, 1764, kFamilyKintara}, {1797, 1798, kFamilyCave},
    {1817, 1819, kFamilyCave}, {1844, 1845, kFamilyGround}, {1860, 1865, kFamilyBits3}, {1871, 1871, kFamilyGround},
    {1891, 1894, kFamilyOsirian}, {1896, 1899, kFamilyGround}, {1909, 1911, kFamilyGround},
    {1913, 1915, kFamilyOsirian}, {1958, 1958, kFamilyOsirian}, {1960, 1960, kFamilyCave},
    {2091, 2094, kFamilyKintara}, {2189, 2189, kFamilyBodies},
};

}  // namespace tile_roles_detail

constexpr std::array<TileClass, kTileCount> MakeTileClasses() {
    std::array<TileClass, kTileCount> table{};
    for (auto& c : table) c = {kRoleEmpty, kFamilyNone};
    for (const auto& r : tile_roles_detail::kRules)
        for (int t = r.first; t <= r.last; ++t) table[std::size_t(t)] = {r.role, r.family};
    for (const auto& r : tile_roles_detail::kPickerFamilies)
        for (int t = r.first; t <= r.last; ++t) table[std::size_t(t)].family = r.family;
    return table;
}

inline constexpr std::array<TileClass, kTileCount> TileClasses = MakeTileClasses();

constexpr int CountTilesOfAccess(int16_t value) {
    int n = 0;
    for (const TileClass& c : TileClasses) n += AccessValueOfRole(c.role) == value;
    return n;
}
static_assert(CountTilesOfAccess(3) == 777 && CountTilesOfAccess(4) == 180 && CountTilesOfAccess(5) == 1165 &&
              CountTilesOfAccess(6) == 229 && CountTilesOfAccess(7) == 44);

// The lake pieces of the wilderness and the sides of each where a grassy shore meets the
// water, so that pieces laid edge to edge make open water inside and a shore only round it.
enum LakeSide : uint8_t { kShoreNorth = 1, kShoreEast = 2, kShoreSouth = 4, kShoreWest = 8 };
struct LakePiece {
    int16_t tile;
    uint8_t shore;  // LakeSide bits
};
inline constexpr LakePiece kLakePieces[] = {
    {2065, kShoreNorth | kShoreWest}, {2066, kShoreNorth},  {2067, kShoreNorth | kShoreEast},
    {2071, kShoreWest},               {2072, 0},            {2073, kShoreEast},
    {2085, kShoreSouth | kShoreWest}, {2086, kShoreSouth},  {2087, kShoreSouth | kShoreEast},
    {1997, kShoreNorth | kShoreEast | kShoreSouth | kShoreWest},  // a pond
    {1998, kShoreNorth | kShoreSouth},                           // a stretch of river
    {1999, kShoreEast | kShoreWest},
};

// The shore sides of a lake piece, or -1 for a tile that is none.
constexpr int LakeShore(int tile) {
    for (const LakePiece& p : kLakePieces)
        if (p.tile == tile) return p.shore;
    return -1;
}
// The lake piece with exactly these shore sides, or -1.
constexpr int16_t LakeTile(int shore) {
    for (const LakePiece& p : kLakePieces)
        if (p.shore == shore) return p.tile;
    return -1;
}
