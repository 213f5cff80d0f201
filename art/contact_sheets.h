// Contact sheets: PNG pages that show the art for review, each picture at twice its size with
// its number beneath and the transparent colour shown as a checkerboard.
#pragma once

#include <string>

#include "play_art.h"

namespace art {

bool WriteContactSheets(const std::string& folder, const PlayArt& art);

}  // namespace art
