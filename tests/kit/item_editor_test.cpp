// The item editor and picker: the item-number entry, stepping through a category, fields by
// type, the list pages and the ways out of both modes.
#include "kit/db/item_editor.h"

#include <algorithm>

#include "data/item_records.h"
#include "kit/db/item_categories.h"
#include "platform/display.h"
#include "platform/fonts.h"
#include "platform/source_rects.h"
#include "tests/kit/db_test.h"
#include "tests/support/surface_match.h"

namespace {

class ItemEditorTest : public DbEditorTest {
protected:
    int16_t Pick() {
        int16_t result = -99;
        Run([&] { result = RunItemEditor(1); });
        return result;
    }
    void ClickTab(int category) { ClickAt(35 + 60 * (category % 9) + 5, 65 + 22 * (category / 9) + 5); }
    // A click where nothing answers: held, since nothing reads it.
    void ClickNothingAt(int x, int y) { host.MoveMouse(x, y).Wait(100).Hold(1, 20); }
    void ClickStep(int button) { ClickAt(50 + 50 * button + 5, 415); }  // -10, Prev, Next, +10
};

TEST_F(ItemEditorTest, ItemNumberEntryTriesBlocksThenTheListsButNotTheAlienList) {
    struct Case {
        const char* typed;
        int then;  // a key after the entry, 0 none
        int16_t picked;
        bool undefined;
    };
    const Case cases[] = {
        {"643", 0, 627, false},  // the Custom page's block, although 643 is a crossbow
        {"609", 0, 599, false},  // the Quest block before the Dragon list
        {"357", 'P', 186, false},  // Easter, the first list that holds it
        {"237", 'N', 238, false},  // the first of its two places in Special
        {"0", 0, 30, true},     {"700", 0, 30, true}, {"64", 0, 30, true},  {"65", 0, 30, true},
        {"228", 0, 30, true},   {"229", 0, 30, true}, {"426", 0, 30, true}, {"656", 0, 30, true},
        {"691", 0, 30, true},
    };
    for (const Case& c : cases) {
        host.texts.clear();
        EnterAt(150, 161, c.typed);
        if (c.undefined) TapKey(kEnter);  // the box
        if (c.then) TapKey(c.then);
        TapKey('S');
        EXPECT_EQ(Pick(), c.picked) << c.typed;
        EXPECT_EQ(TextShownAt(host, "Item not defined!", 80, 90), c.undefined) << c.typed;
    }
}

TEST_F(ItemEditorTest, StepsStopAtTheEndOfAListAndNeverOnAnEmptyEntry) {
    // Amulets: 30..37, 153, 154, 155.
    struct Case {
        std::vector<int> buttons;
        int16_t picked;
    };
    const Case cases[] = {
        {{3}, 155},           // +10 lands on the last item
        {{3, 2}, 155},        // Next there stays
        {{3, 3, 0}, 30},      // +10 twice is still the last; -10 back to the first
        {{1}, 30},            // Prev at the first stays
        {{2, 2, 1}, 31},
    };
    for (const Case& c : cases) {
        for (int b : c.buttons) ClickStep(b);
        TapKey('S');
        EXPECT_EQ(Pick(), c.picked);
    }
}

TEST_F(ItemEditorTest, AnAmuletTurnedWeaponShowsAndTakesTheWeaponFieldsAtOnce) {
    ItemTable[30].ItemType = 6;
    TapKey(kEsc);
    Pick();
    for (const char* label : {"Req Strength:", "Damage:", "Ghost Touch Weapon?:", "Pc Icon:", "Element type:"})
        EXPECT_FALSE(TextShown(host, label)) << label;
    EXPECT_TRUE(TextShown(host, "Strength bonus of X (Worn)."));

    host.texts.clear();
    ClickAt(105, 215);
    ChooseRow(100, 210, 0);    // "1H Weapon"
    EnterAt(140, 251, "12");   // Req Strength
    ClickAt(385, 296);         // ghost touch
    ClickAt(105, 235);
    ChooseRow(100, 230, 2);    // Pc icon "Axe (1H)"
    ClickAt(145, 318);
    ChooseRow(140, 153, 4);    // Fire
    ClickAt(145, 340);
    ChooseRow(140, 65, 6);     // Dragon
    TapKey(kEsc);
    Pick();
    const ItemRecord& item = ItemTable[30];
    EXPECT_EQ(item.ItemType, 0);
    EXPECT_EQ(item.ItemReqStrength, 12);
    EXPECT_EQ(item.ItemGhostTouch, 1u);
    EXPECT_EQ(item.ItemPcIcon, 2);
    EXPECT_EQ(item.ItemElement, 4);
    EXPECT_EQ(item.ItemSlayType, 6);
    EXPECT_TRUE(TextShown(host, "x3 damage to this monster type"));
    EXPECT_TRUE(TextShown(host, "One handed melee weapon. Bonus damage of X (Equip), +Y Combat (equip)."));
    EXPECT_FALSE(TextShown(host, "Armour bonus:"));
}

TEST_F(ItemEditorTest, BowsAndCrossbowsHaveNoElementFields) {
    ItemTable[30].ItemType = 6;
    for (int16_t n : {403, 404, 643}) ItemTable[size_t(n)].ItemType = 20;
    ClickTab(8);  // Crossbow: 403, 404, 643, then the bolts
    for (int step = 0; step < 3; ++step) {
        if (step > 0) ClickStep(2);
        ClickNothingAt(145, 318);  // where the element field would be: no list opens
        ClickNothingAt(145, 340);
    }
    TapKey(kEsc);
    Pick();
    EXPECT_TRUE(TextShown(host, "Damage:"));
    EXPECT_FALSE(TextShown(host, "Element type:"));
    EXPECT_FALSE(TextShown(host, "Slay type:"));
    EXPECT_EQ(ItemTable[643].ItemElement, 0);
}

// An item number's note shows whole when the item is typed as a weapon: the weapon form's
// fields leave its place as it is on a page without them.
TEST_F(ItemEditorTest, AnItemsNoteStandsClearOfTheWeaponForm) {
    const auto page = [&](int16_t item, int16_t type) {
        ItemTable[size_t(item)].ItemType = type;
        host.texts.clear();
        DrawItemEditor(2, item, 0, 0);
    };
    const std::pair<int16_t, std::string_view> notes[] = {
        {655, "Special: "}, {314, "Special: "}, {433, "Special: "},  {112, "Special: "},     {113, "Special: "},
        {688, "Special: "}, {689, "Special: "}, {690, "Special: "},  {91, "Can walk"},       {90, "Strength bonus"},
        {649, "Acid Res"},  {650, "Cold Res"},  {651, "Electrical"}, {652, "Fire Resistance"}};
    for (const auto& [item, start] : notes) {
        page(item, 47);  // "???": no field below the type
        const auto note = std::find_if(host.texts.begin(), host.texts.end(),
                                       [start](const host::TextRecord& t) { return t.text.starts_with(start); });
        ASSERT_NE(note, host.texts.end()) << item;
        const Rect area{note->x, note->y, note->x + kSmallAdvance * int32_t(note->text.size()),
                        note->y + SmallGlyphRect.Height()};
        const Surface alone = Snapshot(BackSurface);
        for (int16_t type : {0, 1, 2, 19, 20}) {
            page(item, type);
            EXPECT_TRUE(TextShown(host, "Slay type:")) << item << " " << type;
            EXPECT_TRUE(SameIn(alone, BackSurface, area)) << item << " " << type;
        }
    }
}

// A bow or crossbow of a new number shows the slay type row (335..355); its line on the damage
// type stands below it.
TEST_F(ItemEditorTest, ABowsDamageTypeLineStandsClearOfTheSlayTypeRow) {
    for (int16_t type : {19, 20}) {
        ItemTable[500].ItemType = type;
        host.texts.clear();
        DrawItemEditor(2, 500, 0, 0);
        const auto line = std::find_if(host.texts.begin(), host.texts.end(),
                                       [](const host::TextRecord& t) { return t.text.starts_with("Damage TYPE"); });
        ASSERT_NE(line, host.texts.end()) << type;
        EXPECT_TRUE(TextShown(host, "Slay type:")) << type;
        EXPECT_GT(line->y, 355) << type;
    }
}

TEST_F(ItemEditorTest, TheShortBlockHasNoRightCellsBelowItsFourthRow) {
    std::filesystem::remove(DataPath("Item.dat"));
    ClickTab(kQuestCategory);
    ClickStep(3);                       // block 599
    ClickNothingAt(335, 150 + 29 * 5 + 5);  // an empty right picture
    ClickNothingAt(375, 155 + 29 * 6 + 5);  // an empty right name: no entry opens
    ClickAt(335, 150 + 29 * 3 + 5);     // 610
    EXPECT_EQ(Pick(), 610);
    EXPECT_FALSE(std::filesystem::exists(DataPath("Item.dat")));  // a picture click saves nothing
    for (int n = 599; n <= 610; ++n) EXPECT_TRUE(TextShown(host, std::to_string(n))) << n;
    EXPECT_FALSE(TextShown(host, "611"));
}

TEST_F(ItemEditorTest, ListPageNamesAreEditedAndSelectSavesTheTable) {
    ClickTab(kCustomCategory);  // block 656
    TypeAt(370, 155 + 29 * 2, "Sunstone");  // 666
    TapKey('S');
    EXPECT_EQ(Pick(), 656);
    EXPECT_EQ(TextAt(FileBytes(DataPath("Item.dat")), 666 * 64, 32), "Sunstone");
}

TEST_F(ItemEditorTest, CancelReloadsInTheEditorAndKeepsEditsInThePicker) {
    TypeAt(100, 188, "Charm");
    TapKey(kEsc);
    TapKey(kEnter);
    Run([] { RunItemEditor(0); });
    EXPECT_TRUE(TextShownAt(host, "    Changes Aborted!", 230, 210));
    EXPECT_EQ(std::string(ItemTable[30].ItemName), "");

    TypeAt(100, 188, "Charm");
    TapKey(kEsc);
    EXPECT_EQ(Pick(), 0);
    EXPECT_EQ(std::string(ItemTable[30].ItemName), "Charm");

    TapKey('C');
    int16_t kept = 0;
    Run([&] { kept = PickItemInEditor(77); });
    EXPECT_EQ(kept, 77);
}

TEST_F(ItemEditorTest, AFailedSaveIsShownAndTheEditorStaysOpenWithItsEdits) {
    LockFile("Item.dat");
    const auto before = FileBytes(DataPath("Item.dat"));
    // Nothing edited: the caller gets the chosen item whatever the file's state.
    TapKey('N');
    TapKey('S');
    int16_t chosen = 0;
    Run([&] { chosen = PickItemInEditor(77); });
    EXPECT_EQ(chosen, 31);
    EXPECT_FALSE(TextShown(host, " Item.dat not saved!"));

    TypeAt(100, 188, "Charm");
    TapKey('S');
    TapKey(kEnter);
    TapKey('S');
    TapKey(kEnter);
    TapKey(kEsc);
    EXPECT_EQ(Pick(), 0);
    EXPECT_EQ(CountShown(" Item.dat not saved!"), 2u);
    EXPECT_EQ(std::string(ItemTable[30].ItemName), "Charm");
    EXPECT_EQ(FileBytes(DataPath("Item.dat")), before);

    host.texts.clear();
    TapKey('S');
    TapKey(kEnter);
    TapKey(kEsc);
    TapKey(kEnter);
    Run([] { RunItemEditor(0); });
    EXPECT_TRUE(TextShown(host, " Item.dat not saved!"));
    EXPECT_FALSE(TextShown(host, "  Item File Saved!"));
}

}  // namespace
