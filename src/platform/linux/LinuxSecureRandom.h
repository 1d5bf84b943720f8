#pragma once

#include "core/ports/SecureRandom.h"

namespace ondi::platform {

// Bytes from the kernel's random source (getrandom), never from a seeded generator.
class LinuxSecureRandom final : public SecureRandom {
 public:
  std::optional<std::vector<unsigned char>> bytes(std::size_t count) override;
};

}  // namespace ondi::platform
