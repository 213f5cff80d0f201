// Fonts, the drawn controls and the tab row: where every piece and text goes.
#include "platform/widgets.h"

#include "platform/display.h"
#include "platform/fonts.h"
#include "platform/tabs.h"
#include "tests/support/headless_test.h"
#include "tests/support/surface_match.h"

namespace {

class WidgetsTest : public HeadlessTest {
protected:
    void SetUp() override {
        HeadlessTest::SetUp();
        OpenDisplay();
        Clear(BackSurface);
    }
    // The pieces of one row from x, 20 pixels apart.
    void ExpectRow(int32_t x, int32_t y, std::initializer_list<int> pieces) {
        for (int piece : pieces) {
            EXPECT_TRUE(Shows(BackSurface, x, y, UiIcons[size_t(piece)])) << "piece " << piece << " at " << x << "," << y;
            x += 20;
        }
    }
    bool Blank(int32_t x, int32_t y, int32_t w, int32_t h) {
        for (int32_t r = y; r < y + h; ++r)
            for (int32_t c = x; c < x + w; ++c)
                if (BackSurface->Row(r)[c] != 0) return false;
        return true;
    }
};

// Texts go over the pieces, so the pieces are checked with empty texts.
TEST_F(WidgetsTest, ButtonFieldAndChoiceField) {
    DrawButton(190, 75, 3, "");
    ExpectRow(190, 75, {5, 6, 7});
    DrawButton(300, 75, 1, "");  // a width below 2 still draws both ends
    ExpectRow(300, 75, {5, 7});
    DrawTextField(100, 200, 4, "");
    ExpectRow(100, 200, {0, 1, 1, 2});
    DrawChoiceField(100, 300, 3, "");
    ExpectRow(100, 300, {0, 1, 2, 70});
    EXPECT_TRUE(host.texts.empty());

    DrawButton(190, 75, 3, "OK");
    DrawButton(300, 75, 1, "X");
    DrawTextField(100, 200, 4, "Name");
    DrawChoiceField(100, 300, 3, "Pick");
    ASSERT_EQ(host.texts.size(), 4u);
    EXPECT_EQ(host.texts[0].x, 214);
    EXPECT_EQ(host.texts[0].y, 81);
    EXPECT_EQ(host.texts[1].x, 300 + (20 - 6) / 2);
    EXPECT_EQ(host.texts[2].x, 110);
    EXPECT_EQ(host.texts[2].y, 206);
    EXPECT_EQ(host.texts[3].text, "Pick");
}

TEST_F(WidgetsTest, PanelRowsForEachStyle) {
    DrawPanel(0, 0, 3, 3, 0, "ignored");
    ExpectRow(0, 0, {43, 44, 45});
    ExpectRow(0, 20, {48, 16, 50});
    ExpectRow(0, 40, {46, 49, 47});
    EXPECT_TRUE(host.texts.empty());

    DrawPanel(100, 100, 4, 4, 1, "");
    ExpectRow(100, 100, {60, 61, 61, 62});
    ExpectRow(100, 120, {63, 64, 64, 65});
    ExpectRow(100, 140, {48, 16, 16, 50});
    ExpectRow(100, 160, {46, 49, 49, 47});
    EXPECT_TRUE(Blank(100, 180, 80, 20));
    DrawPanel(100, 100, 4, 4, 1, "Dice");
    ASSERT_EQ(host.texts.size(), 1u);
    EXPECT_EQ(host.texts[0].x, 100 + 40 - 20);
    EXPECT_EQ(host.texts[0].y, 113);
    EXPECT_EQ(host.texts[0].colour, 273);
}

TEST_F(WidgetsTest, CheckBoxAndDivider) {
    DrawCheckBox(10, 10, 1);
    DrawCheckBox(40, 10, 0);
    DrawDivider(100, 10, 3);
    ExpectRow(10, 10, {4});
    ExpectRow(40, 10, {3});
    ExpectRow(100, 10, {10, 10, 10});
    EXPECT_TRUE(Blank(160, 10, 20, 20));
}

TEST_F(WidgetsTest, TextColoursSpacesAndForeignCharacters) {
    DrawBigText(100, 100, "A b", 91);
    EXPECT_TRUE(Shows(BackSurface, 100, 100, BigGlyphs['A' - 32 + 91]));
    EXPECT_TRUE(Shows(BackSurface, 120, 100, BigGlyphs['b' - 32 + 91]));
    EXPECT_TRUE(Blank(110, 100, 10, 18));  // a space shows what lies under it

    // Bytes outside 32..122 advance without drawing; the text still records whole.
    DrawSmallText(10, 300, "\x01Z{\xE9z", 273);
    EXPECT_TRUE(Blank(10, 300, 6, 10));
    EXPECT_TRUE(Shows(BackSurface, 16, 300, SmallGlyphs['Z' - 32 + 273]));
    EXPECT_TRUE(Blank(22, 300, 12, 10));
    EXPECT_TRUE(Shows(BackSurface, 34, 300, SmallGlyphs['z' - 32 + 273]));
    ASSERT_EQ(host.texts.size(), 2u);
    EXPECT_EQ(host.texts[1].text, "\x01Z{\xE9z");

    // A fixed field read from a file ends at its zero; one without a zero ends at its size.
    const char field[4] = {'a', 'b', 'c', 'd'};
    DrawSmallText(0, 0, std::string_view(field, sizeof field), 0);
    DrawSmallText(0, 0, std::string_view("ab\0cd", 5), 0);
    EXPECT_EQ(host.texts[2].text, "abcd");
    EXPECT_EQ(host.texts[3].text, "ab");
}

TEST_F(WidgetsTest, TabRow) {
    DrawTabRow(10, 50, 3, 1, {}, 4);
    ExpectRow(10, 50, {76, 77, 77, 78, 73, 74, 74, 75, 76, 77, 77, 78});
    DrawTabRow(10, 50, 3, 1, {"Stats", "Skills", "Lore"}, 4);
    ASSERT_EQ(host.texts.size(), 3u);
    EXPECT_EQ(host.texts[1].text, "Skills");
    EXPECT_EQ(host.texts[1].x, 10 + 80 + 6);
    EXPECT_EQ(host.texts[1].y, 57);

    Clear(BackSurface);
    host.texts.clear();
    DrawTabRow(0, 100, 12, -1, {}, 2);  // at most nine, none selected
    for (int i = 0; i < 9; ++i) ExpectRow(40 * i, 100, {76, 78});
    EXPECT_TRUE(Blank(360, 100, 40, 20));
    DrawTabRow(0, 100, 12, -1, {"1", "2", "3", "4", "5", "6", "7", "8", "9", "10", "11", "12"}, 2);
    EXPECT_EQ(host.texts.size(), 9u);
}

TEST(NumberText, WritesTheScratch) {
    EXPECT_EQ(NumberText(-32768), "-32768");
    EXPECT_STREQ(TextScratch.data(), "-32768");
    EXPECT_EQ(NumberText(0), "0");
}

}  // namespace
