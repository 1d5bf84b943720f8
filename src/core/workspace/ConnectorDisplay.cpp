#include "core/workspace/ConnectorDisplay.h"

#include <map>

namespace ondi {

std::string displayTitle(ConnectorScope scope) {
  switch (scope) {
    case ConnectorScope::all:
      return "All";
    case ConnectorScope::velmora:
      return "By Ondi";
    case ConnectorScope::workspace:
      return "Business";
    case ConnectorScope::personal:
      return "Personal";
  }
  return "All";
}

std::string displayTitle(ConnectorFilter filter) {
  switch (filter) {
    case ConnectorFilter::all:
      return "All connectors";
    case ConnectorFilter::connected:
      return "Connected";
    case ConnectorFilter::available:
      return "Available";
  }
  return "All connectors";
}

ConnectorDisplayMetadata connectorDisplayMetadata(const ConnectorItem& connector) {
  using enum ConnectorScope;
  static const std::map<std::string, ConnectorDisplayMetadata> known{
      {"gmail", {"Read and draft email", "Messaging", velmora, true}},
      {"slack", {"Coordinate team threads", "Messaging", velmora, true}},
      {"notion", {"Use workspace knowledge", "Productivity", velmora, true}},
      {"chrome", {"Control browser context", "Featured", velmora, true}},
      {"browser", {"Open pages in Ondi", "Featured", velmora, true}},
      {"drive", {"Work across Drive files", "Productivity", velmora, true}},
      {"docs", {"Create and edit docs", "Productivity", velmora, false}},
      {"sheets", {"Analyze spreadsheets", "Productivity", velmora, false}},
      {"slides", {"Draft presentations", "Productivity", velmora, false}},
      {"pdf", {"Read and create PDFs", "Productivity", velmora, false}},
      {"calendar", {"Plan events and calls", "Productivity", personal, false}},
      {"github", {"Triage PRs and issues", "Development", workspace, true}},
      {"shopify", {"Review orders and products", "Commerce", workspace, true}},
      {"stripe", {"Check payments and invoices", "Commerce", workspace, false}},
      {"quickbooks", {"Summarize finance tasks", "Commerce", workspace, false}},
      {"meta", {"Review campaign performance", "Marketing", workspace, false}},
      {"whatsapp", {"Draft customer replies", "Messaging", personal, false}},
  };
  const auto found = known.find(connector.id);
  if (found != known.end()) return found->second;
  return {connector.category, connector.category, workspace, false};
}

}  // namespace ondi
