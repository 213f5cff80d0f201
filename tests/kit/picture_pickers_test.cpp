// The monster and NPC picture pickers: cells against their pages, page cycling and Done.
#include "kit/db/picture_pickers.h"

#include <functional>
#include <vector>

#include "tests/kit/db_test.h"

namespace {

class PicturePickerTest : public DbEditorTest {};

struct PickCase {
    std::vector<int> keys;  // page keys pressed first
    int x, y;               // the cell's top-left corner
    int16_t picked;
};

TEST_F(PicturePickerTest, MonsterPagesOfferTheFirstOfEachFourFacings) {
    const PickCase cases[] = {
        {{}, 23 + 32 * 3, 30 + 32 * 2, 108},      // Pg1 row 2, column 3
        {{'2'}, 23 + 32 * 11, 30 + 32 * 9, 860},  // Pg2's last cell
        {{'3'}, 23 + 65 * 5, 126, 1136},          // Pg3's short last row
        {{'4'}, 23, 30 + 65, 1188},
        {{'5'}, 450, 150, 1356},                  // the two large singles
        {{'5'}, 450, 250, 1360},
        {{'5', '1'}, 23, 30, 0},
        {{'C'}, 23 + 32 * 11, 95, 1744},
        {{'C'}, 23 + 64 * 3, 135, 1760},
        {{'C'}, 23 + 64, 255, 1784},
    };
    for (const PickCase& c : cases) {
        for (int k : c.keys) TapKey(k);
        ClickAt(c.x + 10, c.y + 10);
        int16_t picked = -99;
        Run([&] { picked = PickMonsterPicture(5); });
        EXPECT_EQ(picked, c.picked) << c.x << "," << c.y;
        EXPECT_EQ(picked % 4, 0);
    }
}

TEST_F(PicturePickerTest, NpcPagesCycleOnTheirButtons) {
    const int monster = '1';
    const auto npc = [&] { ClickAt(255, 400); };
    const auto custom = [&] { ClickAt(355, 400); };
    struct Case {
        std::function<void()> pages;
        int x, y;
        int16_t picked;
    };
    const Case cases[] = {
        {[] {}, 23, 30, 1364},                                             // opens on page 13
        {npc, 23 + 32 * 13, 30 + 32 * 9, 1699},                            // 14's short last row
        {[&] { npc(); npc(); }, 23, 30, 1364},                             // NPC on 14 goes back to 13
        {[&] { TapKey(monster); }, 23, 30, 0},                             // any other page: Monster 1
        {[&] { for (int i = 0; i < 5; ++i) TapKey(monster); }, 23 + 32 * 15, 30 + 32 * 9, 799},
        {[&] { for (int i = 0; i < 6; ++i) TapKey(monster); }, 23, 30, 0},  // page 5 wraps to 1
        {[&] { TapKey(monster); npc(); }, 23, 30 + 32, 1380},              // Monster page: NPC gives 13
        {custom, 23 + 32 * 15, 30 + 32 * 2, 1747},
        {[&] { custom(); TapKey(monster); }, 23 + 32, 30, 1},
    };
    for (const Case& c : cases) {
        c.pages();
        ClickAt(c.x + 10, c.y + 10);
        int16_t picked = -99;
        Run([&] { picked = PickNpcPicture(7, 1); });
        EXPECT_EQ(picked, c.picked) << c.x << "," << c.y;
    }
}

TEST_F(PicturePickerTest, DoneGivesBackTheValueItWasGiven) {
    for (int16_t given : {-1, 9, 1400}) {
        TapKey(kEsc);
        int16_t picked = -99;
        Run([&] { picked = PickNpcPicture(given, 0); });
        EXPECT_EQ(picked, given);
        ClickAt(425, 400);
        Run([&] { picked = PickMonsterPicture(given); });
        EXPECT_EQ(picked, given);
    }
    EXPECT_TRUE(TextShown(host, "Click on same button for multiple sets"));
}

}  // namespace
