#pragma once

#include <cstdint>

namespace ondi::server {

// The service's current time in whole seconds since the Unix epoch. Every expiry (sessions,
// links, codes) is measured against it, so that a server started with --test-routes can be moved
// forward to reach an expiry without waiting.
class ServiceClock {
 public:
  std::int64_t now() const;

  // Moves the clock forward by the seconds given, on top of earlier moves.
  void advance(std::int64_t seconds);

  std::int64_t offset() const { return offset_; }

 private:
  std::int64_t offset_ = 0;
};

}  // namespace ondi::server
