#pragma once

#include <string>

#include "runs/RgbImage.h"

namespace ondi::server {

// The picture as a PNG file: 8-bit truecolour, no interlacing, each row unfiltered, one zlib
// stream in a single IDAT chunk.
std::string encodePng(const RgbImage& image);

}  // namespace ondi::server
