// The front end's tests: screens run through the headless back end, with the module's
// files prepared byte by byte beforehand.
#pragma once

#include <algorithm>
#include <string>
#include <string_view>
#include <vector>

#include "tests/data/file_bytes.h"
#include "tests/data/texts_shown.h"
#include "tests/support/headless_test.h"

class FrontendTest : public HeadlessTest {
protected:
    // Option.dat with the defaults and the trim flag given.
    static void WriteOptions(uint32_t trim) {
        WriteBytes("Mod/GameData/Option.dat", {50, 0, 2, 0, 1, 0, 0, 0, 0, 0, 3, 0, uint8_t(trim), 0, 0, 0, 0, 0, 0,
                                               0, 0, 0, 0, 0});
    }
    // Custom.dat with the default switches and the world-map setting given.
    static void WriteCustom(int16_t worldMapPages) {
        std::vector<uint8_t> b(104, 0);
        b[0] = b[4] = b[100] = 1;
        PutI16(b, 8, worldMapPages);
        WriteBytes("Mod/GameData/Custom.dat", b);
    }
    // Where a text was drawn, in order.
    std::vector<int32_t> YsOf(std::string_view text) const {
        std::vector<int32_t> ys;
        for (const auto& t : host.texts)
            if (t.text == text) ys.push_back(t.y);
        return ys;
    }
    size_t CountShown(std::string_view text) const { return YsOf(text).size(); }
    bool AnyShownContaining(std::string_view part) const {
        return std::any_of(host.texts.begin(), host.texts.end(),
                           [&](const host::TextRecord& t) { return t.text.find(part) != std::string::npos; });
    }
    bool MediaSent(std::string_view command) const {
        return std::find(host.mediaCommands.begin(), host.mediaCommands.end(), command) != host.mediaCommands.end();
    }
};
