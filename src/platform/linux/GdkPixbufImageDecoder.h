#pragma once

#include "core/ports/ImageDecoder.h"

namespace ondi::platform {

// Reads images with gdk-pixbuf's loaders (PNG, JPEG, WebP where installed); needs no display.
class GdkPixbufImageDecoder final : public ImageDecoder {
 public:
  std::optional<ImageSize> imageSize(std::string_view bytes) const override;
};

}  // namespace ondi::platform
