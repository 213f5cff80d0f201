// The hero screen run whole: its tabs and keys, equipping and taking off with curses,
// dropping, the gem bag, the keyring, the falcon amulet and the beacon.
#include "hero/hero_screen.h"

#include <algorithm>
#include <tuple>

#include "data/level.h"
#include "hero/equipment.h"
#include "hero/hero_screen_pages.h"
#include "hero/item_grids.h"
#include "hero/derived_stats.h"
#include "tests/hero/box_test.h"

namespace {

class HeroScreenTest : public BoxTest {
protected:
    void SetUp() override {
        BoxTest::SetUp();
        GameState.MeleeMode = 1;
        GameState.HeroLevel = 1;
        GameState.Beacon[0] = -1;
        for (int s = 0; s < 7; ++s) GameState.BaseStats[s] = 5;
        RecalcHero();
    }
    // A left click in the middle of a grid cell.
    void ClickCell(int col, int row, int button = 1) { ClickAt(341 + 31 * col + 15, 108 + 31 * row + 15, button); }
    // Puts a new instance of the item at a backpack cell.
    static int16_t Carry(int16_t item, int col, int row, int16_t x = 0, int16_t y = 0) {
        int16_t w, h;
        GetItemCells(item, w, h);
        EXPECT_TRUE(PlaceInBackpack(item, x, y, int16_t(col), int16_t(row), w, h));
        return GameState.Backpack[col][row];
    }
    // The selected tab of each flipped frame, repeats left out; the top rows of its left piece
    // lie above the label.
    std::vector<int> TabsShown(int count, int pieces) const {
        std::vector<int> tabs;
        for (const host::Frame& f : host.frames)
            for (int i = 0; i < count; ++i)
                if (FrameShows(f, 339 + 20 * pieces * i, 87, UiIcons[73]) && (tabs.empty() || tabs.back() != i))
                    tabs.push_back(i);
        return tabs;
    }
    static bool FrameShows(const host::Frame& f, int32_t x, int32_t y, const Surface* picture) {
        for (int32_t r = 0; r < 6; ++r)
            for (int32_t c = 0; c < picture->width; ++c) {
                const uint16_t p = picture->Row(r)[c];
                if (!(picture->keyed && p == picture->key) && f.At(x + c, y + r) != p) return false;
            }
        return true;
    }
};

TEST_F(HeroScreenTest, TabsTabKeyAndLetters) {
    TapKey(9);
    TapKey(9);
    TapKey(9);
    TapKey('I');
    TapKey('S');
    TapKey('S');
    TapKey(27);
    Run([] { RunHeroScreen(0); });
    EXPECT_EQ(TabsShown(3, 3), (std::vector<int>{0, 1, 2, 0, 2, 0, 1}));
    for (const char* tab : {"Stats", "Skills", "Inv"}) EXPECT_TRUE(TextShown(host, tab)) << tab;
    EXPECT_FALSE(TextShown(host, "Bag"));

    host.frames.clear();
    GameState.LoreKnown[4] = 1;
    GameState.HasBagOfHolding = 1;
    for (int i = 0; i < 6; ++i) TapKey(9);
    TapKey('B');
    TapKey('L');
    TapKey(27);
    Run([] { RunHeroScreen(0); });
    EXPECT_EQ(TabsShown(5, 2), (std::vector<int>{0, 1, 2, 3, 4, 0, 1, 4, 2}));
    EXPECT_TRUE(TextShown(host, "Lore (knowledge) you have learnt"));
}

TEST_F(HeroScreenTest, LevelUpOfferedFromTheThresholdBelowFifty) {
    const struct {
        int16_t level;
        int32_t xp;
        bool offered;
    } cases[] = {{1, 99, false}, {1, 100, true}, {2, 299, false}, {50, 9999999, false}};
    for (const auto& c : cases) {
        GameState.HeroLevel = c.level;
        GameState.HeroXp = c.xp;
        host.texts.clear();
        DrawHeroScreen(0, 1);
        DrawHeroScreen(1, 1);  // never on the Skills page
        EXPECT_EQ(std::count_if(host.texts.begin(), host.texts.end(), [](auto& t) { return t.text == "Level Up"; }),
                  c.offered ? 1 : 0)
            << c.level << " " << c.xp;
    }
}

TEST_F(HeroScreenTest, WhatEachSlotTakes) {
    Item(1, 1);    // two-handed
    Item(2, 4);    // shield
    Item(3, 2);    // small weapon
    Item(4, 0);    // sword
    Item(6, 19);   // bow
    Item(7, 5).ItemReqStrength = 6;
    const struct {
        const char* name;
        int16_t item, slot;
        std::function<void()> setUp;
        int accepted;
    } cases[] = {
        {"shield beside a two-hander", 2, kOffhandSlot, [] { Wear(kWeaponSlot, 10, 1); }, 0},
        {"small weapon beside a two-hander", 3, kOffhandSlot,
         [] {
             Wear(kWeaponSlot, 10, 1);
             GameState.Skills[kDualWeapons] = 3;
         },
         0},
        {"two-hander beside a shield", 1, kWeaponSlot, [] { Wear(kOffhandSlot, 10, 2); }, 0},
        {"two-hander, hands free", 1, kWeaponSlot, [] {}, 1},
        {"small weapon without the skill", 3, kOffhandSlot, [] {}, 0},
        {"small weapon with the skill", 3, kOffhandSlot, [] { GameState.Skills[kDualWeapons] = 1; }, 1},
        {"sword in missile mode", 4, kBowSlot, [] { GameState.MeleeMode = 0; }, 0},
        {"bow in missile mode", 6, kBowSlot, [] { GameState.MeleeMode = 0; }, 1},
        {"sword in the weapon slot in missile mode", 4, kWeaponSlot, [] { GameState.MeleeMode = 0; }, 0},
        {"helmet too heavy", 7, kHelmetSlot, [] { GameState.Stats[kStrength] = 5; }, 0},
        {"helmet just right", 7, kHelmetSlot, [] { GameState.Stats[kStrength] = 6; }, 1},
        {"the belt that is no belt", 180, kBeltSlot, [] {}, 1},
        {"the circlet", 89, kHelmetSlot, [] {}, 1},
        {"a sword for the feet", 4, kBootsSlot, [] {}, 0},
    };
    for (const auto& c : cases) {
        const auto slots = std::to_array(GameState.EquipSlots);
        const auto stats = std::to_array(GameState.Stats);
        const auto skills = std::to_array(GameState.Skills);
        c.setUp();
        host.effects.clear();
        EXPECT_EQ(CanEquip(c.item, ItemTable[c.item].ItemType, c.slot), c.accepted) << c.name;
        EXPECT_EQ(host.effects.size(), c.accepted ? 0u : 1u) << c.name;  // "No"
        std::copy(slots.begin(), slots.end(), GameState.EquipSlots);
        std::copy(stats.begin(), stats.end(), GameState.Stats);
        std::copy(skills.begin(), skills.end(), GameState.Skills);
        GameState.MeleeMode = 1;
    }
}

TEST_F(HeroScreenTest, CursedRingStaysOnAndCursedHelmetWillNotSwap) {
    Item(12, 10);  // a ring
    Item(8, 5);    // helmets
    const int16_t ring = Carry(12, 0, 0, -2);
    const int16_t helmet = Carry(8, 1, 0);
    const int16_t cursedHelmet = Wear(kHelmetSlot, 800, 8, -1);
    ClickCell(0, 0);
    ClickAt(50, 350);  // ring 1
    ClickAt(50, 350);  // will not come off
    TapKey(13);
    ClickCell(1, 0);
    ClickAt(215, 110);  // the helmet slot
    TapKey(13);
    host.Hold(27, 5);  // Quit does not answer while an item is on the cursor
    ClickCell(1, 0);
    TapKey(27);
    Run([] { RunHeroScreen(2); });
    EXPECT_EQ(GameState.EquipSlots[kRing1Slot], ring);
    EXPECT_EQ(GameState.ItemInstances[ring].CurseKnown, 1u);
    EXPECT_EQ(GameState.EquipSlots[kHelmetSlot], cursedHelmet);
    EXPECT_EQ(GameState.ItemInstances[cursedHelmet].CurseKnown, 1u);
    EXPECT_EQ(GameState.Backpack[1][0], helmet);
    EXPECT_EQ(CursorItem, -1);
    EXPECT_EQ(std::count(host.effects.begin(), host.effects.end(), "curse"), 1);
    EXPECT_EQ(CountOf(" This item is cursed!"), 2u);
}

TEST_F(HeroScreenTest, EquipSwapAndTakeOff) {
    Item(4, 0);
    Item(5, 0);
    const int16_t sword = Carry(4, 0, 0, 0, 3);
    const int16_t axe = Carry(5, 1, 0);
    ClickCell(0, 0);
    ClickAt(40, 200);  // the weapon slot takes the sword
    ClickCell(1, 0);
    ClickAt(40, 200);  // the axe goes in, the sword comes to the cursor
    ClickCell(5, 5);
    ClickAt(40, 200);  // the axe comes off
    ClickCell(6, 6);
    TapKey(27);
    Run([] { RunHeroScreen(2); });
    EXPECT_EQ(GameState.Backpack[5][5], sword);
    EXPECT_EQ(GameState.Backpack[6][6], axe);
    EXPECT_EQ(GameState.EquipSlots[kWeaponSlot], -1);
    EXPECT_EQ(GameState.Stats[kCombat], 5 + 1);  // recomputed without the sword's +3
}

TEST_F(HeroScreenTest, DropRules) {
    Item(60, 27);   // a quest item
    Item(100, 41);  // a nemesis stone
    Item(110, 41);  // of the type, but no stone
    Item(61, 34);
    const struct {
        const char* name;
        int16_t item;
        uint32_t questDrops;
        const char* keys;
        const char* sound;
        bool dropped;
    } cases[] = {
        {"quest item, box unticked", 60, 0, "", "No", false}, {"quest item, box ticked", 60, 1, "y", "Drop", true},
        {"parasite", 182, 1, "", "No", false},                {"brood", 183, 1, "", "No", false},
        {"slime", 184, 0, "", "Splat", true},                  {"changed mind", 61, 0, "n", "Back", false},
        {"stone", 100, 0, "y", "Drop", true},                  {"no stone", 110, 0, "y", "Drop", true},
    };
    GameState.NemesisStones[2] = 2;
    for (const auto& c : cases) {
        GameState.CanDropQuestItems = c.questDrops;
        CursorItem = CreateItemInstance(c.item, 0, 0);
        const int16_t instance = CursorItem;
        host.effects.clear();
        host.Type(c.keys);
        Run(DropItem);
        EXPECT_EQ(host.effects.back(), c.sound) << c.name;
        EXPECT_EQ(CursorItem == -1, c.dropped) << c.name;
        EXPECT_EQ(GameState.ItemInstances[instance].ItemNumber == -1, c.dropped) << c.name;
        if (!c.dropped) GameState.ItemInstances[instance].ItemNumber = -1;
    }
    EXPECT_EQ(GameState.NemesisStones[2], 2);  // one created, one dropped
    EXPECT_EQ(GameState.NemesisStones[0] + GameState.NemesisStones[1], 0);
}

TEST_F(HeroScreenTest, DropAndUseButtons) {
    Item(61, 34);
    Item(237, 34);  // endless food: used, not used up
    Carry(61, 2, 2);
    const int16_t food = Carry(237, 3, 3);
    ClickCell(2, 2);
    ClickAt(450, 405);  // Drop
    TapKey('Y');
    ClickCell(3, 3);
    ClickAt(350, 405);  // Use: the food stays on the cursor
    ClickCell(4, 4);
    TapKey(27);
    Run([] { RunHeroScreen(2); });
    EXPECT_EQ(GameState.Backpack[2][2], -1);
    EXPECT_EQ(GameState.ItemInstances[0].ItemNumber, -1);
    EXPECT_EQ(GameState.HeroFood, 10);
    EXPECT_EQ(GameState.Backpack[4][4], food);
    EXPECT_EQ(CursorItem, -1);
}

TEST_F(HeroScreenTest, GemsIntoTheGemBag) {
    Item(50, 52);  // the gem bag
    Item(25, 12);
    Item(29, 12);  // a gemstone the bag does not count
    Carry(50, 0, 0);
    Carry(25, 1, 0);
    const int16_t odd = Carry(29, 2, 0);
    ClickCell(1, 0);
    ClickCell(0, 0);  // into the bag
    ClickCell(2, 0);
    ClickCell(0, 0);  // an ordinary drop on a full cell: nothing
    ClickCell(3, 0);
    TapKey(27);
    Run([] { RunHeroScreen(2); });
    EXPECT_EQ(GameState.GembagCounts[5], 1);
    EXPECT_EQ(GameState.Backpack[1][0], -1);
    EXPECT_EQ(GameState.Backpack[3][0], odd);
    EXPECT_EQ(GameState.GembagCounts[9], 0);
    EXPECT_EQ(host.effects[1], "Click");
}

TEST_F(HeroScreenTest, AFullGemBagLeavesTheGemInHand) {
    Item(50, 52);
    Item(25, 12);
    Carry(50, 0, 0);
    const int16_t gem = Carry(25, 1, 0);
    GameState.GembagCounts[5] = 32767;
    ClickCell(1, 0);
    ClickCell(0, 0);  // refused: the gem stays on the cursor
    ClickCell(1, 0);  // and goes back where it was
    TapKey(27);
    Run([] { RunHeroScreen(2); });
    EXPECT_EQ(GameState.GembagCounts[5], 32767);
    EXPECT_EQ(GameState.Backpack[1][0], gem);
    EXPECT_EQ(InstanceItem(gem), 25);
    EXPECT_EQ(std::count(host.effects.begin(), host.effects.end(), "No"), 1);
}

TEST_F(HeroScreenTest, GemBagWindowGivesGemsBack) {
    Item(50, 52);
    Item(21, 12, 0, "Ruby");
    const int16_t bag = Carry(50, 0, 0);
    GameState.GembagCounts[1] = 2;
    ClickAt(225, 113 + 30 + 10);
    TapKey('D');
    Run([&] { InspectBackpackItem(bag); });
    EXPECT_EQ(GameState.GembagCounts[1], 1);
    EXPECT_EQ(InstanceItem(GameState.Backpack[1][0]), 21);
    EXPECT_TRUE(TextShown(host, "Ruby"));
    EXPECT_EQ(ColourOf("0"), 91);  // an empty kind
}

TEST_F(HeroScreenTest, BigItemDrawnOnceAtItsTopLeftCell) {
    Item(70, 34, 403);  // 2 x 2
    Carry(70, 0, 0);
    Carry(70, 3, 4);
    DrawBackpackPage(2, 1);
    const Surface* tile = WallTiles[1308];
    EXPECT_TRUE(Shows(BackSurface, 340, 108, ItemPictures[403]));
    EXPECT_TRUE(Shows(BackSurface, 340 + 31 * 3, 108 + 31 * 4, ItemPictures[403]));
    // No second copy from a cell inside the items.
    for (auto [col, row] : {std::pair{2, 0}, std::pair{0, 2}, std::pair{5, 4}, std::pair{3, 6}})
        EXPECT_TRUE(Shows(BackSurface, 340 + 31 * col, 108 + 31 * row, tile)) << col << "," << row;
}

TEST_F(HeroScreenTest, KeyringFillsBothPages) {
    for (int16_t k = 0; k < 25; ++k) Item(int16_t(300 + k), 26, 0, ("Key " + std::to_string(k + 1)).c_str());
    for (int16_t k = 0; k < 13; ++k) GameState.Keyring[k] = int16_t(300 + k);
    ShowKeyring();
    EXPECT_EQ(std::tuple(Find("Key 11")->x, Find("Key 11")->y), std::tuple(120, 80 + 11 * 25 + 10));
    EXPECT_EQ(std::tuple(Find("Key 12")->x, Find("Key 12")->y), std::tuple(380, 105 + 10));
    EXPECT_EQ(Find("Key 13")->x, 380);

    host.texts.clear();
    for (int16_t k = 0; k < 25; ++k) GameState.Keyring[k] = int16_t(300 + k);
    GameState.Keyring[3] = -1;  // a gap closes up
    ShowKeyring();
    EXPECT_EQ(Find("Key 4"), nullptr);
    EXPECT_EQ(std::tuple(Find("Key 25")->x, Find("Key 25")->y), std::tuple(380, 80 + 13 * 25 + 10));
}

TEST_F(HeroScreenTest, FalconAmulet) {
    Item(591, 6);
    Item(30, 6);
    Item(61, 34);
    GameState.CurrentLevelNumber = 87;
    const int16_t old = Wear(kAmuletSlot, 800, 30, 2);
    for (int c = 0; c < 9; ++c)
        for (int r = 0; r < 9; ++r) Carry(61, c, r);
    EXPECT_EQ(CanEquip(591, 6, kAmuletSlot), 0);  // the old amulet would be lost
    EXPECT_EQ(GameState.EquipSlots[kAmuletSlot], old);
    EXPECT_EQ(std::tuple(GameState.HeroForm, FormChangePending), std::tuple(0, 0u));
    EXPECT_EQ(host.effects.back(), "No");

    // Taken from the backpack, the falcon amulet leaves room for the old one.
    GameState.ItemInstances[GameState.Backpack[0][0]].ItemNumber = 591;
    ClickCell(0, 0);
    ClickAt(90, 100);
    Run([] { RunHeroScreen(2); });  // closes by itself
    EXPECT_EQ(InstanceItem(GameState.EquipSlots[kAmuletSlot]), 591);
    const ItemInstance& back = GameState.ItemInstances[GameState.Backpack[0][0]];
    EXPECT_EQ(std::tuple(back.ItemNumber, back.X), std::tuple(30, 2));
    EXPECT_EQ(std::tuple(GameState.HeroForm, GameState.FormDefence, FormChangePending), std::tuple(2, 12, 0u));
    EXPECT_EQ(host.effects.back(), "PowerUp");
}

TEST_F(HeroScreenTest, BeaconBlockedInANoTeleportZoneElseTaken) {
    GameState.Beacon[0] = 0;
    GameState.Beacon[1] = 20;
    GameState.Beacon[2] = 30;
    SetFieldText(GameState.BeaconName, "Old Mill");
    GameState.HeroX = GameState.HeroY = 5;
    CurrentLevel.ZoneLayer[5 * 50 + 5] = 2;
    CurrentLevel.ZoneConditions[2] = 7;
    ClickAt(545, 55, 2);
    ClickAt(545, 55);
    TapKey(13);
    TapKey(27);
    Run([] { RunHeroScreen(0); });
    EXPECT_TRUE(TextShown(host, "Old Mill (20,30)"));
    EXPECT_TRUE(TextShown(host, "   Teleportation magic"));
    EXPECT_EQ(GameState.Beacon[0], 0);

    CurrentLevel.ZoneConditions[2] = 6;
    ClickAt(545, 55);
    Run([] { RunHeroScreen(0); });  // closes by itself
    EXPECT_EQ(std::tuple(GameState.HeroX, GameState.HeroY), std::tuple(20, 30));
    EXPECT_EQ(std::tuple(GameState.Beacon[0], GameState.BeaconName[0]), std::tuple(-1, '\0'));
}

TEST_F(HeroScreenTest, ABeaconThatCannotBeReachedOrAnItemInHandKeepsTheBeacon) {
    GameState.HeroX = GameState.HeroY = 5;
    for (const auto& [level, x, missingLevel] : {std::tuple(77, 20, true), std::tuple(0, 50, false)}) {
        GameState.Beacon[0] = int16_t(level);  // an erased level, a square off the map
        GameState.Beacon[1] = int16_t(x);
        GameState.Beacon[2] = 30;
        host.texts.clear();
        host.effects.clear();
        ClickAt(545, 55);
        if (missingLevel) TapKey(13);
        TapKey(27);
        Run([] { RunHeroScreen(0); });
        EXPECT_EQ(TextShown(host, "  Level does not exist!"), missingLevel) << level;
        EXPECT_EQ(std::count(host.effects.begin(), host.effects.end(), "No"), 1) << level;
        EXPECT_EQ(std::tuple(GameState.Beacon[0], GameState.Beacon[1]), std::tuple(level, x));
        EXPECT_EQ(std::tuple(GameState.HeroX, GameState.HeroY), std::tuple(5, 5));
    }

    GameState.Beacon[1] = 20;  // reachable, but refused while an item is in hand, as Quit is
    const int16_t held = Carry(60, 0, 0);
    ClickCell(0, 0);
    // The cursor rests on the beacon a whole pass, so the screen reads the press there; held, as
    // the screen refuses it.
    host.MoveMouse(545, 55).Wait(100).Hold(1, 40);
    ClickCell(0, 0);
    TapKey(27);
    Run([] { RunHeroScreen(2); });
    EXPECT_EQ(GameState.Beacon[0], 0);
    EXPECT_EQ(std::tuple(GameState.HeroX, GameState.HeroY), std::tuple(5, 5));
    EXPECT_EQ(GameState.Backpack[0][0], held);
    EXPECT_EQ(CursorItem, -1);
}

TEST_F(HeroScreenTest, BoxesOfTheStatsSkillsAndLorePages) {
    GameState.Skills[kDisarmTraps] = GameState.BaseSkills[kDisarmTraps] = 3;
    GameState.LoreKnown[0] = 1;
    ClickAt(370, 195 + 14 + 5);      // Strength
    ClickAt(520, 340, 2);            // gold
    TapKey('S');
    ClickAt(400, 140, 2);            // the first row: Disarm Traps
    ClickAt(400, 140);
    ClickAt(460, 115, 2);            // "CapStat"
    ClickAt(400, 375, 2);            // the skill points line
    TapKey('L');
    ClickAt(400, 200, 2);
    TapKey(27);
    Run([] { RunHeroScreen(0); });
    for (const char* title : {"Strength", "Gold Pieces (Gp)", "Current Skill Points: 3", "Skill is currently unmodifed!", "Capstats",
                              "Bonus Skill Points", "Lores"})
        EXPECT_TRUE(TextShown(host, title)) << title;
}

TEST_F(HeroScreenTest, SlotModesAndTheSummonDialog) {
    ClickAt(50, 143);  // missile mode
    host.Press(17);
    TapKey('U');
    host.Release(17);
    TapKey('Q');  // leaves the dialog
    ClickAt(20, 140);  // melee mode again
    ClickAt(50, 143);
    TapKey(27);
    Run([] { RunHeroScreen(2); });
    EXPECT_TRUE(TextShown(host, "Summon Item"));
    EXPECT_EQ(GameState.MeleeMode, 0u);
    EXPECT_TRUE(Shows(BackSurface, 13, 137, EquipSlotShade));
}

// Where the mode is switched the screen says so in melee mode too: the picture carries the
// melee captions at both places, which the missile captions cover in the other mode.
TEST_F(HeroScreenTest, MeleeCaptionsStandWhereTheMissileOnesGo) {
    TapKey(27);
    Run([] { RunHeroScreen(0); });
    const Surface& missile = *EquipSlotShade;
    int same = 0, unlike = 0, shown = 0;
    for (int32_t r = 0; r < missile.height; ++r)
        for (int32_t c = 0; c < missile.width; ++c) {
            if (missile.keyed && missile.Row(r)[c] == missile.key) continue;
            const uint16_t weapon = BackSurface->Row(137 + r)[13 + c], shield = BackSurface->Row(260 + r)[252 + c];
            same += weapon == shield;
            unlike += weapon != missile.Row(r)[c];
            ++shown;
        }
    EXPECT_EQ(same, shown) << "the two places show one caption";
    EXPECT_GT(unlike, shown / 10) << "the melee caption is not the missile one";

    ClickAt(50, 143);
    TapKey(27);
    Run([] { RunHeroScreen(0); });
    EXPECT_TRUE(Shows(BackSurface, 252, 260, EquipSlotShade));
}

TEST_F(HeroScreenTest, InvalidItemsAreRemovedWhereTheyAre) {
    Item(713, 34, 0, "Last");
    GameState.ItemInstances[3] = {713, 0, 0, 0, 0};
    GameState.ItemInstances[4] = {714, 0, 0, 0, 0};
    GameState.ItemInstances[5] = {-5, 0, 0, 0, 0};
    GameState.Backpack[0][0] = 3;
    GameState.BagOfHolding[2][2] = 4;
    GameState.Vaults[1][7] = 5;
    TapKey(13);
    TapKey(13);
    Run([] {
        DrawInstance(3, 10, 10);
        DrawInstance(4, 10, 10);
        DrawInstance(5, 10, 10);
    });
    EXPECT_EQ(std::tuple(GameState.Backpack[0][0], GameState.ItemInstances[3].ItemNumber), std::tuple(3, 713));
    EXPECT_EQ(std::tuple(GameState.BagOfHolding[2][2], GameState.ItemInstances[4].ItemNumber), std::tuple(-1, -1));
    EXPECT_EQ(std::tuple(GameState.Vaults[1][7], GameState.ItemInstances[5].ItemNumber), std::tuple(-1, -1));
    EXPECT_EQ(CountOf("Invalid item removed!"), 2u);
    EXPECT_TRUE(TextShown(host, "714"));

    // A held item near the edge is drawn whole.
    Item(70, 34, 403);
    GameState.ItemInstances[6] = {70, 0, 0, 0, 0};
    DrawInstance(6, 630, 470);
    EXPECT_TRUE(Shows(BackSurface, 638 - 61, 478 - 61, ItemPictures[403]));
}

TEST_F(HeroScreenTest, TattooInformation) {
    GameState.Tattoos[2] = GameState.Tattoos[7] = 1;
    ClickAt(110, 430, 2);
    TapKey(27);
    Run([] { RunHeroScreen(0); });
    EXPECT_TRUE(TextShown(host, "Tattoos:"));
    EXPECT_TRUE(TextShown(host, "Dolphin tattoo"));
    EXPECT_TRUE(TextShown(host, "+1 Agility."));
    EXPECT_FALSE(TextShown(host, "Phoenix tattoo"));
}

}  // namespace
