#pragma once

#include <optional>
#include <string>
#include <string_view>

#include <nlohmann/json.hpp>

#include "accounts/Account.h"
#include "voice/VoiceAccessSwitch.h"

namespace ondi::server {

// Whether an account may start a realtime voice huddle, as "/api/voice/status" answers it.
struct VoiceAccessStatus {
  bool ready = false;
  bool authRequired = false;
  bool upgradeRequired = false;
  // The sentence that says why the account may not start; absent when it may.
  std::optional<std::string> reason;

  // {"realtimeReady", "realtimeAuthRequired", "realtimeUpgradeRequired"} and "realtimeReason"
  // when there is one.
  nlohmann::json toJson() const;
};

// Every plan the billing page offers includes realtime huddles, the free plan too, so that a new
// account can try one; a plan this service does not know does not.
bool planIncludesRealtime(std::string_view plan);

// The status of the signed-in account (none when signed out), under the setting tests gave it.
// A failing setting is the route's to answer; here it reads as the plan's status.
VoiceAccessStatus voiceAccessStatus(const std::optional<Account>& account,
                                    const std::optional<VoiceAccessSwitch::Setting>& setting);

}  // namespace ondi::server
