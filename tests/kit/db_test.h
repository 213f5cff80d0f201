// The database editors run whole on the headless back end over a module whose data files
// are the defaults, written at the start of each test.
#pragma once

#include <algorithm>
#include <filesystem>
#include <string>
#include <vector>

#include "data/data_files.h"
#include "platform/keys.h"
#include "tests/data/file_bytes.h"
#include "tests/data/texts_shown.h"
#include "tests/support/headless_test.h"

class DbEditorTest : public HeadlessTest {
protected:

    void SetUp() override {
        HeadlessTest::SetUp();
        OpenDisplay();
        LoadDataFiles();
    }
    // Row `row` of a list that opened at (x, y) with its first row on top.
    void ChooseRow(int x, int y, int row) { ClickAt(x + 10, y + 45 + 20 * row); }
    // A number typed into the field at (x, y).
    void EnterAt(int x, int y, const char* digits) {
        ClickAt(x + 5, y + 5);
        Keys({digits, kEnter});
    }
    // The field's text replaced.
    void TypeAt(int x, int y, const char* text) {
        ClickAt(x + 5, y + 5);
        Keys({kDelete, text, kEnter});
    }
    size_t CountShown(std::string_view text) const {
        return size_t(std::count_if(host.texts.begin(), host.texts.end(),
                                    [&](const host::TextRecord& t) { return t.text == text; }));
    }
    static std::filesystem::path DataPath(const std::string& file) { return "Mod/GameData/" + file; }
    // Saves (S, then Enter on the box that says so) in the editor run over what is scripted,
    // and reads back the data file it wrote.
    template <class Editor>
    std::vector<uint8_t> SavedFile(Editor&& editor, const std::string& file) {
        TapKey('S');
        TapKey(kEnter);
        Run(editor);
        return FileBytes(DataPath(file));
    }
    // Makes the data file read-only, as a module on a locked medium would be.
    static void LockFile(const std::string& file) {
        std::filesystem::permissions(DataPath(file), std::filesystem::perms(0444));
    }
};
