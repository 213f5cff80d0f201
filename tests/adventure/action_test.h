// The adventure's action screens over the play screen: where their texts and buttons stand.
#pragma once

#include <algorithm>
#include <string_view>

#include "tests/adventure/adventure_test.h"

class ActionTest : public AdventureTest {
protected:
    bool ShownAt(std::string_view text, int32_t x, int32_t y, int32_t colour = 0) const {
        return TextShownAt(host, text, x, y, colour);
    }
    bool ButtonAt(std::string_view label, int32_t y, int32_t x = 485, int32_t pieces = 5) const {
        return ButtonShownAt(host, label, x, y, pieces);
    }
    size_t Sounded(std::string_view effect) const {
        return size_t(std::count(host.effects.begin(), host.effects.end(), effect));
    }
    void Forget() {
        host.texts.clear();
        host.effects.clear();
    }
};
