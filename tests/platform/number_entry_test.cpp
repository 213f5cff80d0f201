// Number entry: digit counts, sign, Backspace, Delete and the clamping.
#include "platform/number_entry.h"

#include "platform/display.h"
#include "tests/support/headless_test.h"

namespace {

constexpr int kMinus = 189, kBackspace = 8, kDelete = 46;

class NumberEntryTest : public HeadlessTest {
protected:
    void SetUp() override {
        HeadlessTest::SetUp();
        OpenDisplay();
    }
    int16_t Number(int16_t min, int32_t max) {
        TapKey(13);
        int16_t value = -999;
        Run([&] { value = EnterNumber(100, 100, 2, min, max); });
        EXPECT_TRUE(host.ScriptDone());
        return value;
    }
    void Keys(std::initializer_list<int> keys) {
        for (int key : keys) TapKey(key);
    }
};

TEST_F(NumberEntryTest, DigitsAndClamping) {
    host.Type("25");
    EXPECT_EQ(Number(0, 20), 20);
    host.Type("123");  // two digits for a maximum below 100
    EXPECT_EQ(Number(0, 99), 12);
    EXPECT_EQ(Number(0, 20), 0);
    EXPECT_EQ(Number(1, 20), 1);
    host.Type("7");
    EXPECT_EQ(Number(10, 20), 10);
    host.Type("99999");
    EXPECT_EQ(Number(0, 99999), 32767);  // built in 32 bits, never wrapped
    host.Type("40000");
    EXPECT_EQ(Number(-100, 40000), 32767);
}

TEST_F(NumberEntryTest, SignOnlyFirstAndOnlyForNegativeMinimum) {
    Keys({kMinus});
    host.Type("5");
    EXPECT_EQ(Number(-1, 20), -1);
    Keys({kMinus});
    host.Type("9");
    EXPECT_EQ(Number(-10, 20), -9);
    host.Type("5");
    host.Hold(kMinus, 5);  // after a digit
    EXPECT_EQ(Number(-10, 20), 5);
    host.Hold(kMinus, 5);  // with a minimum of 0
    host.Type("5");
    EXPECT_EQ(Number(0, 20), 5);
}

TEST_F(NumberEntryTest, BackspaceDeleteAndIgnoredKeys) {
    host.Type("12");
    Keys({kBackspace});
    host.Type("3");
    EXPECT_EQ(Number(0, 99), 13);
    Keys({kMinus, kBackspace});
    host.Type("4");
    EXPECT_EQ(Number(-10, 20), 4);
    Keys({kMinus});
    host.Type("12");
    Keys({kDelete});
    host.Type("3");
    EXPECT_EQ(Number(-20, 20), 3);
    Keys({kBackspace});  // nothing to take back
    host.Hold(97, 5).Hold(98, 5).Hold(27, 5);  // numeric-pad digits and Esc do nothing
    host.Type("6");
    EXPECT_EQ(Number(0, 9), 6);
    EXPECT_TRUE(host.effects.size() > 0);
}

}  // namespace
