// Fonts and the drawn controls: where every piece and text goes.
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
    // The pieces of one row from x, 20 pixels apart. Texts go over pieces, so rows are
    // checked as drawn with empty texts.
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

TEST_F(WidgetsTest, ButtonsFieldsAndTheirTexts) {
    DrawButton(190, 75, 3, "");
    DrawButton(300, 75, 1, "");  // a width below 2 still draws both ends
    DrawChoiceField(100, 300, 3, "");
    ExpectRow(190, 75, {5, 6, 7});
    ExpectRow(300, 75, {5, 7});
    ExpectRow(100, 300, {0, 1, 2, 70});
    DrawButton(190, 75, 3, "OK");
    DrawTextField(100, 200, 4, "Name");
    ASSERT_EQ(host.texts.size(), 2u);
    EXPECT_EQ(host.texts[0].x, 214);
    EXPECT_EQ(host.texts[0].y, 81);
    EXPECT_EQ(host.texts[1].x, 110);
    EXPECT_EQ(host.texts[1].y, 206);
}

// A label stands clear of the rounded ends of its button or tab (three pixels each): where it
// fits as placed it stays there, a longer one moves left or has its letters a pixel closer,
// and one too long even so starts inside the left end, readable from its first letter.
TEST_F(WidgetsTest, LabelsStandClearOfTheEndsOfTheirButtonsAndTabs) {
    struct Case {
        bool tab;
        int16_t pieces;
        const char* label;
        int32_t x;         // where it starts
        bool rightClear;  // it ends inside the right end too
    };
    const Case cases[] = {
        {false, 3, "OK", 124, true},
        {false, 8, "Greater Healing Potion + 10", 112, true},  // wider than the button: closer
        {false, 8, "A label of forty-two letters, longer still", 103, false},
        {true, 3, "Flag X", 106, true},
        {true, 3, "Functions", 104, true},   // ends inside the right end
        {true, 3, "Free Flags", 106, true},  // as wide as the tab: closer
    };
    for (const Case& c : cases) {
        const auto draw = [&](std::string_view label) {
            Clear(BackSurface);
            if (c.tab) DrawTabRow(100, 100, 1, 0, {label}, c.pieces);
            else DrawButton(100, 100, c.pieces, label);
        };
        draw("");
        const Surface bare = Snapshot(BackSurface);
        host.texts.clear();
        draw(c.label);
        ASSERT_EQ(host.texts.size(), 1u) << c.label;
        EXPECT_EQ(host.texts[0].x, c.x) << c.label;
        const int32_t right = 100 + 20 * c.pieces;
        EXPECT_TRUE(SameIn(bare, BackSurface, {100, 100, 103, 120})) << c.label;
        EXPECT_EQ(SameIn(bare, BackSurface, {right - 3, 100, right, 120}), c.rightClear) << c.label;
    }
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

// A tall panel over a busy background, and one that runs off the screen's right and bottom
// edges, look exactly as their rows of pieces drawn one by one.
TEST_F(WidgetsTest, TallPanelsMatchTheirPiecesEverywhere) {
    struct Case {
        int16_t x, y, width, height, style;
    } cases[] = {{5, 12, 31, 22, 1}, {0, 0, 1, 6, 0}, {560, 300, 6, 12, 1}};
    for (const Case& c : cases) {
        for (int32_t r = 0; r < 480; ++r)
            for (int32_t x = 0; x < 640; ++x) BackSurface->Row(r)[x] = uint16_t(r * 640 + x);
        Surface expected(640, 480);
        CopyRect(&expected, 0, 0, BackSurface, Rect{0, 0, 640, 480}, kBltOpaque);
        int32_t row = c.y;
        if (c.style == 0) {
            DrawPieceRow(&expected, c.x, row, c.width, 43, 44, 45);
        } else {
            DrawPieceRow(&expected, c.x, row, c.width, 60, 61, 62);
            DrawPieceRow(&expected, c.x, row += 20, c.width, 63, 64, 65);
        }
        for (row += 20; row < c.y + 20 * (c.height - 1); row += 20) DrawPieceRow(&expected, c.x, row, c.width, 48, 16, 50);
        DrawPieceRow(&expected, c.x, row, c.width, 46, 49, 47);
        DrawPanel(c.x, c.y, c.width, c.height, c.style, "");
        EXPECT_TRUE(Shows(BackSurface, 0, 0, &expected)) << c.x << "," << c.y;
    }
}

TEST_F(WidgetsTest, SpacesAndForeignCharactersAdvanceWithoutDrawing) {
    DrawBigText(100, 100, "A b", 91);
    EXPECT_TRUE(Shows(BackSurface, 100, 100, BigGlyphs['A' - 32 + 91]));
    EXPECT_TRUE(Blank(110, 100, 10, 18));
    EXPECT_TRUE(Shows(BackSurface, 120, 100, BigGlyphs['b' - 32 + 91]));

    DrawSmallText(10, 300, "\x01Z{\xE9z", 273);
    EXPECT_TRUE(Blank(10, 300, 6, 10));
    EXPECT_TRUE(Shows(BackSurface, 16, 300, SmallGlyphs['Z' - 32 + 273]));
    EXPECT_TRUE(Blank(22, 300, 12, 10));
    EXPECT_TRUE(Shows(BackSurface, 34, 300, SmallGlyphs['z' - 32 + 273]));
    // A fixed field read from a file ends at its zero or at its size.
    const char field[4] = {'a', 'b', 'c', 'd'};
    DrawSmallText(0, 0, std::string_view(field, sizeof field), 0);
    DrawSmallText(0, 0, std::string_view("ab\0cd", 5), 0);
    EXPECT_EQ(host.texts[2].text, "abcd");
    EXPECT_EQ(host.texts[3].text, "ab");
}

}  // namespace
