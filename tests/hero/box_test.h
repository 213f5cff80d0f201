// Screens and boxes of the hero: the hero of HeroTest with the display open, and what the
// boxes left in the back buffer.
#pragma once

#include <algorithm>
#include <string_view>
#include <vector>

#include "platform/display.h"
#include "hero/item_instances.h"
#include "tests/data/texts_shown.h"
#include "tests/hero/hero_test.h"
#include "tests/support/surface_match.h"

class BoxTest : public HeroTest {
protected:
    void SetUp() override {
        HeroTest::SetUp();
        OpenDisplay();
    }
    // A panel of w x h pieces with its top-left corner at (x, y): its two bottom corners.
    static bool PanelShown(int32_t x, int32_t y, int32_t w, int32_t h) {
        return Shows(BackSurface, x, y + 20 * (h - 1), UiIcons[46]) &&
               Shows(BackSurface, x + 20 * (w - 1), y + 20 * (h - 1), UiIcons[47]) &&
               !Shows(BackSurface, x + 20 * w, y + 20 * (h - 1), UiIcons[47]);
    }
    // The colour a text was last drawn in; -1 when it was not drawn.
    int32_t ColourOf(std::string_view text) const {
        int32_t colour = -1;
        for (const auto& t : host.texts)
            if (t.text == text) colour = t.colour;
        return colour;
    }
    size_t CountOf(std::string_view text) const {
        return size_t(std::count_if(host.texts.begin(), host.texts.end(), [&](const auto& t) { return t.text == text; }));
    }
    const host::TextRecord* Find(std::string_view text) const {
        const host::TextRecord* found = nullptr;
        for (const auto& t : host.texts)
            if (t.text == text) found = &t;
        return found;
    }
    // The texts drawn at one y, left to right as drawn.
    std::vector<std::string> TextsAt(int32_t y) const {
        std::vector<std::string> out;
        for (const auto& t : host.texts)
            if (t.y == y) out.push_back(t.text);
        return out;
    }
};
