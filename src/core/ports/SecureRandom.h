#pragma once

#include <cstddef>
#include <optional>
#include <vector>

namespace ondi {

// The system's cryptographically secure random source.
class SecureRandom {
 public:
  virtual ~SecureRandom() = default;
  // `count` random bytes, or none when the source fails.
  virtual std::optional<std::vector<unsigned char>> bytes(std::size_t count) = 0;
};

}  // namespace ondi
