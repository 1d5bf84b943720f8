#include "platform/linux/LinuxSecureRandom.h"

#include <sys/random.h>

#include <cerrno>

namespace ondi::platform {

std::optional<std::vector<unsigned char>> LinuxSecureRandom::bytes(std::size_t count) {
  std::vector<unsigned char> buffer(count);
  std::size_t filled = 0;
  while (filled < count) {
    const ssize_t got = getrandom(buffer.data() + filled, count - filled, 0);
    if (got < 0) {
      if (errno == EINTR) continue;
      return std::nullopt;
    }
    filled += static_cast<std::size_t>(got);
  }
  return buffer;
}

}  // namespace ondi::platform
