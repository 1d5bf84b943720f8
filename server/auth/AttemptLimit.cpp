#include "auth/AttemptLimit.h"

#include "ServiceClock.h"

namespace ondi::server {

AttemptLimit::AttemptLimit(const ServiceClock& clock, unsigned allowed, std::int64_t windowSeconds)
    : clock_(clock), allowed_(allowed), windowSeconds_(windowSeconds) {}

std::optional<std::int64_t> AttemptLimit::waitFor(std::string_view key) {
  forgetEnded();
  const auto window = windows_.find(key);
  if (window == windows_.end() || window->second.count < allowed_) return std::nullopt;
  return window->second.endsAt - clock_.now();
}

void AttemptLimit::record(std::string_view key) {
  forgetEnded();
  auto window = windows_.find(key);
  if (window == windows_.end()) {
    window =
        windows_.emplace(key, Window{.endsAt = clock_.now() + windowSeconds_, .count = 0}).first;
  }
  ++window->second.count;
}

void AttemptLimit::clear(std::string_view key) {
  if (const auto window = windows_.find(key); window != windows_.end()) windows_.erase(window);
}

void AttemptLimit::forgetEnded() {
  const std::int64_t now = clock_.now();
  std::erase_if(windows_, [now](const auto& entry) { return entry.second.endsAt <= now; });
}

}  // namespace ondi::server
