#include "routes/VoiceAccessTestRoutes.h"

#include <optional>
#include <string>

#include "accounts/AccountStore.h"
#include "accounts/EmailAddress.h"
#include "http/JsonBody.h"
#include "http/Router.h"
#include "voice/VoiceAccessSwitch.h"

namespace ondi::server {
namespace {

constexpr std::size_t kMaxReasonLength = 240;

std::optional<VoiceAccessSwitch::Access> accessNamed(std::string_view name) {
  using Access = VoiceAccessSwitch::Access;
  if (name == "plan") return Access::plan;
  if (name == "upgrade") return Access::upgrade;
  if (name == "unavailable") return Access::unavailable;
  if (name == "failing") return Access::failing;
  return std::nullopt;
}

std::optional<unsigned> failureStatus(const nlohmann::json& body) {
  const auto status = body.find("status");
  if (status == body.end() || !status->is_number_integer()) return std::nullopt;
  const auto value = status->get<long long>();
  if (value < 400 || value > 599) return std::nullopt;
  return static_cast<unsigned>(value);
}

std::optional<VoiceAccessSwitch::Setting> readSetting(const nlohmann::json& body) {
  const auto access = accessNamed(stringMember(body, "access").value_or(""));
  if (!access) return std::nullopt;
  VoiceAccessSwitch::Setting setting{.access = *access, .reason = {}, .failureStatus = 0};
  if (body.contains("reason")) {
    const auto reason = stringMember(body, "reason");
    if (!reason || reason->size() > kMaxReasonLength) return std::nullopt;
    setting.reason = *reason;
  }
  if (*access == VoiceAccessSwitch::Access::failing) {
    const auto status = failureStatus(body);
    if (!status) return std::nullopt;
    setting.failureStatus = *status;
  }
  return setting;
}

Response setVoiceAccess(AccountStore& accounts, VoiceAccessSwitch& access, const Request& request) {
  const auto body = jsonObjectBody(request);
  const auto setting = body ? readSetting(*body) : std::nullopt;
  const auto email = body ? stringMember(*body, "email") : std::nullopt;
  if (!setting || !email) {
    return Response::error(400,
                           "Send {\"email\", \"access\": \"plan\", \"upgrade\", \"unavailable\" or "
                           "\"failing\", \"reason\" (optional), \"status\" (400 to 599, when "
                           "failing)}.");
  }
  const auto account = accounts.findByEmail(normalizedEmail(*email));
  if (!account) return Response::error(404, "No account has that e-mail address.");
  access.set(account->id, *setting);
  return Response::json(200, {{"ok", true}});
}

}  // namespace

void addVoiceAccessTestRoutes(Router& router, AccountStore& accounts, VoiceAccessSwitch& access) {
  router.add("POST", "/api/test/voice-access", [&accounts, &access](const Request& request) {
    return setVoiceAccess(accounts, access, request);
  });
}

}  // namespace ondi::server
