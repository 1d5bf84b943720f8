#include "voice/VoiceAccessSwitch.h"

namespace ondi::server {

void VoiceAccessSwitch::set(const std::string& accountId, Setting setting) {
  if (setting.access == Access::plan) {
    settings_.erase(accountId);
  } else {
    settings_.insert_or_assign(accountId, std::move(setting));
  }
}

std::optional<VoiceAccessSwitch::Setting> VoiceAccessSwitch::find(
    std::string_view accountId) const {
  const auto found = settings_.find(accountId);
  if (found == settings_.end()) return std::nullopt;
  return found->second;
}

}  // namespace ondi::server
