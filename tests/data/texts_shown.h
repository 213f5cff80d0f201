// Whether a text was drawn, as the headless back end recorded it.
#pragma once

#include <algorithm>
#include <string_view>

#include "platform/host/headless.h"

inline bool TextShown(const host::Headless& h, std::string_view text) {
    return std::any_of(h.texts.begin(), h.texts.end(), [&](const host::TextRecord& t) { return t.text == text; });
}
