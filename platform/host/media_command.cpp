#include "media_command.h"

#include <algorithm>
#include <charconv>
#include <vector>

namespace host {
namespace {

constexpr std::string_view kAlias = "currtune";

std::vector<std::string_view> Words(std::string_view text) {
    std::vector<std::string_view> words;
    size_t at = 0;
    while (at < text.size()) {
        const size_t start = text.find_first_not_of(' ', at);
        if (start == std::string_view::npos) break;
        const size_t end = std::min(text.find(' ', start), text.size());
        words.push_back(text.substr(start, end - start));
        at = end;
    }
    return words;
}

bool SameWord(std::string_view a, std::string_view b) {
    return std::equal(a.begin(), a.end(), b.begin(), b.end(),
                      [](char x, char y) { return (x | 0x20) == (y | 0x20); });
}

}  // namespace

MediaAction ParseMediaCommand(std::string_view command) {
    const std::vector<std::string_view> w = Words(command);
    MediaAction action;
    if (w.size() == 4 && SameWord(w[0], "open") && SameWord(w[2], "alias") && w[3] == kAlias) {
        action.kind = MediaAction::kOpen;
        action.path = w[1];
    } else if (w.size() == 3 && SameWord(w[0], "play") && w[1] == kAlias && SameWord(w[2], "repeat")) {
        action.kind = MediaAction::kPlayLooped;
    } else if (w.size() == 6 && SameWord(w[0], "setaudio") && w[1] == kAlias &&
               (SameWord(w[2], "left") || SameWord(w[2], "right")) && SameWord(w[3], "volume") &&
               SameWord(w[4], "to")) {
        int32_t volume = 0;
        const auto [end, ec] = std::from_chars(w[5].data(), w[5].data() + w[5].size(), volume);
        if (ec != std::errc() || end != w[5].data() + w[5].size()) return {};
        action.kind = MediaAction::kVolume;
        action.volume = std::clamp(volume, 0, 1000);
    } else if (w.size() == 2 && SameWord(w[0], "stop") && w[1] == kAlias) {
        action.kind = MediaAction::kStop;
    } else if (w.size() == 2 && SameWord(w[0], "close") && w[1] == kAlias) {
        action.kind = MediaAction::kClose;
    }
    return action;
}

}  // namespace host
