#include "crypto/Sodium.h"

#include <stdexcept>

#include <sodium.h>

void initializeSodium() {
  if (sodium_init() < 0) throw std::runtime_error("Could not initialise libsodium.");
}
