#include "voice/VoiceAccess.h"

#include <algorithm>
#include <array>

namespace ondi::server {
namespace {

constexpr std::array<std::string_view, 4> kRealtimePlans{"free", "plus", "pro", "business"};

constexpr char kSignInReason[] = "Sign in to Ondi to start a realtime call.";
constexpr char kUpgradeReason[] =
    "Your plan does not include realtime calls. Review your plan before starting a realtime call.";
constexpr char kUnavailableReason[] = "Realtime voice is unavailable. Please try again.";

std::string reasonOr(const VoiceAccessSwitch::Setting& setting, std::string_view fallback) {
  return setting.reason.empty() ? std::string(fallback) : setting.reason;
}

VoiceAccessStatus status(bool ready, bool authRequired, bool upgradeRequired,
                         std::optional<std::string> reason) {
  return VoiceAccessStatus{.ready = ready,
                           .authRequired = authRequired,
                           .upgradeRequired = upgradeRequired,
                           .reason = std::move(reason)};
}

}  // namespace

nlohmann::json VoiceAccessStatus::toJson() const {
  nlohmann::json json = {{"realtimeReady", ready},
                         {"realtimeAuthRequired", authRequired},
                         {"realtimeUpgradeRequired", upgradeRequired}};
  if (reason) json["realtimeReason"] = *reason;
  return json;
}

bool planIncludesRealtime(std::string_view plan) {
  return std::ranges::find(kRealtimePlans, plan) != kRealtimePlans.end();
}

VoiceAccessStatus voiceAccessStatus(const std::optional<Account>& account,
                                    const std::optional<VoiceAccessSwitch::Setting>& setting) {
  if (!account) return status(false, true, false, kSignInReason);
  using Access = VoiceAccessSwitch::Access;
  if (setting && setting->access == Access::upgrade) {
    return status(false, false, true, reasonOr(*setting, kUpgradeReason));
  }
  if (setting && setting->access == Access::unavailable) {
    return status(false, false, false, reasonOr(*setting, kUnavailableReason));
  }
  if (!planIncludesRealtime(account->plan)) return status(false, false, true, kUpgradeReason);
  return status(true, false, false, std::nullopt);
}

}  // namespace ondi::server
