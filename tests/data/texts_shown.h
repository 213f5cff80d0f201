// Whether a text was drawn, as the headless back end recorded it.
#pragma once

#include <algorithm>
#include <string>
#include <string_view>
#include <tuple>

#include "platform/host/headless.h"

inline bool TextShown(const host::Headless& h, std::string_view text) {
    return std::any_of(h.texts.begin(), h.texts.end(), [&](const host::TextRecord& t) { return t.text == text; });
}

inline bool TextShownAt(const host::Headless& h, std::string_view text, int32_t x, int32_t y, int32_t colour = 0) {
    return std::any_of(h.texts.begin(), h.texts.end(), [&](const host::TextRecord& t) {
        return std::tie(t.text, t.x, t.y, t.colour) == std::tie(text, x, y, colour);
    });
}

// A button's label as the button draws it: centred on the pieces of the button at (x, y).
inline bool ButtonShownAt(const host::Headless& h, std::string_view label, int32_t x, int32_t y, int32_t pieces) {
    return TextShownAt(h, label, x + (20 * pieces - 6 * int32_t(label.size())) / 2, y + 6);
}

// The second line of the newest message box whose first line is `line1` (drawn 20 pixels
// below it), or "(no box)".
inline std::string SecondLineOfBox(const host::Headless& h, std::string_view line1) {
    for (size_t i = h.texts.size(); i-- > 0;) {
        if (h.texts[i].text != line1) continue;
        for (size_t j = i + 1; j < h.texts.size(); ++j) {
            if (h.texts[j].x == h.texts[i].x && h.texts[j].y == h.texts[i].y + 20) return h.texts[j].text;
        }
        return "(no second line)";
    }
    return "(no box)";
}
