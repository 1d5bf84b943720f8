#pragma once

#include <string>

#include "core/ports/ImageDecoder.h"

namespace ondi::fakes {

// Takes bytes that start with the PNG signature for a 1×1 image and refuses anything else.
class FakeImageDecoder final : public ImageDecoder {
 public:
  static constexpr std::string_view kSignature = "\x89PNG\r\n\x1a\n";

  std::optional<ImageSize> imageSize(std::string_view bytes) const override {
    if (!bytes.starts_with(kSignature)) return std::nullopt;
    return ImageSize{1, 1};
  }
};

}  // namespace ondi::fakes
