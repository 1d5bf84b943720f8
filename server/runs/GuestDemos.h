#pragma once

#include <cstdint>
#include <deque>
#include <optional>
#include <string>
#include <string_view>

#include "runs/RunnerSession.h"

namespace ondi::server {

class ServiceClock;

// The guest demos under way. They need no account, so they live in memory only: each lasts as long
// as a browser session, and the oldest make way when kMaxDemos are running.
class GuestDemos {
 public:
  static constexpr std::size_t kMaxDemos = 32;

  struct Demo {
    // "demo_" and hex.
    std::string id;
    RunnerSession session;
  };

  explicit GuestDemos(const ServiceClock& clock);

  // Starts a demo whose browser is watched through the provider's means.
  const Demo& start(std::string_view provider);

  std::optional<Demo> find(std::string_view id);
  std::optional<Demo> findBySession(std::string_view sessionId);

 private:
  void forgetEnded();

  const ServiceClock& clock_;
  // Oldest first.
  std::deque<Demo> demos_;
};

}  // namespace ondi::server
