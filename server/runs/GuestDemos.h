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
// as a browser session. A client keeps at most kDemosPerClient, its own oldest making way for a
// new one; when kMaxDemos are running, a client with none of its own to replace must wait, so
// that nobody's demo ends because a stranger started others.
class GuestDemos {
 public:
  static constexpr std::size_t kMaxDemos = 32;
  static constexpr std::size_t kDemosPerClient = 2;

  struct Demo {
    // "demo_" and hex.
    std::string id;
    RunnerSession session;
    // The address of the client that started it.
    std::string client;
  };

  explicit GuestDemos(const ServiceClock& clock);

  // Starts a demo for the client whose browser is watched through the provider's means; none
  // while every place is taken by other clients' demos.
  const Demo* start(std::string_view provider, std::string_view client);

  std::optional<Demo> find(std::string_view id);
  std::optional<Demo> findBySession(std::string_view sessionId);

 private:
  void forgetEnded();

  const ServiceClock& clock_;
  // Oldest first.
  std::deque<Demo> demos_;
};

}  // namespace ondi::server
