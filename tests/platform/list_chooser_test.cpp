// The modal list: its keys, its paging at both ends, rows and Esc.
#include "platform/list_chooser.h"

#include <cstdio>

#include "platform/keys.h"
#include "tests/support/headless_test.h"

namespace {

constexpr int16_t kX = 100, kY = 50, kWidth = 6, kRows = 4;

class ListChooserTest : public HeadlessTest {
protected:
    void SetUp() override {
        HeadlessTest::SetUp();
        OpenDisplay();
        for (size_t i = 0; i < ListItems.size(); ++i) std::snprintf(ListItems[i].data(), 30, "Row %zu", i);
    }
    int16_t Choose(int16_t count, uint32_t escAllowed = 0, int16_t rows = kRows) {
        int16_t result = -99;
        Run([&] { result = ChooseFromList(kX, kY, kWidth, rows, -7, count, escAllowed); });
        return result;
    }
    // Taps the keys, then clicks visible row 1: the result is the top row the keys left.
    int16_t TopAfter(std::initializer_list<int> keys, int16_t count) {
        for (int key : keys) TapKey(key);
        ClickAt(kX + 5, kY + 45);
        return Choose(count);
    }
};

TEST_F(ListChooserTest, KeysAndPagingStopAtBothEnds) {
    EXPECT_EQ(TopAfter({kDown, kDown, kUp}, 10), 1);
    EXPECT_EQ(TopAfter({kUp}, 10), 0);
    EXPECT_EQ(TopAfter({kEnd, kDown}, 10), 6);
    EXPECT_EQ(TopAfter({kEnd, kUp, kHome}, 10), 0);
    EXPECT_EQ(TopAfter({kPageDown}, 10), 4);
    EXPECT_EQ(TopAfter({kPageDown, kPageDown}, 10), 6);
    EXPECT_EQ(TopAfter({kEnd, kPageUp, kPageUp}, 10), 0);
    EXPECT_EQ(TopAfter({kDown, kEnd, kPageDown}, 3), 0);  // no more rows than fit
    // The arrow buttons.
    ClickAt(kX + 20 * kWidth + 5, kY + 40 + 20 * kRows + 5);
    ClickAt(kX + 20 * kWidth + 5, kY + 40 + 20 * kRows + 5);
    ClickAt(kX + 20 * kWidth + 5, kY + 25);
    EXPECT_EQ(TopAfter({}, 10), 1);
}

TEST_F(ListChooserTest, RowsAnswerEvenBeyondCount) {
    ClickAt(kX + 5, kY + 20 + 80 + 5);  // visible row 4 of a two-row list
    EXPECT_EQ(Choose(2), 3);
    EXPECT_EQ(host.texts[0].text, "Row 0");
    EXPECT_EQ(host.texts[0].x, kX + 18);
    EXPECT_EQ(host.texts[0].y, kY + 46);
    // Rows past the table's 70 draw nothing.
    TapKey(kEnd);
    ClickAt(kX + 5, kY + 45);
    EXPECT_EQ(Choose(75, 0, 10), 65);
    EXPECT_EQ(host.texts.back().text, "Row 69");
}

TEST_F(ListChooserTest, EscOnlyWhenAllowed) {
    host.Hold(kEsc, 5);
    ClickAt(kX + 5, kY + 65);
    EXPECT_EQ(Choose(10), 1);
    host.effects.clear();
    TapKey(kEsc);
    EXPECT_EQ(Choose(10, 1), -7);
    EXPECT_EQ(host.effects, (std::vector<std::string>{"click", "Click"}));
}

}  // namespace
