#include "core/messaging/QRCodeMatrix.h"

#include <qrencode.h>

#include <memory>

namespace ondi {

std::optional<QRCodeMatrix> QRCodeMatrix::encode(const std::string& payload) {
  if (payload.empty()) return std::nullopt;
  const std::unique_ptr<QRcode, decltype(&QRcode_free)> code(
      QRcode_encodeData(static_cast<int>(payload.size()),
                        reinterpret_cast<const unsigned char*>(payload.data()), 0, QR_ECLEVEL_M),
      &QRcode_free);
  if (!code) return std::nullopt;
  QRCodeMatrix matrix;
  matrix.size = code->width + 2 * kQuietZone;
  matrix.modules.assign(static_cast<std::size_t>(matrix.size * matrix.size), false);
  for (int y = 0; y < code->width; ++y) {
    for (int x = 0; x < code->width; ++x) {
      // The lowest bit of each of libqrencode's bytes is the module's colour.
      const bool dark = code->data[y * code->width + x] & 1;
      matrix.modules[static_cast<std::size_t>((y + kQuietZone) * matrix.size + x + kQuietZone)] =
          dark;
    }
  }
  return matrix;
}

}  // namespace ondi
