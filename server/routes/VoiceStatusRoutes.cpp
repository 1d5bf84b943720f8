#include "routes/VoiceStatusRoutes.h"

#include "accounts/AccountServices.h"
#include "auth/SignedInAccount.h"
#include "http/Router.h"
#include "voice/VoiceAccess.h"
#include "voice/VoiceAccessSwitch.h"

namespace ondi::server {
namespace {

constexpr char kFailingReason[] = "The realtime voice service failed on purpose.";

Response voiceStatus(AccountServices& services, const VoiceAccessSwitch& access,
                     const Request& request) {
  const auto account = signedInAccount(services, request);
  const auto setting = account ? access.find(account->id) : std::nullopt;
  if (setting && setting->access == VoiceAccessSwitch::Access::failing) {
    return Response::error(setting->failureStatus,
                           setting->reason.empty() ? kFailingReason : setting->reason);
  }
  return Response::json(200, voiceAccessStatus(account, setting).toJson());
}

}  // namespace

void addVoiceStatusRoutes(Router& router, AccountServices& services,
                          const VoiceAccessSwitch& access) {
  router.add("GET", "/api/voice/status", [&services, &access](const Request& request) {
    return voiceStatus(services, access, request);
  });
}

}  // namespace ondi::server
