#pragma once

#include <optional>
#include <string>
#include <vector>

#include "core/navigation/VelmoraRoute.h"

namespace ondi {

// One destination of the studio sidebar.
struct SidebarEntry {
  // The accessibility identifier, which is also the row's widget name.
  std::string identifier;
  std::string title;
  std::string subtitle;
  // The symbol name; `iconName` turns it into a desktop icon.
  std::string symbol;
  // The route the entry loads; none for the messaging entry, which opens the messaging sheet.
  std::optional<VelmoraRoute> route;
};

// The nine entries, in the sidebar's fixed order.
const std::vector<SidebarEntry>& sidebarEntries();

// Whether `entry` shows for the sidebar's search text: the text is trimmed and lower-cased,
// and matches when the lower-cased title or subtitle contains it. Empty text matches all.
bool sidebarEntryMatches(const SidebarEntry& entry, const std::string& searchText);

// The entries shown for the search text, in their fixed order.
std::vector<SidebarEntry> filteredSidebarEntries(const std::string& searchText);

}  // namespace ondi
