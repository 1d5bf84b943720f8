#pragma once

#include <chrono>
#include <optional>
#include <string>
#include <string_view>

#include "core/ports/ImageDecoder.h"

namespace ondi {

// A screenshot of a run's remote browser: the encoded image as the service sent it, checked
// to be an image; the screen turns the bytes into a texture.
struct MonitorFrame {
  std::string bytes;
  ImageSize size;

  // `screenshot` is a data URL or bare Base64: what follows the last comma is decoded. None
  // when that is not Base64 of an image.
  static std::optional<MonitorFrame> decode(std::string_view screenshot,
                                            const ImageDecoder& images);

  bool operator==(const MonitorFrame&) const = default;
};

// An ISO 8601 timestamp with a zone ("2025-01-02T03:04:05Z"); none for other text.
std::optional<std::chrono::system_clock::time_point> parseISO8601(const std::string& text);

}  // namespace ondi
