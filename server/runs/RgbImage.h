#pragma once

#include <cstdint>
#include <vector>

namespace ondi::server {

struct Rgb {
  std::uint8_t red;
  std::uint8_t green;
  std::uint8_t blue;
};

// A picture of 8-bit RGB pixels, row by row from the top, that rectangles are painted on.
class RgbImage {
 public:
  RgbImage(unsigned width, unsigned height, Rgb background);

  unsigned width() const { return width_; }
  unsigned height() const { return height_; }
  const std::vector<std::uint8_t>& pixels() const { return pixels_; }

  // Paints the rectangle, clipped to the picture.
  void fill(int x, int y, int width, int height, Rgb color);

 private:
  unsigned width_;
  unsigned height_;
  std::vector<std::uint8_t> pixels_;
};

}  // namespace ondi::server
