#include "agent/TurnUsage.h"

#include <cstdint>

#include "ServiceClock.h"
#include "agent/MessageStore.h"

namespace ondi::server {
namespace {

constexpr std::int64_t kSecondsPerDay = 24 * 60 * 60;
constexpr char kFreePlan[] = "free";

}  // namespace

TurnUsage todaysTurnUsage(MessageStore& messages, const ServiceClock& clock, unsigned freeTurnLimit,
                          const Account& account) {
  const std::int64_t now = clock.now();
  const std::int64_t startOfDay = now - now % kSecondsPerDay;
  return TurnUsage{
      .used = messages.promptsSince(account.id, startOfDay),
      .limit = account.plan == kFreePlan ? std::optional(freeTurnLimit) : std::nullopt};
}

}  // namespace ondi::server
