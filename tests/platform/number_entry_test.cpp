// Number entry: digit counts, sign, Backspace, Delete and the clamping.
#include "platform/number_entry.h"

#include "platform/keys.h"
#include "tests/support/headless_test.h"

namespace {

class NumberEntryTest : public HeadlessTest {
protected:
    // Keys (typed digits, or key codes), then Enter; the number.
    int16_t Number(std::initializer_list<std::variant<const char*, int>> keys, int16_t min, int32_t max) {
        Keys(keys);
        TapKey(13);
        int16_t value = -999;
        Run([&] { value = EnterNumber(100, 100, 2, min, max); });
        EXPECT_TRUE(host.ScriptDone());
        return value;
    }
};

TEST_F(NumberEntryTest, DigitsSignAndClamping) {
    OpenDisplay();
    EXPECT_EQ(Number({"25"}, 0, 20), 20);
    EXPECT_EQ(Number({"123"}, 0, 99), 12);  // two digits below 100
    EXPECT_EQ(Number({}, 0, 20), 0);
    EXPECT_EQ(Number({}, 1, 20), 1);
    EXPECT_EQ(Number({"99999"}, 0, 99999), 32767);  // built in 32 bits, never wrapped
    EXPECT_EQ(Number({kMinus, "5"}, -1, 20), -1);
    EXPECT_EQ(Number({kMinus, "9"}, -10, 20), -9);
    host.Hold(kMinus, 5);  // with a minimum of 0
    EXPECT_EQ(Number({"5"}, 0, 20), 5);
    EXPECT_EQ(Number({"5", kMinus}, -10, 20), 5);  // after a digit
}

TEST_F(NumberEntryTest, BackspaceDeleteAndIgnoredKeys) {
    OpenDisplay();
    EXPECT_EQ(Number({"12", kBackspace, "3"}, 0, 99), 13);
    EXPECT_EQ(Number({kMinus, kBackspace, "4"}, -10, 20), 4);
    EXPECT_EQ(Number({kMinus, "12", kDelete, "3"}, -20, 20), 3);
    host.Hold(97, 5).Hold(98, 5).Hold(27, 5);  // numeric-pad digits and Esc do nothing
    EXPECT_EQ(Number({kBackspace, "6"}, 0, 9), 6);
}

}  // namespace
