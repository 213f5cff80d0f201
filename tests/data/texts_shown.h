// Whether a text was drawn, as the headless back end recorded it.
#pragma once

#include <algorithm>
#include <string>
#include <string_view>

#include "platform/host/headless.h"

inline bool TextShown(const host::Headless& h, std::string_view text) {
    return std::any_of(h.texts.begin(), h.texts.end(), [&](const host::TextRecord& t) { return t.text == text; });
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
