#include "core/shell/SidebarEntries.h"

#include <algorithm>
#include <iterator>

#include "core/util/Text.h"

namespace ondi {
const std::vector<SidebarEntry>& sidebarEntries() {
  static const std::vector<SidebarEntry> entries{
      {"sidebar.home", "Home", "At a glance", "house", VelmoraRoute::home()},
      {"sidebar.agent", "Agent", "Chats", "message", VelmoraRoute::agent()},
      {"sidebar.messaging", "Messaging", "iMessage agent", "bubble.left.and.bubble.right",
       std::nullopt},
      {"sidebar.connectors", "Connectors", "Access", "point.3.connected.trianglepath.dotted",
       VelmoraRoute::connectors()},
      {"sidebar.skills", "Skills", "Reusable playbooks", "wand.and.stars", VelmoraRoute::skills()},
      {"sidebar.browser", "Browser", "Context", "safari", VelmoraRoute::browserWorkspace()},
      {"sidebar.voice", "Voice", "Calls", "phone", VelmoraRoute::voice()},
      {"sidebar.billing", "Billing", "Plans", "creditcard", VelmoraRoute::pricing()},
      {"sidebar.support", "Support", "Help", "questionmark.circle", VelmoraRoute::support()},
  };
  return entries;
}

bool sidebarEntryMatches(const SidebarEntry& entry, const std::string& searchText) {
  const std::string query = lowercased(trimmedWhitespace(searchText));
  if (query.empty()) return true;
  return lowercased(entry.title).contains(query) || lowercased(entry.subtitle).contains(query);
}

std::vector<SidebarEntry> filteredSidebarEntries(const std::string& searchText) {
  std::vector<SidebarEntry> shown;
  std::ranges::copy_if(sidebarEntries(), std::back_inserter(shown), [&](const SidebarEntry& entry) {
    return sidebarEntryMatches(entry, searchText);
  });
  return shown;
}

}  // namespace ondi
