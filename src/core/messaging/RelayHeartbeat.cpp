#include "core/messaging/RelayHeartbeat.h"

#include <glib.h>

#include <fstream>
#include <sstream>

#include <nlohmann/json.hpp>

#include "core/ports/Environment.h"
#include "core/util/InternetDateTime.h"
#include "core/util/Text.h"

namespace ondi {
namespace {

constexpr std::chrono::seconds kFreshness{60};

std::string textForm(const nlohmann::json& value) {
  return value.is_string() ? value.get<std::string>() : value.dump();
}

}  // namespace

std::filesystem::path relayHeartbeatPath(const Environment& environment) {
  const std::filesystem::path home = g_get_home_dir();
  if (const auto configured = environment.value("VELMORA_RELAY_HEARTBEAT_FILE")) {
    if (configured->starts_with("~")) {
      return home.string() + configured->substr(1);
    }
    return *configured;
  }
  return home / ".velmora" / "imessage-relay-health.json";
}

RelayChannelState readRelayHeartbeat(const std::filesystem::path& file,
                                     std::chrono::system_clock::time_point now) {
  std::ifstream in(file);
  if (!in) return RelayChannelState::unavailable;
  std::stringstream content;
  content << in.rdbuf();
  const auto json = nlohmann::json::parse(content.str(), nullptr, false);
  if (json.is_discarded() || !json.is_object()) return RelayChannelState::unavailable;

  const auto field = [&json](const char* key) {
    const auto found = json.find(key);
    return found == json.end() ? nullptr : &*found;
  };
  const auto* statusValue = field("status");
  const std::string status = statusValue ? lowercased(textForm(*statusValue)) : std::string();
  const auto* onlineValue = field("online");
  const bool online =
      onlineValue && onlineValue->is_boolean() ? onlineValue->get<bool>() : status == "online";
  if (!online) return RelayChannelState::stopped;

  std::string stamp;
  for (const char* key : {"lastHeartbeatAt", "updatedAt"}) {
    const auto* value = field(key);
    if (value && value->is_string()) {
      stamp = value->get<std::string>();
      break;
    }
  }
  const auto beat = parseInternetDateTime(stamp);
  const bool fresh = beat && now - *beat <= kFreshness;
  return fresh && status == "watching" ? RelayChannelState::running : RelayChannelState::stopped;
}

}  // namespace ondi
