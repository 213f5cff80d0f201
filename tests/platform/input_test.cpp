// Hit tests, key waits, delays and the focus protocol, driven through scripted input.
#include "platform/input.h"

#include <algorithm>
#include <vector>

#include "platform/graphics.h"
#include "platform/keys.h"
#include "platform/source_rects.h"
#include "tests/support/headless_test.h"

namespace {

class InputTest : public HeadlessTest {
protected:
    // Loop passes polling one hit test until the script is used up; the number of hits.
    template <class Poll>
    int HitsUntilScriptDone(Poll&& poll) {
        int hits = 0;
        Run([&] {
            Screen screen("hit test");
            while (!host.ScriptDone()) {
                TakePass(screen);
                hits += poll();
            }
        });
        return hits;
    }
};

TEST_F(InputTest, ButtonEdgesAreInclusive) {
    struct Case {
        int32_t x, y;
        int hits;
    } cases[] = {{100, 50, 1}, {140, 65, 1}, {99, 50, 0}, {141, 50, 0}, {100, 66, 0}, {100, 49, 0}};
    for (const Case& c : cases) {
        host.MoveMouse(c.x, c.y).Hold(1, 20);
        EXPECT_EQ(HitsUntilScriptDone([] { return ButtonClicked(100, 50, 4, 0, 0, 1, 1); }), c.hits)
            << "click at " << c.x << "," << c.y;
    }
}

TEST_F(InputTest, AreaEdgesHotkeysAndTheOtherButton) {
    auto area = [] { return AreaClicked(10, 20, 20, 20, 'K', 1, 1, 4); };
    host.MoveMouse(30, 40).Hold(1, 10);
    EXPECT_EQ(HitsUntilScriptDone(area), 1);
    host.MoveMouse(31, 40).Hold(1, 10);
    EXPECT_EQ(HitsUntilScriptDone(area), 0);
    host.MoveMouse(15, 25).Hold(2, 10);  // the right button on a left-button area
    EXPECT_EQ(HitsUntilScriptDone(area), 0);
    host.MoveMouse(600, 400).Hold('K', 10);  // the hotkey far from the area
    EXPECT_EQ(HitsUntilScriptDone(area), 1);
    EXPECT_EQ(host.effects, (std::vector<std::string>{"Info", "Info"}));
}

// A second press at once after a release, where the pass read the cursor: the first test's
// wait sees the button up, and the next test of the same pass sees the new press.
TEST_F(InputTest, APressRightAfterAReleaseReachesTheNextTestOfThePass) {
    host.MoveMouse(20, 30).Wait(50).Tap(1).PressAt(20, 30).Release(1);
    int both = 0;
    const int hits = HitsUntilScriptDone([&] {
        const int first = AreaClicked(10, 20, 20, 20, 0, 1, 1, 0);
        const int second = AreaClicked(15, 25, 20, 20, 0, 1, 1, 0);
        both += first && second ? 1 : 0;
        return first + second;
    });
    EXPECT_EQ(hits, 2);
    EXPECT_EQ(both, 1);
}

TEST_F(InputTest, HeldKeyAndButtonActOnceAndWaitForBoth) {
    // The hotkey goes down while the button is held over the widget; the test returns once,
    // only after both are up.
    host.MoveMouse(105, 55).Press(1).Wait(20).Press('O').Wait(50).Release(1).Wait(50).Release('O').Wait(20);
    EXPECT_EQ(HitsUntilScriptDone([] { return ButtonClicked(100, 50, 4, 'O', 0, 1, 1); }), 1);
    EXPECT_EQ(host.effects, std::vector<std::string>{"Click"});
}

TEST_F(InputTest, KeyPressedSoundsAndSilentDelay) {
    host.Tap('A').Tap('B');
    uint64_t loud = 0, silent = 0;
    Run([&] {
        Screen screen("keys");
        uint64_t t0 = host.NowMs();
        EXPECT_EQ(KeyPressed('A', 1, 0, 2), 1);
        loud = host.NowMs() - t0;
        t0 = host.NowMs();
        EXPECT_EQ(KeyPressed('B', 1, 1, 2), 1);
        silent = host.NowMs() - t0;
    });
    EXPECT_GE(silent, loud + 50);
    EXPECT_EQ(host.effects, std::vector<std::string>{"read"});
    EXPECT_EQ(KeyPressed(0, 1, 0, 1), 0);
}

TEST_F(InputTest, MessageDuringAWaitIsTakenInTheNextPass) {
    OpenDisplay();
    host.Press('X').Wait(4).LoseFocus().Release('X');
    uint32_t pendingAfterHit = 9;
    Run([&] {
        Screen screen("wait");
        EXPECT_EQ(TakePass(screen), false);
        EXPECT_EQ(KeyPressed('X', 1, 0, 0), 1);
        pendingAfterHit = MessagePending;
        EXPECT_EQ(SurfacesLost, 0u);
        EXPECT_EQ(TakePass(screen), true);
    });
    EXPECT_EQ(pendingAfterHit, 0u);
    EXPECT_EQ(SurfacesLost, 1u);
}

TEST_F(InputTest, FocusLossAndRegainRebuildTheSurfaces) {
    OpenDisplay();
    const uint16_t glyphPixel = BigGlyphs[40]->pixels[5 * 10 + 4];
    host.LoseFocus().LoseFocus().GainFocus().GainFocus();
    int draws = 0;
    auto draw = [&] { ++draws; };
    Run([&] {
        Screen screen("focus");
        LoopPass(screen, draw);
        EXPECT_EQ(SurfacesLost, 1u);
        EXPECT_EQ(BackSurface, nullptr);
        EXPECT_EQ(OffscreenSurfaceCount(), 0);
        EXPECT_FALSE(BltFast(BackSurface, 0, 0, WallTiles[1], TileRect, kBltOpaque));  // harmless while lost
        FillScreenWithTile(1327);
        EXPECT_EQ(Flip(), false);
        LoopPass(screen, draw);  // a second loss changes nothing
        EXPECT_EQ(SurfacesLost, 1u);
        LoopPass(screen, draw);
        EXPECT_EQ(SurfacesLost, 0u);
        EXPECT_EQ(draws, 1);
        EXPECT_EQ(RedrawNeeded, 0u);
        LoopPass(screen, draw);  // a gain without a loss raises no redraw
        EXPECT_EQ(draws, 1);
    });
    ASSERT_EQ(OffscreenSurfaceCount(), kOffscreenSurfaceCount);
    EXPECT_EQ(BigGlyphs[40]->pixels[5 * 10 + 4], glyphPixel);
}

TEST_F(InputTest, TabStepsUnlessAltIsDownOrTheFocusWasJustLost) {
    auto tab = [] { return int(TabPressed(0)); };
    host.Hold(kTab, 10);
    EXPECT_EQ(HitsUntilScriptDone(tab), 1);
    host.Press(kLeftAlt).Hold(kTab, 10).Release(kLeftAlt);  // the window switch
    EXPECT_EQ(HitsUntilScriptDone(tab), 0);
    SurfacesLost = 1;  // the Tab that switched away
    host.Hold(kTab, 10);
    EXPECT_EQ(HitsUntilScriptDone(tab), 0);
    SurfacesLost = 0;
}

TEST_F(InputTest, AnArrowOrItsTwinOnTheNumberPad) {
    const struct {
        int16_t arrow;
        int pad, other;
    } cases[] = {{kLeft, kPadLeft, kPadRight}, {kRight, kPadRight, kPadLeft},
                 {kUp, kPadUp, kPadDown}, {kDown, kPadDown, kPadUp}};
    for (const auto& c : cases) {
        host.Hold(c.arrow, 10).Hold(c.pad, 10).Hold(c.other, 10);
        EXPECT_EQ(HitsUntilScriptDone([&] { return int(ArrowPressed(c.arrow, 0)); }), 2) << c.arrow;
    }
}

TEST_F(InputTest, DelayAndMoveKeyRelease) {
    Run([&] {
        Screen screen("step");
        uint64_t t0 = host.NowMs();
        Delay(250);
        EXPECT_GE(host.NowMs() - t0, 250u);
        EXPECT_LE(host.NowMs() - t0, 250u + 16u);  // within a frame, though the host rests longer
        EXPECT_EQ(host.rests.back(), 10u);
        // A diagonal step read both of its keys.
        host.Press(37).Press(104).Wait(5).Release(37).Release(104);
        ASSERT_TRUE(KeyDown(37) && KeyDown(104));
        SkipNextRedraw = 0;
        WaitMoveKeyRelease(-1, -1);
        EXPECT_TRUE(host.ScriptDone());
    });
    EXPECT_EQ(SkipNextRedraw, 1u);
}

TEST_F(InputTest, ScreenAtRestRestsLongerYetAnswersAtOnce) {
    host.Hold('J', 3).Wait(600).Press('K').Wait(30).Release('K').Wait(30);
    std::vector<uint32_t> beforeKey;
    Run([&] {
        Screen screen("at rest");
        while (!KeyDown('K')) TakePass(screen);
        beforeKey.assign(host.rests.begin(), host.rests.end());
        while (!host.ScriptDone()) TakePass(screen);
    });
    ASSERT_GT(beforeKey.size(), 110u);
    EXPECT_EQ(beforeKey.front(), 1u);  // a millisecond at first
    EXPECT_EQ(beforeKey[98], 1u);
    EXPECT_EQ(beforeKey.back(), 10u);  // at rest after 100 ms without input or frames
    EXPECT_EQ(std::count(beforeKey.begin(), beforeKey.end(), 10u) + std::count(beforeKey.begin(), beforeKey.end(), 1u),
              std::ptrdiff_t(beforeKey.size()));
    EXPECT_EQ(host.rests.back(), 1u);  // the key woke it
}

TEST_F(InputTest, AWaitThatNeverEndsFailsInsteadOfHanging) {
    host.Press('Q');
    bool ended = false;
    try {
        Screen screen("keys");
        KeyPressed('Q', 1, 0, 0);
    } catch (const host::ScriptEnded& e) {
        ended = std::string(e.what()).find("used up") != std::string::npos;
    }
    EXPECT_TRUE(ended);
}

TEST_F(InputTest, AKeyTheProgramNeverReadsFailsInsteadOfHanging) {
    host.Tap('Z');
    bool ended = false;
    try {
        // A wait that begins no pass reads on and on, and the press is never dropped.
        Screen screen("never reads Z");
        while (true) KeyDown('A');
    } catch (const host::ScriptEnded& e) {
        ended = std::string(e.what()).find("never read key 90") != std::string::npos;
    }
    EXPECT_TRUE(ended);
}

TEST(IsEven, SignedNumbers) {
    EXPECT_EQ(IsEven(-3), 0);
    EXPECT_EQ(IsEven(-4), 1);
    EXPECT_EQ(IsEven(0), 1);
    EXPECT_EQ(IsEven(32767), 0);
}

}  // namespace
