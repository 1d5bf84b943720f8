#include "runs/GuestDemos.h"

#include <algorithm>

#include "ServiceClock.h"
#include "crypto/SecureRandom.h"
#include "runs/SessionUuid.h"

namespace ondi::server {
namespace {

constexpr std::size_t kIdRandomBytes = 12;

}  // namespace

GuestDemos::GuestDemos(const ServiceClock& clock) : clock_(clock) {}

const GuestDemos::Demo* GuestDemos::start(std::string_view provider, std::string_view client) {
  forgetEnded();
  const auto isClients = [client](const Demo& demo) { return demo.client == client; };
  const auto ownOldest = std::ranges::find_if(demos_, isClients);
  if (ownOldest != demos_.end() &&
      (static_cast<std::size_t>(std::ranges::count_if(demos_, isClients)) >= kDemosPerClient ||
       demos_.size() >= kMaxDemos)) {
    demos_.erase(ownOldest);
  }
  if (demos_.size() >= kMaxDemos) return nullptr;
  demos_.push_back(Demo{.id = "demo_" + randomHex(kIdRandomBytes),
                        .session = RunnerSession{.sessionId = newSessionUuid(),
                                                 .provider = std::string(provider),
                                                 .title = demoTitle(),
                                                 .itinerary = demoItinerary(),
                                                 .startedAt = clock_.now()},
                        .client = std::string(client)});
  return &demos_.back();
}

std::optional<GuestDemos::Demo> GuestDemos::find(std::string_view id) {
  forgetEnded();
  const auto demo = std::ranges::find(demos_, id, &Demo::id);
  if (demo == demos_.end()) return std::nullopt;
  return *demo;
}

std::optional<GuestDemos::Demo> GuestDemos::findBySession(std::string_view sessionId) {
  forgetEnded();
  const auto demo = std::ranges::find_if(
      demos_, [sessionId](const Demo& demo) { return demo.session.sessionId == sessionId; });
  if (demo == demos_.end()) return std::nullopt;
  return *demo;
}

void GuestDemos::forgetEnded() {
  const std::int64_t now = clock_.now();
  std::erase_if(demos_, [now](const Demo& demo) {
    return now - demo.session.startedAt >= kSessionLifetimeSeconds;
  });
}

}  // namespace ondi::server
