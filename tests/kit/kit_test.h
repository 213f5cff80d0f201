// The level editor's tests: the kit and its dialogs run through the headless back end on a
// fresh level 1 of tile 1, in a module folder with an empty level list.
#pragma once

#include <algorithm>
#include <filesystem>
#include <string>
#include <string_view>

#include "data/level.h"
#include "kit/level/construction_kit.h"
#include "kit/level/editor_screen.h"
#include "platform/display.h"
#include "platform/source_rects.h"
#include "tests/data/texts_shown.h"
#include "tests/support/headless_test.h"
#include "tests/support/surface_match.h"

class KitTest : public HeadlessTest {
protected:
    void SetUp() override {
        HeadlessTest::SetUp();
        OpenDisplay();
        std::filesystem::create_directories("Mod/LevelData");
        NewLevel(1);
    }

    // The level in memory saved as level 3; the kit starts on it.
    void StartOnLevel3() {
        ASSERT_EQ(SaveLevel(3, 0), 1u);
        NewLevel(1);
        KitPreviousLevel = 3;
        TapKey('Y');
    }
    // The kit run from its start to its "Really Quit Editor?", given the input before.
    void RunKit() {
        Keys({27, 'Y'});
        Run(RunConstructionKit);
    }
    // The centre of window cell (column, row).
    static int32_t CellCentreX(int column) { return CellX(column) + 16; }
    static int32_t CellCentreY(int row) { return CellY(row) + 16; }
    void ClickCell(int column, int row, int button = 1) { ClickAt(CellCentreX(column), CellCentreY(row), button); }
    // Ctrl goes down a moment before the letter, as a person presses it.
    void CtrlKey(int key) { host.Wait(20).Press(17).Wait(5).Tap(key).Release(17); }
    // The newest text drawn at (x, y), or "(none)".
    std::string LastTextAt(int32_t x, int32_t y) const {
        for (size_t i = host.texts.size(); i-- > 0;) {
            if (host.texts[i].x == x && host.texts[i].y == y) return host.texts[i].text;
        }
        return "(none)";
    }
    size_t Shown(std::string_view text) const {
        return size_t(std::count_if(host.texts.begin(), host.texts.end(),
                                    [&](const host::TextRecord& t) { return t.text == text; }));
    }
    bool Played(std::string_view effect) const {
        return std::find(host.effects.begin(), host.effects.end(), effect) != host.effects.end();
    }
    static int16_t& Bottom(int x, int y) { return CurrentLevel.BottomLayer[x * 50 + y]; }
    static int16_t& Top(int x, int y) { return CurrentLevel.TopLayer[x * 50 + y]; }
    static int16_t& Access(int x, int y) { return CurrentLevel.AccessLayer[x * 50 + y]; }
    static int16_t& Zone(int x, int y) { return CurrentLevel.ZoneLayer[x * 50 + y]; }
};
