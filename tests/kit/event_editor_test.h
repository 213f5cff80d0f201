// The event editor run headless on an empty level with the module's data loaded: events made
// on one square, the frame run over scripted input, and what it drew.
#pragma once

#include <optional>
#include <span>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

#include "data/campaign_tables.h"
#include "data/item_records.h"
#include "data/level.h"
#include "data/text_field.h"
#include "kit/events/event_editor.h"
#include "kit/events/level_records.h"
#include "platform/display.h"
#include "platform/keys.h"
#include "tests/support/headless_test.h"
#include "tests/support/surface_match.h"

class EventEditorTest : public HeadlessTest {
protected:
    static constexpr int16_t kX = 7, kY = 9;

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

constexpr int kLeave = kEsc;  // Esc leaves the item and picture pickers

// One field: a click (5 px inside the field's top-left corner unless `at` says where), then
// digits typed with Enter, or a row of the list that opens, or nothing more; `dead` fields
// answer nothing. Words in `set` are written first.
struct FieldCase {
    int16_t type;
    int word;
    int x, y;
    const char* typed = nullptr;
    int row = -1;
    int16_t expected = 0;
    std::vector<std::pair<int, int16_t>> set = {};
    std::optional<std::pair<int, int>> at = std::nullopt;
    bool dead = false;
    int then = 0;  // a key for the picker that opens
};

class EventDialogsTest : public EventEditorTest {
protected:
    void RunCase(const FieldCase& c) {
        EventRecord& e = Make(c.type);
        for (const auto& [word, value] : c.set) e.Word[word] = value;
        const auto [cx, cy] = c.at.value_or(std::pair{c.x + 5, c.y + 5});
        if (c.dead) {
            ClickNothing(cx, cy);
        } else {
            ClickAt(cx, cy);
            if (c.typed) TypeNumber(c.typed);
            if (c.row >= 0) ClickListRow(c.x, c.y, c.row);
            if (c.then) TapKey(c.then);
        }
        Edit();
    }
    // Runs each case and checks the word it lands in.
    void ExpectEveryField(std::span<const FieldCase> cases) {
        for (const FieldCase& c : cases) {
            RunCase(c);
            EXPECT_EQ(EventAt(kX, kY)->Word[c.word], c.expected) << "type " << c.type << " word " << c.word;
        }
    }
};

class DialogShowsTest : public EventDialogsTest {
protected:
    void SetUp() override {
        EventDialogsTest::SetUp();
        SetFieldText(ItemTable[130].ItemName, "Brass Key");
        SetFieldText(ItemTable[200].ItemName, "Long Sword");
        SetFieldText(QuestTextTable[3].Line[0], "The Lost Bell");
    }
    bool TileAt(int x, int y, int16_t tile) const { return Shows(BackSurface, x, y, WallTiles[size_t(tile)]); }
    bool Shown(int x, int y, const Surface* picture, const Rect& part) const {
        Surface cut(part.right - part.left, part.bottom - part.top);
        CopyRect(&cut, 0, 0, picture, part, kBltOpaque);
        cut.keyed = picture->keyed;
        cut.key = picture->key;
        return Shows(BackSurface, x, y, &cut);
    }
    void Draw() {
        Clear(BackSurface);
        DrawNow();
    }
    // The pixels of a tile's square.
    std::vector<uint16_t> Region(int x, int y) const {
        std::vector<uint16_t> out;
        for (int r = 0; r < 32; ++r) out.insert(out.end(), BackSurface->Row(y + r) + x, BackSurface->Row(y + r) + x + 32);
        return out;
    }
};
