#pragma once

#include <optional>
#include <string_view>

namespace ondi {

struct ImageSize {
  int width = 0;
  int height = 0;

  bool operator==(const ImageSize&) const = default;
};

// Recognises encoded images (PNG, JPEG, …) without showing them.
class ImageDecoder {
 public:
  virtual ~ImageDecoder() = default;
  // The size of the image `bytes` encode; none when they are not an image the platform reads.
  virtual std::optional<ImageSize> imageSize(std::string_view bytes) const = 0;
};

}  // namespace ondi
