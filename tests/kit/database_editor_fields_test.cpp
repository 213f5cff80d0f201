// The item and monster editors' dice, check boxes and universal multiplier driven through
// their screens, and the bytes a successful Save writes.
#include <cstring>
#include <vector>

#include "data/game_state.h"
#include "data/item_records.h"
#include "data/monster_records.h"
#include "kit/db/database_editors.h"
#include "kit/db/item_editor.h"
#include "tests/kit/db_test.h"

namespace {

constexpr size_t kItemBytes = 64, kMonsterBytes = 136;

class DatabaseFieldsTest : public DbEditorTest {
protected:
    // The dice box at (100, 120): count, sides and bonus typed, then OK or Cancel.
    void EnterDice(const char* count, const char* sides, const char* bonus, bool ok = true) {
        EnterAt(130, 170, count);
        EnterAt(190, 170, sides);
        EnterAt(250, 170, bonus);
        TapKey(ok ? 'O' : 'C');
    }
    static std::vector<int16_t> Dice(const std::vector<uint8_t>& bytes, size_t at) {
        return {I16At(bytes, at), I16At(bytes, at + 2), I16At(bytes, at + 4)};
    }
    void ClickMonsterTab(int tab) { ClickAt(30 + 80 * tab + 5, 155); }
};

// A weapon's two dice, then Save: the message, and a file that is the table byte for byte.
TEST_F(DatabaseFieldsTest, ItemDiceAndASuccessfulSave) {
    ItemTable[30].ItemType = 0;  // the first Amulet made a one-handed weapon
    ClickAt(145, 296);           // "Damage:"
    EnterDice("2", "8", "3");
    ClickAt(305, 318);           // "damage:" of the element
    EnterDice("1", "6", "0");
    ClickAt(145, 296);
    EnterDice("9", "9", "9", false);
    TapKey('S');
    TapKey(kEnter);
    Run([] { RunItemEditor(0); });
    EXPECT_TRUE(TextShown(host, "Damage"));
    EXPECT_TRUE(TextShown(host, "Elemental damage"));
    EXPECT_TRUE(TextShown(host, "2d8+3"));
    EXPECT_TRUE(TextShownAt(host, "  Item File Saved!", 230, 210));
    const auto bytes = FileBytes(DataPath("Item.dat"));
    ASSERT_EQ(bytes.size(), kItemBytes * ItemTable.size());
    EXPECT_EQ(Dice(bytes, 30 * kItemBytes + 42), (std::vector<int16_t>{2, 8, 3}));
    EXPECT_EQ(Dice(bytes, 30 * kItemBytes + 54), (std::vector<int16_t>{1, 6, 0}));
    EXPECT_EQ(I16At(bytes, 30 * kItemBytes + 34), 0);
    EXPECT_EQ(std::memcmp(bytes.data(), ItemTable.data(), bytes.size()), 0);
}

// Every check box flips its own switch and no other; Save writes them.
TEST_F(DatabaseFieldsTest, MonsterCheckBoxesFlipTheirSwitches) {
    const struct {
        int tab;  // -1: the header, on every tab
        int x, y;
        size_t offset;
    } boxes[] = {
        {-1, 250, 66, 100},  // "Unique?"
        {0, 170, 238, 104},  // "GhostTouch to hit?:"
        {0, 350, 238, 96},   // "Fear inducing?"
        {0, 150, 310, 72},   // "Open Doors?"
        {0, 150, 330, 76},   // "Water walk?"
        {0, 150, 350, 84},   // "Walk Thr Walls?"
        {0, 360, 310, 88},   // "Immune spell?"
        {0, 360, 350, 80},   // "Detect Invisible?"
        {0, 360, 370, 124},  // "Fly (over pits)?"
        {3, 340, 336, 128},  // "Monster unkillable if NOT on active ghost txt"
        {3, 400, 358, 92},   // "Immune to Nemesis Da, ..."
    };
    for (const auto& box : boxes) {
        std::vector<uint8_t> before(kMonsterBytes * MonsterTable.size());
        std::memcpy(before.data(), MonsterTable.data(), before.size());
        EnterAt(150, 66, "5");
        if (box.tab >= 0) ClickMonsterTab(box.tab);
        ClickAt(box.x + 7, box.y + 7);
        const auto after = SavedFile([] { RunMonsterEditor(); }, "Monster.dat");
        ASSERT_EQ(after.size(), before.size());
        const size_t at = 5 * kMonsterBytes + box.offset;
        EXPECT_EQ(U32At(after, at), U32At(before, at) == 0 ? 1u : 0u) << box.offset;
        for (size_t i = 0; i < after.size(); ++i) {
            if (i < at || i >= at + 4) {
                ASSERT_EQ(after[i], before[i]) << box.offset << " byte " << i;
            }
        }
    }
}

// The melee, elemental and missile dice; the universal multiplier lives in record 0 whatever
// monster is shown, and Autocalc uses the one just chosen.
TEST_F(DatabaseFieldsTest, MonsterDiceAndTheUniversalMultiplier) {
    GameState.HeroLevel = 1;
    MonsterTable[5] = MonsterRecord{};
    MonsterTable[5].MonsterType = 1;
    MonsterTable[5].MonsterMeleeSkill = 10;  // 10 x 0.8 = 8, then x1.5 = 12
    MonsterTable[5].UniversalXpMultiplier = 4;
    EnterAt(150, 66, "5");
    ClickMonsterTab(1);
    ClickAt(135, 250);  // "Damage:"
    EnterDice("2", "10", "5");
    ClickAt(305, 272);  // "amount:"
    EnterDice("1", "4", "0");
    ClickMonsterTab(2);
    ClickAt(135, 272);  // the missile's "Damage:"
    EnterDice("3", "6", "900");
    ClickAt(135, 272);
    EnterDice("20", "100", "1", false);
    ClickMonsterTab(4);
    ClickAt(205, 355);  // "Universal XP multiplier:"
    ChooseRow(200, 200, 7);
    ClickAt(255, 295);  // "Autocalc"
    TapKey('S');
    TapKey(kEnter);
    Run([] { RunMonsterEditor(); });
    EXPECT_TRUE(TextShown(host, "x1.5"));
    const auto bytes = FileBytes(DataPath("Monster.dat"));
    const size_t m = 5 * kMonsterBytes;
    EXPECT_EQ(Dice(bytes, m + 44), (std::vector<int16_t>{2, 10, 5}));
    EXPECT_EQ(Dice(bytes, m + 52), (std::vector<int16_t>{1, 4, 0}));
    EXPECT_EQ(Dice(bytes, m + 110), (std::vector<int16_t>{3, 6, 900}));
    EXPECT_EQ(I16At(bytes, 20), 7);      // record 0's multiplier
    EXPECT_EQ(I16At(bytes, m + 20), 4);  // the shown monster's own word is not it
    EXPECT_EQ(I16At(bytes, m + 118), 12);
}

}  // namespace
