#pragma once

namespace ondi::server {

// Initialises libsodium; called once before any hashing or random bytes are needed. Throws
// std::runtime_error when the library cannot start.
void initializeSodium();

}  // namespace ondi::server
