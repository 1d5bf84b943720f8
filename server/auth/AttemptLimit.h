#pragma once

#include <cstdint>
#include <map>
#include <optional>
#include <string>
#include <string_view>

namespace ondi::server {

class ServiceClock;

// Counts attempts per key (a client address, an e-mail address) in fixed windows of the service
// clock: a key's window opens with its first attempt, and once the key has used up its allowance
// it must wait until the window ends. Kept in memory only; a restart forgets every count.
class AttemptLimit {
 public:
  AttemptLimit(const ServiceClock& clock, unsigned allowed, std::int64_t windowSeconds);

  // The seconds until the key may try again; nothing while it still may.
  std::optional<std::int64_t> waitFor(std::string_view key);
  void record(std::string_view key);
  // Forgets the key's attempts, as a successful sign-in does for its address.
  void clear(std::string_view key);

 private:
  struct Window {
    std::int64_t endsAt;
    unsigned count;
  };

  // Drops the windows that have ended, so that the map holds only keys seen recently.
  void forgetEnded();

  const ServiceClock& clock_;
  const unsigned allowed_;
  const std::int64_t windowSeconds_;
  std::map<std::string, Window, std::less<>> windows_;
};

}  // namespace ondi::server
