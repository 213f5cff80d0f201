// The event editor run headless on an empty level with the module's data loaded: events made
// on one square, the frame run over scripted input, and what it drew.
#pragma once

#include <string>
#include <string_view>

#include "data/level.h"
#include "data/text_field.h"
#include "kit/events/event_editor.h"
#include "kit/events/level_records.h"
#include "platform/display.h"
#include "tests/support/headless_test.h"
#include "tests/support/surface_match.h"

class EventEditorTest : public HeadlessTest {
protected:
    static constexpr int16_t kX = 7, kY = 9;
    static constexpr int kEsc = 27, kEnter = 13;

    void SetUp() override {
        HeadlessTest::SetUp();
        OpenDisplay();
        NewLevel(1);
    }
    void TearDown() override {
        FreeLevelEventsAndScripts(0);
        HeadlessTest::TearDown();
    }

    EventRecord& Make(int16_t type) {
        FreeLevelEventsAndScripts(2);
        CreateEvent(kX, kY, type);
        return *EventAt(kX, kY);
    }
    // The frame over the script given so far, then Esc; the clipboard flag as it ends.
    uint32_t Edit(bool thenEsc = true) {
        if (thenEsc) TapKey(kEsc);
        uint32_t valid = 1;
        Run([&] { RunEventEditor(kX, kY, valid); });
        return valid;
    }
    // A click where no hit test reads the button.
    void ClickNothing(int32_t x, int32_t y) { host.MoveMouse(x, y).Wait(100).Hold(1, 5).Wait(5); }
    // A row of an open list whose field is at (x, y): row k of the rows shown.
    void ClickListRow(int32_t x, int32_t y, int k) { ClickAt(x + 5, y + 20 + 20 * (k + 1) + 5); }
    void TypeNumber(std::string_view digits) { Keys({std::string(digits).c_str(), kEnter}); }

    bool Drawn(std::string_view text, int32_t x, int32_t y, int32_t colour = -1) const {
        for (const auto& t : host.texts)
            if (t.text == text && t.x == x && t.y == y && (colour < 0 || t.colour == colour)) return true;
        return false;
    }
    // Whether any text at all was drawn at (x, y).
    bool AnythingDrawnAt(int32_t x, int32_t y) const {
        for (const auto& t : host.texts)
            if (t.x == x && t.y == y) return true;
        return false;
    }
    // The dialog of the event as it stands, drawn into the back surface.
    void DrawNow() {
        host.texts.clear();
        DrawEventEditor(kX, kY, EventAt(kX, kY)->Word[0], 0);
    }
    static std::string Line(int t, int r) { return std::string(FieldText(EventAt(kX, kY)->Text[t][r])); }
};
