#include "crypto/Sodium.h"

#include <stdexcept>

#include <sodium.h>

namespace ondi::server {

void initializeSodium() {
  if (sodium_init() < 0) throw std::runtime_error("Could not initialise libsodium.");
}

}  // namespace ondi::server
