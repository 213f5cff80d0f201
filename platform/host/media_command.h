// The media command strings the music sends, read into what a back end must do. Only the
// mp3 forms under the alias "currtune" mean anything here; the CD forms and anything else
// read as nothing to do.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>

namespace host {

struct MediaAction {
    enum Kind : uint8_t { kNothing, kOpen, kPlayLooped, kVolume, kStop, kClose };
    Kind kind = kNothing;
    std::string path;     // kOpen: the file, relative to the working folder
    int32_t volume = 0;   // kVolume: 0 to 1000
};

MediaAction ParseMediaCommand(std::string_view command);

}  // namespace host
