#pragma once

#include <string>
#include <vector>

#include "core/packs/AgentPack.h"
#include "core/published/Published.h"

namespace ondi {

class AgentPackCatalog;
class SettingsStore;

inline constexpr const char* kAgentPackAudienceKey = "velmora.desktop.agentPackAudience";
inline constexpr const char* kSelectedAgentPackKey = "velmora.desktop.selectedAgentPack";
inline constexpr const char* kActiveAgentPackKey = "velmora.desktop.activeAgentPack";
inline constexpr const char* kCustomSubagentTitlesKey = "velmora.desktop.customSubagentTitles";

// What the pack browser shows and remembers: the audience, the highlighted pack and the pack
// last activated, kept in the user defaults; and, for this run only, whether the approval
// policy is expanded and the status line of the last activation. A change of the highlighted
// pack or of the audience collapses the policy and clears the status.
class PackBrowserSelection {
 public:
  PackBrowserSelection(SettingsStore& settings, const AgentPackCatalog& catalog);
  PackBrowserSelection(const PackBrowserSelection&) = delete;
  PackBrowserSelection& operator=(const PackBrowserSelection&) = delete;

  const AgentPackCatalog& catalog() const { return catalog_; }

  const Published<AgentPackAudience>& audience() const { return audience_; }
  // The stored id of the highlighted pack; it may name no pack of the audience.
  const Published<std::string>& selectedPackID() const { return selectedPackID_; }
  const Published<std::string>& activePackID() const { return activePackID_; }
  const Published<bool>& isPolicyExpanded() const { return policyExpanded_; }
  const Published<std::string>& statusMessage() const { return statusMessage_; }
  // The helpers activated packs added to the sidebar, in the order they were added.
  const Published<std::vector<std::string>>& customSubagentTitles() const {
    return customSubagentTitles_;
  }

  // Shows the other audience's packs, highlighting its first.
  void setAudience(AgentPackAudience audience);
  // The pack of the audience with the stored id, else the audience's first; none when the
  // audience has no packs. Points into the catalog.
  const AgentUseCasePack* selectedPack() const;
  void selectPack(const std::string& id);
  // Brings the stored ids up to date when the browser appears: aliases become canonical ids,
  // and a highlighted pack of another audience gives way to the audience's first.
  void normalise();

  // Adds the pack's helpers to the agent sidebar's titles, once each whatever their case, and
  // remembers the pack as the active one. Returns the status line it publishes.
  std::string activate(const AgentUseCasePack& pack);
  // Highlights `pack` under its own audience, for the pack workspace's way back here.
  void managePack(const AgentUseCasePack& pack);

  void setPolicyExpanded(bool expanded) { policyExpanded_.set(expanded); }

 private:
  void storeSelection(const std::string& id);
  std::string firstPackID(AgentPackAudience audience, const char* fallback) const;

  SettingsStore& settings_;
  const AgentPackCatalog& catalog_;
  Published<AgentPackAudience> audience_;
  Published<std::vector<std::string>> customSubagentTitles_;
  Published<std::string> selectedPackID_;
  Published<std::string> activePackID_;
  Published<bool> policyExpanded_{false};
  Published<std::string> statusMessage_;
};

}  // namespace ondi
