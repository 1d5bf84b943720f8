#include "runs/RgbImage.h"

#include <algorithm>

namespace ondi::server {

RgbImage::RgbImage(unsigned width, unsigned height, Rgb background)
    : width_(width), height_(height), pixels_(static_cast<std::size_t>(width) * height * 3) {
  fill(0, 0, static_cast<int>(width), static_cast<int>(height), background);
}

void RgbImage::fill(int x, int y, int width, int height, Rgb color) {
  const int left = std::max(x, 0);
  const int top = std::max(y, 0);
  const int right = std::min(x + width, static_cast<int>(width_));
  const int bottom = std::min(y + height, static_cast<int>(height_));
  for (int row = top; row < bottom; ++row) {
    for (int column = left; column < right; ++column) {
      const std::size_t at = (static_cast<std::size_t>(row) * width_ + column) * 3;
      pixels_[at] = color.red;
      pixels_[at + 1] = color.green;
      pixels_[at + 2] = color.blue;
    }
  }
}

}  // namespace ondi::server
