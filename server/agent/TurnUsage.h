#pragma once

#include <optional>

#include "accounts/Account.h"

namespace ondi::server {

class MessageStore;
class ServiceClock;

// The prompts an account has sent today (since 00:00 UTC) against its plan's daily limit.
struct TurnUsage {
  int used = 0;
  // None for a plan without a daily limit.
  std::optional<unsigned> limit;

  bool exhausted() const { return limit && used >= static_cast<int>(*limit); }
};

// The free plan allows freeTurnLimit prompts a day; paid plans have no limit.
TurnUsage todaysTurnUsage(MessageStore& messages, const ServiceClock& clock, unsigned freeTurnLimit,
                          const Account& account);

}  // namespace ondi::server
