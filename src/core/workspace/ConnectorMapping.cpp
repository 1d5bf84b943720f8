#include "core/workspace/ConnectorMapping.h"

#include <array>
#include <initializer_list>
#include <string_view>
#include <utility>

#include "core/util/Url.h"

namespace ondi {
namespace {

bool containsAny(const std::string& text, std::initializer_list<const char*> words) {
  for (const char* word : words) {
    if (text.find(word) != std::string::npos) return true;
  }
  return false;
}

constexpr std::array<std::pair<std::string_view, const char*>, 15> kSymbolsBySlug{{
    {"gmail", "envelope.fill"},
    {"outlook", "envelope.fill"},
    {"googlecalendar", "calendar"},
    {"googledrive", "folder.fill"},
    {"share_point", "folder.fill"},
    {"googlesheets", "tablecells.fill"},
    {"airtable", "tablecells.fill"},
    {"github", "chevron.left.forwardslash.chevron.right"},
    {"slack", "bubble.left.and.bubble.right.fill"},
    {"microsoft_teams", "bubble.left.and.bubble.right.fill"},
    {"shopify", "cart.fill"},
    {"stripe", "creditcard.fill"},
    {"figma", "paintbrush.fill"},
    {"canva", "paintbrush.fill"},
    {"heygen", "video.fill"},
}};

constexpr const char* kDataSymbol = "cylinder.fill";
constexpr const char* kDefaultSymbol = "link";

}  // namespace

std::string connectorStatusText(const std::string& status,
                                const std::optional<std::string>& connectionStatus) {
  if (status == "connected") return "Connected";
  if (status == "action_required") {
    if (connectionStatus && !connectionStatus->empty()) return "Continue · " + *connectionStatus;
    return "Continue setup";
  }
  if (status == "setup_required") return "Server setup required";
  if (status == "unavailable") return "Unavailable in this project";
  return "Not connected";
}

AccentTone connectorTone(const std::string& category) {
  const std::string lowered = asciiLowercased(category);
  if (containsAny(lowered, {"email", "messaging"})) return AccentTone::clay;
  if (containsAny(lowered, {"calendar", "project"})) return AccentTone::green;
  if (containsAny(lowered, {"commerce", "payment"})) return AccentTone::gold;
  if (containsAny(lowered, {"development", "infrastructure"})) return AccentTone::slate;
  if (containsAny(lowered, {"design", "video"})) return AccentTone::mint;
  return AccentTone::blue;
}

std::string connectorSymbol(const std::string& slug, const std::string& category) {
  for (const auto& [candidate, symbol] : kSymbolsBySlug) {
    if (slug == candidate) return symbol;
  }
  if (asciiLowercased(category).find("data") != std::string::npos) return kDataSymbol;
  return kDefaultSymbol;
}

ConnectorItem connectorItem(const DesktopConnectorEnvelope::RemoteConnector& remote) {
  return {remote.slug,
          remote.name,
          remote.category,
          connectorSymbol(remote.slug, remote.category),
          remote.status == "connected",
          connectorStatusText(remote.status, remote.connectionStatus),
          connectorTone(remote.category)};
}

bool isOpenableAuthorizationURL(const std::string& address) {
  // The parser lower-cases schemes, so the exact spelling is checked on the text itself.
  if (!address.starts_with("https:")) return false;
  const auto url = Url::parse(address);
  return url && !url->host().empty() && !url->hasUserOrPassword();
}

}  // namespace ondi
