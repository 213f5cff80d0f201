// The kit's field kinds: a value held in 32 bits, and the click areas of the dialogs' check
// boxes beside the forms' switches.
#include "platform/field_kinds.h"

#include <array>
#include <string_view>

#include "platform/input.h"
#include "platform/keys.h"
#include "tests/support/headless_test.h"

namespace {

constexpr std::array<std::string_view, 3> kLabels = {"Zero", "One", "Two"};

template <class T>
FieldValue Of(T& value) {
    return {reinterpret_cast<std::byte*>(&value), sizeof value};
}

class FieldKindsTest : public HeadlessTest {
protected:
    void SetUp() override {
        HeadlessTest::SetUp();
        OpenDisplay();
    }
    // Edits the field with every message until the script is done: the last hit's result.
    Edit EditUntilDone(const Field& f, FieldValue v) {
        Edit last = Edit::kNone;
        Run([&] {
            Screen screen("fields");
            while (!host.ScriptDone()) {
                TakePass(screen);
                const Edit e = EditField(f, v, [](uint32_t) {});
                if (e != Edit::kNone) last = e;
            }
        });
        return last;
    }
};

// A value beyond 16 bits shows as the nearest one; a list left with Esc leaves all 32 bits,
// and a choice writes all 32.
TEST_F(FieldKindsTest, WideChoiceKeepsItsValueOnEsc) {
    int32_t wide = 70000;
    const Field f = ChoiceControl(LabelsOf<kLabels>, 3, {100, 100, 120}, ListOf(6, 3)).Wide();
    EXPECT_EQ(FieldNumber(f, Of(wide)), 32767);
    ClickAt(105, 105);
    TapKey(kEsc);
    EXPECT_EQ(EditUntilDone(f, Of(wide)), Edit::kHit);
    EXPECT_EQ(wide, 70000);
    ClickAt(105, 105);
    ClickAt(105, 165);  // the list's second row
    EXPECT_EQ(EditUntilDone(f, Of(wide)), Edit::kStored);
    EXPECT_EQ(wide, 1);
}

// A dialog's check box answers on its whole 15 x 15 and cycles 0..1; a form's switch answers
// on its inner 12 x 12 only and gives 0 for 1, 1 for anything else.
TEST_F(FieldKindsTest, CheckBoxesAndSwitches) {
    struct Case {
        bool wide;
        int x, y;
        int32_t from, to;
    };
    const Case cases[] = {{false, 201, 201, 0, 1}, {false, 214, 214, 2, 0}, {true, 201, 201, 0, 0},
                          {true, 203, 213, 0, 1},  {true, 212, 203, 2, 1},  {true, 203, 203, 1, 0}};
    for (const Case& c : cases) {
        int16_t word = int16_t(c.from);
        uint32_t flag = uint32_t(c.from);
        const Field f = c.wide ? SwitchControl(200, 200) : CheckControl({200, 200, 15});
        const FieldValue v = c.wide ? Of(flag) : Of(word);
        if (c.from == c.to) host.MoveMouse(c.x, c.y).Wait(100).Hold(1, 20);  // a miss never reads the button
        else ClickAt(c.x, c.y);
        EditUntilDone(f, v);
        EXPECT_EQ(c.wide ? int32_t(flag) : int32_t(word), c.to) << c.x << "," << c.y << " from " << c.from;
    }
}

}  // namespace
