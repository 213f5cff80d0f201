// PNG output for the contact sheets that show the art for review.
#pragma once

#include <string>

#include "pack.h"

namespace art {

bool WritePng(const std::string& path, const Image& image);

}  // namespace art
