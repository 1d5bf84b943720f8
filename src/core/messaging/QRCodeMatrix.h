#pragma once

#include <optional>
#include <string>
#include <vector>

namespace ondi {

// A QR code as a square of dark and light modules, with its quiet zone included.
struct QRCodeMatrix {
  // Modules of light border on every side; scanners need at least four.
  static constexpr int kQuietZone = 4;

  int size = 0;
  // Row by row; true is dark.
  std::vector<bool> modules;

  bool isDark(int x, int y) const { return modules[static_cast<std::size_t>(y * size + x)]; }

  // The payload's UTF-8 bytes as 8-bit data at error correction level M; none when it does
  // not fit in a QR code.
  static std::optional<QRCodeMatrix> encode(const std::string& payload);
};

}  // namespace ondi
