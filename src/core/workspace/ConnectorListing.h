#pragma once

#include <optional>
#include <string>
#include <vector>

#include "core/workspace/ConnectorDisplay.h"

namespace ondi {

// What the connectors screen is asked to list: its search text, scope tab and filter.
struct ConnectorQuery {
  std::string searchText;
  ConnectorScope scope = ConnectorScope::all;
  ConnectorFilter filter = ConnectorFilter::all;
};

// Whether the screen lists `connector`: the trimmed, lower-cased search text is found in its
// lower-cased name, category, section or description (empty text finds all), its scope matches
// (any for `all`) and its state matches the filter.
bool connectorMatches(const ConnectorItem& connector, const ConnectorQuery& query);

// A titled block of the list: the shown connectors of one display section.
struct ConnectorSection {
  std::string title;
  std::vector<ConnectorItem> connectors;
  bool operator==(const ConnectorSection&) const = default;
};

// The shown connectors grouped by display section; sections in the order their first connector
// has in the list, connectors in list order.
std::vector<ConnectorSection> connectorSections(const std::vector<ConnectorItem>& connectors,
                                                const ConnectorQuery& query);

// The shown connectors that the featured rail offers, in list order.
std::vector<ConnectorItem> featuredConnectors(const std::vector<ConnectorItem>& connectors,
                                              const ConnectorQuery& query);

// The connectors the add sheet offers: those not connected, in list order.
std::vector<ConnectorItem> addableConnectors(const std::vector<ConnectorItem>& connectors);

// What the screen says when nothing is listed, and the button that widens the list again.
struct ConnectorEmptyState {
  std::string title;
  std::string message;
  std::string actionTitle;
  // True when the action clears the search; false when it resets the scope and filter.
  bool clearsSearch = false;
  bool operator==(const ConnectorEmptyState&) const = default;
};

// The empty state for a query that lists nothing: the search's own text while a search is
// active, otherwise the scope and filter one.
ConnectorEmptyState connectorEmptyState(const ConnectorQuery& query);

}  // namespace ondi
