// The modal list: its keys, its paging at both ends, rows and Esc.
#include "platform/list_chooser.h"

#include <cstdio>

#include "platform/display.h"
#include "tests/support/headless_test.h"
#include "tests/support/surface_match.h"

namespace {

constexpr int16_t kX = 100, kY = 50, kWidth = 6, kRows = 4;
constexpr int kUp = 38, kDown = 40, kHome = 36, kEnd = 35, kPageUp = 33, kPageDown = 34, kEsc = 27;

class ListChooserTest : public HeadlessTest {
protected:
    void SetUp() override {
        HeadlessTest::SetUp();
        OpenDisplay();
        for (size_t i = 0; i < ListItems.size(); ++i) std::snprintf(ListItems[i].data(), 30, "Row %zu", i);
    }
    // Taps the keys, then clicks visible row 1: the result is the top row the keys left.
    int16_t TopAfter(std::initializer_list<int> keys, int16_t count) {
        for (int key : keys) TapKey(key);
        ClickAt(kX + 5, kY + 45);
        int16_t result = -99;
        Run([&] { result = ChooseFromList(kX, kY, kWidth, kRows, -1, count, 0); });
        return result;
    }
};

TEST_F(ListChooserTest, KeysAndPagingStopAtBothEnds) {
    EXPECT_EQ(TopAfter({kDown, kDown}, 10), 2);
    EXPECT_EQ(TopAfter({kUp}, 10), 0);
    EXPECT_EQ(TopAfter({kEnd}, 10), 6);
    EXPECT_EQ(TopAfter({kEnd, kDown}, 10), 6);
    EXPECT_EQ(TopAfter({kEnd, kUp, kHome}, 10), 0);
    EXPECT_EQ(TopAfter({kPageDown}, 10), 4);
    EXPECT_EQ(TopAfter({kPageDown, kPageDown}, 10), 6);
    EXPECT_EQ(TopAfter({kEnd, kPageUp}, 10), 2);
    EXPECT_EQ(TopAfter({kEnd, kPageUp, kPageUp}, 10), 0);
    // No more rows than fit: nothing moves.
    EXPECT_EQ(TopAfter({kDown, kEnd, kPageDown}, 3), 0);
}

TEST_F(ListChooserTest, ArrowButtonsAndScrollColumn) {
    // The down arrow's button, clicked twice, then the up arrow's once.
    ClickAt(kX + 20 * kWidth + 5, kY + 40 + 20 * kRows + 5);
    ClickAt(kX + 20 * kWidth + 5, kY + 40 + 20 * kRows + 5);
    ClickAt(kX + 20 * kWidth + 5, kY + 25);
    ClickAt(kX + 5, kY + 45);
    int16_t result = -99;
    Run([&] { result = ChooseFromList(kX, kY, kWidth, kRows, -1, 10, 0); });
    EXPECT_EQ(result, 1);
    EXPECT_TRUE(Shows(BackSurface, kX + 20 * kWidth - 1, kY + 20, UiIcons[72]));
    EXPECT_TRUE(Shows(BackSurface, kX + 20 * kWidth - 1, kY + 40 + 20 * kRows, UiIcons[71]));

    ClickAt(kX + 5, kY + 45);
    Run([&] { ChooseFromList(kX, kY, kWidth, kRows, -1, kRows, 0); });
    EXPECT_FALSE(Shows(BackSurface, kX + 20 * kWidth - 1, kY + 20, UiIcons[72]));
}

TEST_F(ListChooserTest, RowsBeyondCountAndTheirTexts) {
    // Visible row 4 of a two-row list is still an answer: top + 4 - 1.
    ClickAt(kX + 5, kY + 20 + 80 + 5);
    int16_t result = -99;
    Run([&] { result = ChooseFromList(kX, kY, kWidth, kRows, -1, 2, 0); });
    EXPECT_EQ(result, 3);
    ASSERT_GE(host.texts.size(), 4u);
    EXPECT_EQ(host.texts[0].text, "Row 0");
    EXPECT_EQ(host.texts[0].x, kX + 18);
    EXPECT_EQ(host.texts[0].y, kY + 46);
    EXPECT_EQ(host.texts[3].text, "Row 3");  // whatever the caller left there
}

TEST_F(ListChooserTest, RowsPastTheTableDrawNothing) {
    TapKey(kEnd);
    ClickAt(kX + 5, kY + 45);
    int16_t result = -99;
    Run([&] { result = ChooseFromList(kX, kY, kWidth, 10, -1, 75, 0); });
    EXPECT_EQ(result, 65);
    EXPECT_EQ(host.texts.back().text, "Row 69");
}

TEST_F(ListChooserTest, EscOnlyWhenAllowed) {
    host.Hold(kEsc, 5);
    ClickAt(kX + 5, kY + 65);
    int16_t result = -99;
    Run([&] { result = ChooseFromList(kX, kY, kWidth, kRows, -7, 10, 0); });
    EXPECT_EQ(result, 1);

    host.effects.clear();
    host.Tap(kEsc);
    Run([&] { result = ChooseFromList(kX, kY, kWidth, kRows, -7, 10, 1); });
    EXPECT_EQ(result, -7);
    EXPECT_EQ(host.effects, (std::vector<std::string>{"click", "Click"}));
}

}  // namespace
