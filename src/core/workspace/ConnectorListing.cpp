#include "core/workspace/ConnectorListing.h"

#include <algorithm>

#include "core/util/Text.h"
#include "core/util/Url.h"

namespace ondi {
namespace {

std::string normalizedQuery(const std::string& searchText) {
  return asciiLowercased(trimmedWhitespace(searchText));
}

bool matchesSearch(const ConnectorItem& connector, const ConnectorDisplayMetadata& display,
                   const std::string& query) {
  if (query.empty()) return true;
  for (const std::string* text :
       {&connector.name, &connector.category, &display.section, &display.description}) {
    if (asciiLowercased(*text).contains(query)) return true;
  }
  return false;
}

bool matchesFilter(const ConnectorItem& connector, ConnectorFilter filter) {
  switch (filter) {
    case ConnectorFilter::all:
      return true;
    case ConnectorFilter::connected:
      return connector.isConnected;
    case ConnectorFilter::available:
      return !connector.isConnected;
  }
  return true;
}

}  // namespace

bool connectorMatches(const ConnectorItem& connector, const ConnectorQuery& query) {
  const ConnectorDisplayMetadata display = connectorDisplayMetadata(connector);
  return (query.scope == ConnectorScope::all || display.scope == query.scope) &&
         matchesFilter(connector, query.filter) &&
         matchesSearch(connector, display, normalizedQuery(query.searchText));
}

std::vector<ConnectorSection> connectorSections(const std::vector<ConnectorItem>& connectors,
                                                const ConnectorQuery& query) {
  std::vector<ConnectorSection> sections;
  for (const ConnectorItem& connector : connectors) {
    if (!connectorMatches(connector, query)) continue;
    const std::string title = connectorDisplayMetadata(connector).section;
    auto section = std::ranges::find(sections, title, &ConnectorSection::title);
    if (section == sections.end()) section = sections.insert(sections.end(), {title, {}});
    section->connectors.push_back(connector);
  }
  return sections;
}

std::vector<ConnectorItem> featuredConnectors(const std::vector<ConnectorItem>& connectors,
                                              const ConnectorQuery& query) {
  std::vector<ConnectorItem> featured;
  std::ranges::copy_if(connectors, std::back_inserter(featured), [&](const ConnectorItem& item) {
    return connectorDisplayMetadata(item).isFeatured && connectorMatches(item, query);
  });
  return featured;
}

std::vector<ConnectorItem> addableConnectors(const std::vector<ConnectorItem>& connectors) {
  std::vector<ConnectorItem> addable;
  std::ranges::copy_if(connectors, std::back_inserter(addable),
                       [](const ConnectorItem& item) { return !item.isConnected; });
  return addable;
}

ConnectorEmptyState connectorEmptyState(const ConnectorQuery& query) {
  const std::string search = trimmedWhitespace(query.searchText);
  if (!search.empty()) {
    return {"No connectors found",
            "No connectors match \u201c" + search + "\u201d. Try another name or clear the search.",
            "Clear search", true};
  }
  return {"No connectors found", "No connectors match the selected scope and filter.",
          "Show all connectors", false};
}

}  // namespace ondi
