// Shown names with bonuses, charges and curses, the description panel's lines and the item
// notes.
#include "hero/item_names.h"

#include <algorithm>
#include <cstring>
#include <string>
#include <tuple>

#include "hero/item_info.h"
#include "tests/hero/hero_test.h"

namespace {

class ItemNamesTest : public HeroTest {
protected:
    static std::string Name(int16_t item, int16_t x, int16_t y, uint32_t known) {
        char name[kItemNameSize];
        ItemDisplayName(item, x, y, known, name);
        return name;
    }
    // The texts of the lines, blank lines left out.
    static std::vector<std::string> Texts(const ItemText& t) {
        std::vector<std::string> out;
        for (int i = 0; i < t.count; ++i)
            if (!t.lines[i].text.empty()) out.push_back(t.lines[i].text);
        return out;
    }
    static const ItemTextLine* Find(const ItemText& t, const std::string& text) {
        for (int i = 0; i < t.count; ++i)
            if (t.lines[i].text == text) return &t.lines[i];
        return nullptr;
    }
    static ItemText Notes(int16_t type, int16_t item, int16_t x, int16_t y, int* count = nullptr) {
        ItemText t;
        const int n = ItemNoteLines(type, item, 100, x, y, t);
        if (count) *count = n;
        return t;
    }
    using Lines = std::vector<std::string>;
};

TEST_F(ItemNamesTest, BonusesChargesAndCurses) {
    Item(300, 0, 0, "Sword");
    Item(15, 10, 0, "Ring of Mind");
    Item(11, 10, 0, "Acid Ring");
    Item(36, 6, 0, "Amulet");
    Item(263, 18, 0, "Wand");
    Item(24, 12, 0, "Ruby");
    Item(140, 47, 0, "Device");
    EXPECT_EQ(Name(300, 2, 1, 0), "Sword +1/+2");
    EXPECT_EQ(Name(15, 10, 0, 0), "Ring of Mind +10%");
    EXPECT_EQ(Name(11, -3, 0, 0), "Acid Ring + 3");
    EXPECT_EQ(Name(11, -3, 0, 1), "Acid Ring");
    EXPECT_EQ(Name(36, 5, 0, 0), "Amulet +5%");
    EXPECT_EQ(Name(263, 4, 7, 0), "Wand (7)");
    EXPECT_EQ(Name(24, 1, 0, 0), "Flawless Ruby");
    EXPECT_EQ(Name(140, 5, 0, 0), "Device");
    EXPECT_EQ(Name(714, 1, 1, 0), "");
}

TEST_F(ItemNamesTest, NamesAreReadAndWrittenBounded) {
    ItemRecord& r = Item(300, 34);
    std::memset(r.ItemName, 'A', sizeof r.ItemName);  // no terminator in the record
    const std::string name = Name(300, 12, 0, 0);
    EXPECT_EQ(name, std::string(32, 'A') + " +12");
    char small[6];
    ItemDisplayName(300, 12, 0, 0, small);
    EXPECT_STREQ(small, "AAAAA");
}

TEST_F(ItemNamesTest, NotesOfRingsWandsAndWeapons) {
    EXPECT_EQ(Texts(Notes(10, 17, 0, 0)), Lines{"Petrification immunity!"});
    EXPECT_EQ(Texts(Notes(10, 12, 5, 0)), Lines{"Cold resist bonus +5"});

    const ItemText empty = Notes(18, 263, 4, 0);
    EXPECT_EQ(Texts(empty), (Lines{"Elect damage (1x1)!", "Charges depleted!"}));
    EXPECT_EQ(empty.lines[0].colour, kPlainText);
    EXPECT_EQ(empty.lines[1].colour, kWarningText);
    EXPECT_EQ(Texts(Notes(18, 263, 4, 5)), (Lines{"Elect damage (1x1)!", "Damage: 4d8", "Charges: 5"}));

    ItemRecord& axe = Item(300, 1);
    axe.ItemDamage[0] = 2;
    axe.ItemDamage[1] = 6;
    EXPECT_EQ(Texts(Notes(1, 300, 0, 0)), Lines{"Damage: 2d6"});
    axe.ItemDamage[2] = 1;
    axe.ItemElement = 4;
    axe.ItemElementDamage[0] = 1;
    axe.ItemElementDamage[1] = 4;
    axe.ItemSlayType = 6;
    EXPECT_EQ(Texts(Notes(1, 300, -2, 0)), (Lines{"Damage: 2d6+3", "plus 1d4 fire damage", "Dragon slayer!"}));
    axe.ItemSlayType = 40;  // no such monster type: no line
    axe.ItemElement = 9;
    EXPECT_EQ(Texts(Notes(1, 300, 0, 0)), Lines{"Damage: 2d6+1"});
}

TEST_F(ItemNamesTest, NoteLinesAndTheirCount) {
    int count = -1;
    Notes(7, 91, 0, 0, &count);  // a blank, the line, and one more
    EXPECT_EQ(count, 2);
    const ItemText skull = Notes(34, 606, 0, 0, &count);
    EXPECT_EQ(Texts(skull), (Lines{"Worthless trash!", "The skull appears somewhat", "gracile."}));
    EXPECT_EQ(count, 4);
    EXPECT_EQ(Find(skull, "gracile.")->y, 160);

    Item(91, 7).ItemArmourBonus = 2;
    EXPECT_EQ(Texts(Notes(7, 91, 1, 0)), (Lines{"Armour Points: 3", "Water Walk power!"}));
    EXPECT_EQ(Texts(Notes(41, 100, 0, 0)), (Lines{"Attacking Slimes take", "damage equal to your level!"}));
    EXPECT_EQ(Texts(Notes(47, 142, 40, 0)), (Lines{"Creates Magic barrier", "Hit Points: 40"}));
}

TEST_F(ItemNamesTest, PanelOfACursedRing) {
    Item(11, 10, 0, "Acid Ring");
    GameState.Stats[6] = 1;  // paid 10 percent
    ItemText hidden;
    ItemInfoLines(120, 11, -3, 0, 0, 1, 1, -1, 0, hidden);
    EXPECT_EQ(Texts(hidden), (Lines{"Acid Ring + 3", "Type: Ring", "Acid resist bonus +-3", "Buy: 600 Gp",
                                    "Sell: 60 Gp"}));

    ItemText known;
    ItemInfoLines(120, 11, -3, 0, 1, 1, 1, -1, 0, known);
    EXPECT_EQ(Texts(known), (Lines{"Acid Ring", "Type: Ring", "This item is cursed!", "(You cannot unequip it)",
                                   "Buy: 1 Gp", "Sell: 0 Gp"}));
    EXPECT_EQ(Find(known, "This item is cursed!")->colour, kWarningText);
}

TEST_F(ItemNamesTest, PanelOfWeaponsQuestItemsAndWands) {
    ItemRecord& dagger = Item(300, 2, 0, "Dagger");
    dagger.ItemDamage[0] = 1;
    dagger.ItemDamage[1] = 4;
    dagger.ItemGhostTouch = 1;
    dagger.ItemReqStrength = 6;
    GameState.Stats[1] = 5;
    ItemText t;
    ItemInfoLines(120, 300, 2, 1, 0, 0, 0, -1, 0, t);
    EXPECT_EQ(Texts(t), (Lines{"Dagger +1/+2", "Type: One handed weapon", "(Light weapon)", "Ghost touch weapon!",
                               "Special: +1 Combat Skill", "Special: +2 Damage", "Damage: 1d4+2",
                               "Req strength: 6"}));
    EXPECT_EQ(Find(t, "Req strength: 6")->colour, kWarningText);

    Item(500, 27, 0, "Idol");
    ItemText quest;
    ItemInfoLines(120, 500, 0, 0, 0, 1, 1, 100, 0, quest);
    EXPECT_EQ(Texts(quest).back(), "Item not for sale!");
    Item(263, 18, 0, "Wand");
    ItemText wand;
    ItemInfoLines(120, 263, 2, 0, 0, 0, 1, 100, 1, wand);
    EXPECT_EQ(Texts(wand).back(), "Recharge: 40 Gp");
    ItemText shop;
    ItemInfoLines(120, 263, 2, 5, 0, 0, 1, 150, 0, shop);
    EXPECT_EQ(Texts(shop).back(), "Buy: 300 Gp");  // 150% of 200
}

TEST_F(ItemNamesTest, PanelAndNotesAreDrawnWhereTheirLinesSay) {
    OpenDisplay();
    Item(25, 12, 0, "Ruby");
    ShowItemInfo(100, 120, 25, 2, 0, 0, 1, 1, 1, -1, 0);
    auto at = [&](const std::string& text) {
        for (const host::TextRecord& r : host.texts)
            if (r.text == text) return std::make_tuple(r.x, r.y, r.colour);
        return std::make_tuple(-1, -1, -1);
    };
    EXPECT_EQ(at("Flawless Ruby"), std::make_tuple(110, 150, 182));
    EXPECT_EQ(at("Type: Gemstone"), std::make_tuple(110, 174, 0));
    EXPECT_EQ(at("A precious gemstone!"), std::make_tuple(110, 189, 0));
    EXPECT_EQ(at("Buy: 225 Gp"), std::make_tuple(110, 219, 0));
    host.texts.clear();
    EXPECT_EQ(WriteItemNotes(25, 400, 50, 60, 0, 0), 1);
    EXPECT_EQ(at("and disarm traps!"), std::make_tuple(50, 75, 0));
}

}  // namespace
