// The first nineteen dialogs field by field: a click on each field as the tables place it,
// what is typed or chosen, and the word it leaves; hidden fields dead, click widths at their
// edges; the names, numbers and pictures each dialog shows; and a level edited, saved and
// loaded again.
#include <optional>
#include <utility>
#include <vector>

#include "data/campaign_tables.h"
#include "data/item_records.h"
#include "data/monster_records.h"
#include "hero/item_types.h"
#include "kit/events/number_pickers.h"
#include "platform/fonts.h"
#include "platform/source_rects.h"
#include "tests/kit/event_editor_test.h"

namespace {

enum : int16_t {
    kPushText = 1226, kStepText = 1227, kUseItemFromBackpack = 1228, kAutoPilot = 1229, kRune = 1230,
    kHieroglyph = 1231, kHeraldry = 1232, kSimpleDoor = 1233, kComplexDoor = 1234, kSecretDoor = 1235,
    kPortal = 1236, kDigPortal = 1237, kModuleAccess = 1238, kPentaPortal = 1239, kOneItem = 1240,
    kItemsCache = 1241, kSearch = 1243, kPrise = 1245, kBuriedCache = 1282, kBed = 1285, kDmf2 = 1286, kLamp = 1287,
    kSmokeSignal = 1331,
};

// Expectations from the dialogs' tables: every bound at both ends, every kind.
const FieldCase kFieldCases[] = {
    // PUSH TEXT
    {kPushText, 1, 190, 75, "8000", -1, 7999},
    {kPushText, 1, 190, 75, "-5", -1, -1},
    {kPushText, 2, 253, 75, nullptr, -1, 4, {{2, 3}}},
    {kPushText, 3, 296, 75, "999", -1, 999},
    {kPushText, 3, 296, 75, "-9", -1, -1},
    {kPushText, 4, 110, 125, "7999", -1, 7999},
    {kPushText, 5, 175, 125, nullptr, -1, 1},
    {kPushText, 6, 220, 125, "-2", -1, -1},
    {kPushText, 7, 265, 150, "1748", -1, 1747},
    {kPushText, 8, 265, 175, "2284", -1, 2283},
    {kPushText, 10, 202, 225, "-1", -1, -1},
    {kPushText, 11, 265, 225, nullptr, -1, 2, {{11, 1}}},
    {kPushText, 12, 308, 225, "999", -1, 999},
    {kPushText, 19, 202, 245, "200", -1, 199},
    {kPushText, 20, 308, 245, "-3", -1, -1},
    {kPushText, 13, 265, 285, "1747", -1, 1747},
    {kPushText, 14, 265, 310, "-7", -1, -1},
    {kPushText, 16, 202, 360, "8000", -1, 7999},
    {kPushText, 17, 265, 360, nullptr, -1, 1},
    {kPushText, 18, 308, 360, "5", -1, 5},
    {kPushText, 4, 110, 125, "77", -1, 77, {}, std::pair{170, 140}},     // 60 px, both edges inclusive
    {kPushText, 4, 110, 125, nullptr, -1, 0, {}, std::pair{171, 130}, true},
    {kPushText, 7, 310, 150, nullptr, -1, -1, {}, std::nullopt, false, kLeave},  // Browse, left with Done
    // STEP TEXT
    {kStepText, 1, 190, 75, "7999", -1, 7999},
    {kStepText, 19, 450, 75, nullptr, 3, 3},
    {kStepText, 19, 450, 75, nullptr, 4, 4, {}, std::pair{570, 90}},
    {kStepText, 4, 110, 125, "-1", -1, -1},
    {kStepText, 5, 175, 125, nullptr, -1, 0, {{5, 5}}},
    {kStepText, 6, 220, 125, "999", -1, 999},
    {kStepText, 8, 265, 150, "2284", -1, 2283},
    {kStepText, 10, 202, 200, "7999", -1, 7999},
    {kStepText, 11, 265, 200, nullptr, -1, 1},
    {kStepText, 12, 308, 200, "-4", -1, -1},
    {kStepText, 20, 202, 225, "200", -1, 199},
    {kStepText, 20, 202, 225, "3", -1, 3, {}, std::pair{262, 225}},
    {kStepText, 21, 308, 225, nullptr, 2, 2},
    {kStepText, 22, 202, 250, "-1", -1, -1},
    {kStepText, 23, 308, 250, nullptr, 3, 3},
    {kStepText, 24, 202, 275, "5001", -1, 5000},
    {kStepText, 24, 202, 275, "", -1, 0},
    {kStepText, 14, 265, 310, "0", -1, 0},
    {kStepText, 16, 202, 360, "-1", -1, -1},
    {kStepText, 17, 265, 360, nullptr, -1, 0, {{17, 2}}},
    {kStepText, 18, 308, 360, "999", -1, 999},
    // SMOKE SIGNAL: six S/B buttons 45 px apart, 40 px wide.
    {kSmokeSignal, 3, 150, 200, nullptr, -1, -1},
    {kSmokeSignal, 3, 150, 200, nullptr, -1, 0, {{3, -1}}},
    {kSmokeSignal, 4, 195, 200, nullptr, -1, 0, {{4, -1}}, std::pair{195, 215}},
    {kSmokeSignal, 4, 195, 200, nullptr, -1, -1, {{4, 7}}},
    {kSmokeSignal, 8, 375, 200, nullptr, -1, -1, {}, std::pair{415, 205}},
    {kSmokeSignal, 3, 150, 200, nullptr, -1, 0, {}, std::pair{191, 205}, true},
    {kSmokeSignal, 1, 150, 150, "8000", -1, 7999},
    {kSmokeSignal, 1, 150, 150, "-3", -1, 3},
    {kSmokeSignal, 2, 192, 235, "-1", -1, -1},
    // RUNE and HIEROGLYPH: five symbol lists of 41 rows, 7 shown.
    {kRune, 1, 190, 75, "-1", -1, -1},
    {kRune, 10, 215, 140, "2284", -1, 2283},
    {kRune, 4, 120, 180, nullptr, 5, 5},
    {kRune, 8, 120, 280, nullptr, 6, 6},
    {kRune, 8, 120, 280, nullptr, 1, 1, {}, std::pair{280, 295}},
    {kRune, 8, 120, 280, nullptr, -1, 0, {}, std::pair{281, 285}, true},
    {kHieroglyph, 3, 296, 75, "999", -1, 999},
    {kHieroglyph, 10, 215, 140, "-1", -1, -1},
    {kHieroglyph, 5, 120, 205, nullptr, 0, 0, {{5, 9}}},
    {kHieroglyph, 7, 120, 255, nullptr, 4, 4},
    // HERALDRY SIGN
    {kHeraldry, 2, 253, 75, nullptr, -1, 1},
    {kHeraldry, 4, 215, 140, "2000", -1, 2000},
    {kHeraldry, 5, 150, 200, nullptr, 9, 9},
    // USE ITEM FROM BACKPACK: 714..999 are taken.
    {kUseItemFromBackpack, 8, 120, 140, "999", -1, 999},
    {kUseItemFromBackpack, 8, 120, 140, "-1", -1, -1},
    {kUseItemFromBackpack, 12, 350, 140, nullptr, -1, 1},
    {kUseItemFromBackpack, 12, 350, 140, nullptr, -1, 0, {{12, 1}}, std::pair{365, 155}},
    {kUseItemFromBackpack, 12, 350, 140, nullptr, -1, 1, {{12, 5}}},
    {kUseItemFromBackpack, 12, 350, 140, nullptr, -1, 0, {}, std::pair{366, 150}, true},
    {kUseItemFromBackpack, 5, 152, 200, "8000", -1, 7999},
    {kUseItemFromBackpack, 6, 215, 200, nullptr, -1, 1},
    {kUseItemFromBackpack, 7, 258, 200, "-5", -1, -1},
    {kUseItemFromBackpack, 9, 150, 230, "130", -1, 129},
    {kUseItemFromBackpack, 10, 215, 230, "50", -1, 49},
    {kUseItemFromBackpack, 11, 285, 230, "-1", -1, 1},
    // AUTO-PILOT: eight legs of a direction button and a distance.
    {kAutoPilot, 7, 90, 150, nullptr, -1, 5, {{7, 4}}},
    {kAutoPilot, 7, 90, 150, nullptr, -1, 0, {{7, 5}}},
    {kAutoPilot, 14, 90, 304, nullptr, -1, 1},
    {kAutoPilot, 17, 175, 150, "50", -1, 49},
    {kAutoPilot, 24, 175, 304, "-3", -1, -1},
    {kAutoPilot, 28, 100, 340, nullptr, 2, 2},
    {kAutoPilot, 29, 330, 340, "1800", -1, 1747},
    {kAutoPilot, 4, 152, 370, "-1", -1, -1},
    {kAutoPilot, 5, 215, 370, nullptr, -1, 1},
    {kAutoPilot, 6, 258, 370, "999", -1, 999},
    // BED
    {kBed, 3, 110, 125, "7999", -1, 7999},
    {kBed, 4, 175, 125, nullptr, -1, 1},
    {kBed, 5, 220, 125, "-1", -1, -1},
    // DMF2: fields drawn 40 px wide, clicked over 60.
    {kDmf2, 1, 60, 100, "-1", -1, 1},
    {kDmf2, 1, 60, 100, "8000", -1, 7999},
    {kDmf2, 1, 60, 100, "4", -1, 4, {}, std::pair{120, 115}},
    {kDmf2, 1, 60, 100, nullptr, -1, 0, {}, std::pair{121, 105}, true},
    {kDmf2, 2, 150, 100, "8000", -1, 7999},
    {kDmf2, 6, 150, 200, "-1", -1, -1, {}, std::pair{210, 205}},
    {kDmf2, 12, 250, 100, "5", -1, 1},
    {kDmf2, 16, 250, 200, "-5", -1, -1},
    {kDmf2, 11, 145, 290, "-1", -1, 1},
    {kDmf2, 11, 145, 290, "2284", -1, 2283},
    // SIMPLE DOOR
    {kSimpleDoor, 1, 130, 81, nullptr, 9, 9},
    {kSimpleDoor, 3, 110, 125, "-1", -1, -1},
    {kSimpleDoor, 4, 175, 125, nullptr, -1, 1},
    {kSimpleDoor, 5, 220, 125, "999", -1, 999},
    // COMPLEX DOOR: the key is chosen, never typed.
    {kComplexDoor, 1, 150, 70, nullptr, 7, 7},
    {kComplexDoor, 2, 150, 90, nullptr, 3, 3},
    {kComplexDoor, 3, 250, 150, "99", -1, 99},
    {kComplexDoor, 3, 250, 150, "", -1, 0},
    {kComplexDoor, 4, 250, 170, "0", -1, 0},
    {kComplexDoor, 5, 250, 190, nullptr, -1, 130, {}, std::nullopt, true},
    {kComplexDoor, 6, 248, 210, nullptr, -1, 1},
    {kComplexDoor, 6, 248, 210, nullptr, -1, 0, {{6, 130}}},
    {kComplexDoor, 8, 248, 230, nullptr, -1, 1},
    {kComplexDoor, 7, 250, 250, "8000", -1, 7999},
    // SECRET DOOR
    {kSecretDoor, 1, 195, 90, "2284", -1, 2283},
    {kSecretDoor, 1, 195, 90, "", -1, 0},
    {kSecretDoor, 2, 195, 120, "21", -1, 20},
    {kSecretDoor, 4, 175, 155, nullptr, -1, 1},
    {kSecretDoor, 5, 150, 185, "-1", -1, -1},
    {kSecretDoor, 6, 215, 185, nullptr, -1, 1},
    {kSecretDoor, 7, 260, 185, "999", -1, 999},
    {kSecretDoor, 8, 150, 250, "", -1, 0},
    // PORTAL: word 6 is an item for conditions 1 and 2, the Hide skill for 4, dead otherwise.
    {kPortal, 21, 310, 375, nullptr, -1, 1},
    {kPortal, 18, 375, 345, "2284", -1, 2283},
    {kPortal, 1, 110, 100, "-1", -1, -1},
    {kPortal, 2, 175, 100, nullptr, -1, 1},
    {kPortal, 3, 220, 100, "999", -1, 999},
    {kPortal, 4, 210, 130, "-1", -1, -1},
    {kPortal, 5, 210, 174, nullptr, 3, 3},
    {kPortal, 6, 410, 174, "714", -1, 713, {{5, 1}}},
    {kPortal, 6, 410, 174, "-1", -1, -1, {{5, 2}}},
    {kPortal, 6, 410, 174, "31", -1, 30, {{5, 4}}},
    {kPortal, 6, 410, 174, nullptr, -1, 0, {{5, 0}}, std::nullopt, true},
    {kPortal, 6, 410, 174, nullptr, -1, 0, {{5, 3}}, std::nullopt, true},
    {kPortal, 7, 140, 220, "8000", -1, 7999},
    {kPortal, 8, 205, 220, nullptr, -1, 0, {{8, 5}}},
    {kPortal, 9, 250, 220, "-1", -1, -1},
    {kPortal, 10, 140, 242, "130", -1, 129},
    {kPortal, 12, 215, 242, "50", -1, 49},
    {kPortal, 13, 280, 242, "49", -1, 49},
    {kPortal, 14, 140, 280, "0", -1, 0},
    {kPortal, 16, 215, 280, "7", -1, 7},
    {kPortal, 17, 280, 280, "50", -1, 49},
    {kPortal, 19, 180, 307, nullptr, -1, 1},
    {kPortal, 20, 470, 242, nullptr, -1, 1},
    {kPortal, 22, 505, 272, "-1", -1, 1},
    {kPortal, 22, 505, 272, "8000", -1, 7999},
    // PORTAL: the flag after a teleport is kept for "Trippin" alone, also after Esc.
    {kPortal, 22, 210, 174, nullptr, 5, 40, {{22, 40}}},
    {kPortal, 22, 210, 174, nullptr, 2, 0, {{22, 40}, {5, 5}}},
    // DIG PORTAL
    {kDigPortal, 1, 155, 75, "-1", -1, -1},
    {kDigPortal, 2, 155, 105, "2284", -1, 2283},
    {kDigPortal, 3, 155, 135, "-1", -1, -1},
    {kDigPortal, 4, 80, 180, "130", -1, 129},
    {kDigPortal, 6, 155, 180, "50", -1, 49},
    {kDigPortal, 7, 225, 180, "0", -1, 0},
    // MODULE ACCESS: six rows of module, flag and value.
    {kModuleAccess, 1, 190, 75, "7999", -1, 7999},
    {kModuleAccess, 22, 130, 152, "1748", -1, 1747},
    {kModuleAccess, 4, 130, 205, "50", -1, 49},
    {kModuleAccess, 9, 130, 330, "-2", -1, -1},
    {kModuleAccess, 10, 305, 205, "8000", -1, 7999},
    {kModuleAccess, 15, 305, 330, "-1", -1, -1},
    {kModuleAccess, 16, 380, 205, "999", -1, 999},
    {kModuleAccess, 21, 380, 330, "-1", -1, -1},
    // PENTA-PORTAL
    {kPentaPortal, 1, 145, 80, "9", -1, 4},
    // ONE ITEM
    {kOneItem, 9, 310, 295, nullptr, -1, 1},
    {kOneItem, 1, 110, 100, "-1", -1, -1},
    {kOneItem, 2, 175, 100, nullptr, -1, 1},
    {kOneItem, 3, 220, 100, "999", -1, 999},
    {kOneItem, 8, 175, 160, "2284", -1, 2283},
    {kOneItem, 4, 155, 190, "-1", -1, 1},
    {kOneItem, 4, 155, 190, "8000", -1, 7999},
    {kOneItem, 5, 235, 190, "714", -1, 713},
    {kOneItem, 5, 235, 190, "-1", -1, -1},
    {kOneItem, 5, 275, 189, nullptr, -1, 130, {{5, 130}}, std::nullopt, false, kLeave},  // the item picker cancelled
    {kOneItem, 6, 325, 190, "-11", -1, -10},
    {kOneItem, 6, 325, 190, "5000", -1, 4999},
    {kOneItem, 7, 395, 190, "5001", -1, 5000},
    // ITEMS CACHE: six rows 22 px apart; the first flag stops at 7994.
    {kItemsCache, 25, 310, 365, nullptr, -1, 1},
    {kItemsCache, 23, 375, 130, "-1", -1, -1},
    {kItemsCache, 24, 375, 335, "2284", -1, 2283},
    {kItemsCache, 1, 110, 100, "8000", -1, 7999},
    {kItemsCache, 2, 175, 100, nullptr, -1, 0, {{2, 5}}},
    {kItemsCache, 3, 220, 100, "-1", -1, -1},
    {kItemsCache, 4, 155, 160, "7995", -1, 7994},
    {kItemsCache, 4, 155, 160, "-1", -1, 1},
    {kItemsCache, 5, 235, 160, "714", -1, 713},
    {kItemsCache, 10, 235, 270, "-1", -1, -1},
    {kItemsCache, 10, 275, 269, nullptr, -1, 9, {{10, 9}}, std::nullopt, false, kLeave},
    {kItemsCache, 11, 325, 160, "501", -1, 500},
    {kItemsCache, 16, 325, 270, "-11", -1, -10},
    {kItemsCache, 17, 395, 160, "5001", -1, 5000},
    {kItemsCache, 22, 395, 270, "0", -1, 0},
};

TEST_F(EventDialogsTest, EveryFieldWithItsBounds) {
    ExpectEveryField(kFieldCases);
}

// Every "Edit" opens its text: a line typed there lands in the record.
TEST_F(EventDialogsTest, EveryEditOpensItsText) {
    struct Case {
        int16_t type;
        int text, x, y;
    } cases[] = {
        {kPushText, 0, 310, 200},   {kPushText, 1, 310, 335},  {kStepText, 0, 310, 175},
        {kStepText, 1, 310, 335},   {kSmokeSignal, 0, 145, 120}, {kHeraldry, 0, 150, 170},
        {kUseItemFromBackpack, 0, 152, 175}, {kBed, 0, 185, 150}, {kSimpleDoor, 0, 185, 150},
        {kComplexDoor, 0, 150, 111}, {kPortal, 0, 210, 152},  {kPortal, 1, 175, 345},
        {kModuleAccess, 0, 180, 130}, {kOneItem, 0, 175, 130}, {kOneItem, 1, 175, 260},
        {kItemsCache, 0, 175, 130}, {kItemsCache, 1, 175, 335},
    };
    for (const Case& c : cases) {
        Make(c.type);
        ClickAt(c.x + 5, c.y + 5);
        ClickAt(105, 75 + 22 * 2);
        Keys({"Gate", kEnter, 'D'});
        Edit();
        EXPECT_EQ(Line(c.text, 2), "Gate") << c.type;
        EXPECT_EQ(Line(1 - c.text, 2), "") << c.type;
    }
}

TEST_F(EventDialogsTest, KeyAndItemNumberPickersFromTheirBrowse) {
    // A new complex door holds key 130; browsing and quitting keeps it, selecting takes the
    // list's entry.
    Make(kComplexDoor);
    ClickAt(300, 195);
    ClickAt(385, 198);
    TapKey('Q');
    Edit();
    EXPECT_EQ(EventAt(kX, kY)->Word[5], 130);
    Make(kComplexDoor);
    ClickAt(300, 195);
    ClickAt(360, 198);
    TapKey('S');
    Edit();
    EXPECT_EQ(EventAt(kX, kY)->Word[5], -1);
    // The portal's item picker opens on 156 and its arrows stop at 230.
    EventRecord& portal = Make(kPortal);
    portal.Word[5] = 1;
    ClickAt(460, 179);
    for (int i = 0; i < 10; ++i) ClickAt(405, 198);
    TapKey('S');
    Edit();
    EXPECT_EQ(EventAt(kX, kY)->Word[6], 230);
}

TEST_F(EventDialogsTest, EscInAListKeepsTheWord) {
    struct Case {
        int16_t type;
        int word, x, y;
        int16_t held;
    } cases[] = {{kRune, 6, 120, 230, 7}, {kStepText, 21, 308, 225, 2}, {kHeraldry, 5, 150, 200, 4}};
    for (const Case& c : cases) {
        Make(c.type).Word[c.word] = c.held;
        ClickAt(c.x + 5, c.y + 5);
        TapKey(kEsc);
        Edit();
        EXPECT_EQ(EventAt(kX, kY)->Word[c.word], c.held) << c.type;
    }
    // The portal's rule runs after Esc too: the flag goes unless the condition is "Trippin".
    for (int16_t condition : {1, 5}) {
        EventRecord& e = Make(kPortal);
        e.Word[5] = condition;
        e.Word[22] = 40;
        ClickAt(215, 179);
        TapKey(kEsc);
        Edit();
        EXPECT_EQ(EventAt(kX, kY)->Word[22], condition == 5 ? 40 : 0);
    }
}

// ---- What the dialogs show ---------------------------------------------------------------

TEST_F(DialogShowsTest, TextDialogs) {
    EventRecord& push = Make(kPushText);
    push.Word[8] = 100;
    push.Word[14] = 101;
    push.Word[13] = 5;
    Draw();
    EXPECT_TRUE(TileAt(400, 140, 100));
    EXPECT_TRUE(Shown(400, 275, MonsterPictures[5], PictureRect));  // the NPC's corner over the tile
    EXPECT_TRUE(Drawn("Can activate monsters!", 350, 365, kSmallGreen));
    EXPECT_TRUE(Drawn("if 'Remove' exists!", 350, 250, kSmallRed));
    push.Word[8] = -1;
    Draw();
    EXPECT_FALSE(TileAt(400, 140, 100));

    EventRecord& step = Make(kStepText);
    step.Word[20] = 3;
    step.Word[23] = 2;
    step.Word[19] = 9;  // from a file: no such direction
    Draw();
    EXPECT_TRUE(Drawn("The Lost Bell", 460, 230, kSmallBlue));
    EXPECT_FALSE(AnythingDrawnAt(460, 255));
    EXPECT_TRUE(Drawn("Complete", 318, 256));
    EXPECT_FALSE(AnythingDrawnAt(460, 81));
    EXPECT_TRUE(Drawn("Event ACTIVE if Flag", 50, 80, kSmallBlue));

    // A new smoke signal: status flag 0 and six "B".
    Make(kSmokeSignal).Word[5] = -1;
    Draw();
    EXPECT_TRUE(Drawn("0", 160, 156));
    for (int i = 0; i < 6; ++i) EXPECT_TRUE(Drawn(i == 2 ? "S" : "B", 167 + 45 * i, 206)) << i;
}

TEST_F(DialogShowsTest, SignDialogs) {
    EventRecord& rune = Make(kRune);
    rune.Word[4] = 40;
    rune.Word[5] = 41;  // "ALL" is not offered: an empty field
    Draw();
    for (int i = 0; i < 5; ++i) EXPECT_TRUE(Drawn("Rune " + std::to_string(i + 1), 50, 185 + 25 * i)) << i;
    EXPECT_TRUE(Drawn("Alternate Reality", 130, 181));
    EXPECT_FALSE(AnythingDrawnAt(130, 206));
    EXPECT_TRUE(Drawn("None", 130, 231));

    EventRecord& glyph = Make(kHieroglyph);
    glyph.Word[4] = 1;
    glyph.Word[5] = 40;
    glyph.Word[6] = 41;
    glyph.Word[10] = 77;
    Draw();
    EXPECT_TRUE(Drawn("Glyph 1", 50, 180));
    EXPECT_TRUE(Drawn("Knowledge, Language", 130, 181));
    EXPECT_TRUE(Shown(300, 180, HieroglyphPictures[0], Rect{0, 0, 30, 25}));  // the next row covers its foot
    EXPECT_TRUE(Shows(BackSurface, 300, 205, HieroglyphPictures[39]));
    EXPECT_TRUE(TileAt(400, 140, 77));

    EventRecord& herald = Make(kHeraldry);
    Draw();
    EXPECT_TRUE(Drawn("Herald 1", 160, 206));
    EXPECT_TRUE(Shows(BackSurface, 210, 250, HeraldryPictures[0]));
    herald.Word[5] = 10;
    Draw();
    EXPECT_FALSE(AnythingDrawnAt(160, 206));
}

TEST_F(DialogShowsTest, ItemUseAutoPilotAndDmf2) {
    EventRecord& use = Make(kUseItemFromBackpack);
    use.Word[8] = 130;
    Draw();
    EXPECT_TRUE(Drawn("Brass Key", 120, 125, kSmallBlue));
    EXPECT_TRUE(Drawn("setting their 'Active if' flags!", 50, 285, kSmallGreen));
    for (int16_t none : {0, -1, 714, 999}) {
        use.Word[8] = none;
        Draw();
        EXPECT_FALSE(AnythingDrawnAt(120, 125)) << none;
    }

    EventRecord& pilot = Make(kAutoPilot);
    pilot.Word[7] = 4;
    pilot.Word[8] = 5;
    pilot.Word[29] = 1300;
    Draw();
    EXPECT_TRUE(Drawn(" Dir=          Dist=          ->", 50, 155 + 22 * 7));
    EXPECT_TRUE(Drawn("W", 107, 156));
    EXPECT_FALSE(AnythingDrawnAt(107, 178));  // the sixth, empty label
    EXPECT_TRUE(Drawn("Stop", 98, 200));
    EXPECT_TRUE(Shows(BackSurface, 360, 300, MonsterPictures[1300]));

    EventRecord& dmf = Make(kDmf2);
    dmf.Word[11] = 55;
    Draw();
    for (int i = 0; i < 5; ++i) EXPECT_TRUE(Drawn(std::to_string(i + 1), 40, 105 + 25 * i)) << i;
    EXPECT_TRUE(Drawn("Status Flag:", 60, 85, kSmallRed));
    EXPECT_TRUE(TileAt(300, 305, 55));
}

TEST_F(DialogShowsTest, Doors) {
    EventRecord& simple = Make(kSimpleDoor);
    Draw();
    EXPECT_TRUE(Drawn("Wood", 140, 87));
    EXPECT_TRUE(Drawn("Pic:", 310, 86));
    EXPECT_TRUE(TileAt(340, 71, 1531));
    simple.Word[1] = 5;
    Draw();
    EXPECT_TRUE(TileAt(340, 71, 1136));
    simple.Word[1] = 10;
    Draw();
    EXPECT_FALSE(TileAt(340, 71, 1136));
    EXPECT_FALSE(AnythingDrawnAt(140, 87));

    // A new complex door: Wood, Open, Pick Locks 2, key 130 with its name.
    Make(kComplexDoor);
    Draw();
    EXPECT_TRUE(Drawn("Wood", 160, 76));
    EXPECT_TRUE(Drawn("Open", 160, 96));
    EXPECT_TRUE(Drawn("2", 260, 176));
    EXPECT_TRUE(Drawn("130", 260, 196));
    EXPECT_TRUE(Drawn("Brass Key", 370, 195, kSmallBlue));
    EXPECT_TRUE(TileAt(330, 60, 1531));

    // A new secret door: tile 80 and Perception 1; no picture for -1.
    EventRecord& secret = Make(kSecretDoor);
    Draw();
    EXPECT_TRUE(TileAt(350, 105, 80));
    EXPECT_TRUE(Drawn("Pic:", 350, 95));
    EXPECT_TRUE(Drawn("1", 205, 126));
    secret.Word[1] = -1;
    Draw();
    EXPECT_FALSE(AnythingDrawnAt(350, 95));
}

TEST_F(DialogShowsTest, Portals) {
    EventRecord& portal = Make(kPortal);
    portal.Word[4] = 0;
    portal.Word[18] = 0;
    portal.Word[5] = 4;
    portal.Word[6] = 200;
    Draw();
    EXPECT_TRUE(TileAt(390, 120, 0));  // the portal picture for values above -1
    EXPECT_TRUE(Drawn("Req Hide skill:", 360, 179));
    EXPECT_TRUE(Drawn("200", 420, 180));  // the item number kept in place
    EXPECT_TRUE(Drawn("else inactive...", 50, 335, kSmallBlue));
    portal.Word[5] = 1;
    portal.Word[6] = 250;  // a tall picture
    ItemTable[250].ItemPicture = 250;
    portal.Word[18] = 12;
    Draw();
    EXPECT_TRUE(Drawn("Item:", 360, 179));
    EXPECT_TRUE(Drawn("Browse", 467, 180));
    EXPECT_TRUE(Shown(530, 170, ItemPictures[250], ViewPieceRects[2]));
    EXPECT_TRUE(TileAt(510, 330, 12));
    portal.Word[5] = 0;
    Draw();
    EXPECT_FALSE(AnythingDrawnAt(360, 179));
    EXPECT_FALSE(AnythingDrawnAt(420, 180));

    EventRecord& dig = Make(kDigPortal);
    dig.Word[1] = 0;
    dig.Word[2] = -1;
    Draw();
    EXPECT_TRUE(TileAt(290, 60, 0));
    EXPECT_TRUE(Drawn("If Covered Pic = 0, hide entrance", 50, 240, kSmallBlue));

    EventRecord& module = Make(kModuleAccess);
    module.Word[22] = 1300;
    module.Word[7] = 12;
    Draw();
    for (int i = 0; i < 6; ++i) EXPECT_TRUE(Drawn(i == 3 ? "12" : "-1", 140, 211 + 25 * i)) << i;
    EXPECT_TRUE(Shows(BackSurface, 350, 140, MonsterPictures[1300]));

    EventRecord& penta = Make(kPentaPortal);
    for (int16_t id : {0, 4}) {
        penta.Word[1] = id;
        Draw();
        EXPECT_TRUE(Drawn("Requires Portal Key " + std::to_string(id + 1) + "!", 200, 85, kSmallBlue));
    }
    penta.Word[1] = 5;
    Draw();
    EXPECT_FALSE(AnythingDrawnAt(200, 85));
}

TEST_F(DialogShowsTest, ItemRowsNamesAndDerivedFlags) {
    const std::string sword = "Long Sword";  // with power 3: the name alone beside Pow and Chr

    EventRecord& one = Make(kOneItem);
    one.Word[5] = 200;
    one.Word[6] = 3;
    one.Word[8] = 0;
    Draw();
    EXPECT_TRUE(Drawn(sword, 445, 195, kSmallBlue));
    const auto withZero = Region(310, 150);
    one.Word[8] = -1;
    Draw();
    EXPECT_EQ(Region(310, 150), withZero);  // tile 0 is not drawn here
    one.Word[5] = 0;
    Draw();
    EXPECT_FALSE(AnythingDrawnAt(445, 195));

    EventRecord& cache = Make(kItemsCache);
    cache.Word[4] = 100;
    cache.Word[10] = 200;
    cache.Word[16] = 3;
    cache.Word[23] = 31;
    cache.Word[24] = 32;
    Draw();
    for (int i = 1; i <= 5; ++i) EXPECT_TRUE(Drawn(std::to_string(100 + i), 165, 165 + 22 * i)) << i;
    for (int i = 0; i < 6; ++i) EXPECT_TRUE(Drawn("Item Flag", 80, 165 + 22 * i, kSmallRed)) << i;
    EXPECT_TRUE(Drawn(sword, 440, 165 + 22 * 5, kSmallBlue));
    EXPECT_FALSE(AnythingDrawnAt(440, 165));
    EXPECT_TRUE(TileAt(510, 120, 31));
    EXPECT_TRUE(TileAt(510, 320, 32));
    cache.Word[4] = 7994;
    Draw();
    EXPECT_TRUE(Drawn("7999", 165, 165 + 22 * 5));
}

// Beside its own Pow and Chr fields an item is named alone: gold with Pow 200 and Chr 0 (play
// gives the Chr as the gold) reads "Gold", not "Gold +200"; a sword of power -3 shows no bonus.
TEST_F(DialogShowsTest, AnItemBesideItsPowAndChrIsNamedAlone) {
    struct Row {
        int16_t type;
        int item, power, charges;
        int32_t x, y;
    };
    const Row rows[] = {{kOneItem, 5, 6, 7, 445, 195},  {kItemsCache, 5, 11, 17, 440, 165},
                        {kSearch, 4, 5, 6, 415, 195},   {kPrise, 6, 9, 12, 420, 290},
                        {kBuriedCache, 5, 11, 17, 410, 165}, {kLamp, 7, 8, 9, 345, 295}};
    struct Item {
        int16_t number, power, charges;
        const char* name;
    };
    const Item items[] = {{231, 200, 0, "Gold"}, {200, -3, 5, "Long Sword"}};
    SetFieldText(ItemTable[231].ItemName, "Gold");
    ItemTable[231].ItemType = kCoins;
    for (const Row& r : rows) {
        for (const Item& i : items) {
            EventRecord& e = Make(r.type);
            e.Word[r.item] = i.number;
            e.Word[r.power] = i.power;
            e.Word[r.charges] = i.charges;
            host.texts.clear();
            Draw();
            EXPECT_TRUE(Drawn(i.name, r.x, r.y, kSmallBlue)) << r.type << ", item " << i.number;
        }
    }
}

// Edits in several dialogs, the level saved and loaded: every record comes back as edited.
TEST_F(EventDialogsTest, EditedLevelSavedAndLoaded) {
    const std::pair<int16_t, std::pair<int, int>> squares[] = {
        {kPushText, {0, 0}}, {kItemsCache, {49, 49}}, {kPortal, {12, 30}}, {kDmf2, {7, 9}}};
    for (const auto& [type, square] : squares) {
        CreateEvent(int16_t(square.first), int16_t(square.second), type);
    }
    // Through the editor on (7, 9): the DMF2 counter flag and modifier.
    ClickAt(155, 105);
    TypeNumber("321");
    ClickAt(255, 130);
    TypeNumber("-1");
    Edit();
    EventAt(0, 0)->Word[4] = 77;
    SetFieldText(EventAt(0, 0)->Text[1][3], "written");
    EventAt(12, 30)->Word[22] = 5;
    std::vector<EventRecord> before;
    for (const auto& [type, square] : squares) before.push_back(*EventAt(square.first, square.second));
    ASSERT_EQ(SaveLevel(44, 0), 1u);
    FreeLevelEventsAndScripts(0);
    ASSERT_EQ(LoadLevel(44, 1, 0), 1u);
    for (size_t i = 0; i < before.size(); ++i) {
        const auto& [x, y] = squares[i].second;
        ASSERT_NE(EventAt(x, y), nullptr);
        EXPECT_EQ(std::memcmp(EventAt(x, y), &before[i], sizeof(EventRecord)), 0) << squares[i].first;
    }
    EXPECT_EQ(EventAt(7, 9)->Word[2], 321);
    EXPECT_EQ(EventAt(7, 9)->Word[13], -1);
}

}  // namespace
