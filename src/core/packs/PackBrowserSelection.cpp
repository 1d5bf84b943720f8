#include "core/packs/PackBrowserSelection.h"

#include <algorithm>
#include <ranges>
#include <vector>

#include "core/packs/AgentPackCatalog.h"
#include "core/ports/SettingsStore.h"
#include "core/util/Text.h"

namespace ondi {
namespace {

constexpr const char* kDefaultSelectedPack = "business-ecommerce";
// What a change of audience highlights when the new audience has no packs.
constexpr const char* kEmptyAudienceSelection = "business-commerce";

AgentPackAudience storedAudience(const SettingsStore& settings) {
  return settings.stringValue(kAgentPackAudienceKey, "business") == "personal"
             ? AgentPackAudience::personal
             : AgentPackAudience::business;
}

// The sidebar's titles, one per line: trimmed, without empty lines, and without a title whose
// lower case is already kept.
class SubagentTitles {
 public:
  explicit SubagentTitles(const std::string& stored) {
    for (auto line : std::views::split(stored, '\n')) {
      add(std::string_view(line.begin(), line.end()));
    }
  }

  void add(std::string_view title) {
    std::string trimmed = trimmedWhitespace(title);
    if (trimmed.empty()) return;
    std::string folded = lowercased(trimmed);
    if (std::ranges::find(folded_, folded) != folded_.end()) return;
    folded_.push_back(std::move(folded));
    titles_.push_back(std::move(trimmed));
  }

  const std::vector<std::string>& titles() const { return titles_; }

  std::string joined() const {
    std::string text;
    for (const std::string& title : titles_) text += (text.empty() ? "" : "\n") + title;
    return text;
  }

 private:
  std::vector<std::string> titles_;
  std::vector<std::string> folded_;
};

}  // namespace

PackBrowserSelection::PackBrowserSelection(SettingsStore& settings, const AgentPackCatalog& catalog)
    : settings_(settings),
      catalog_(catalog),
      audience_(storedAudience(settings)),
      customSubagentTitles_(
          SubagentTitles(settings.stringValue(kCustomSubagentTitlesKey, "")).titles()),
      selectedPackID_(settings.stringValue(kSelectedAgentPackKey, kDefaultSelectedPack)),
      activePackID_(settings.stringValue(kActiveAgentPackKey, "")) {}

void PackBrowserSelection::setAudience(AgentPackAudience audience) {
  if (audience == audience_.get()) return;
  settings_.setString(kAgentPackAudienceKey, rawValue(audience));
  audience_.set(audience);
  storeSelection(firstPackID(audience, kEmptyAudienceSelection));
  policyExpanded_.set(false);
  statusMessage_.set("");
}

const AgentUseCasePack* PackBrowserSelection::selectedPack() const {
  const AgentUseCasePack* first = nullptr;
  for (const AgentUseCasePack& pack : catalog_.all()) {
    if (pack.audience != audience_.get()) continue;
    if (pack.id == selectedPackID_.get()) return &pack;
    if (!first) first = &pack;
  }
  return first;
}

void PackBrowserSelection::selectPack(const std::string& id) {
  storeSelection(id);
}

void PackBrowserSelection::normalise() {
  audience_.set(storedAudience(settings_));
  std::string selected = settings_.stringValue(kSelectedAgentPackKey, kDefaultSelectedPack);
  std::string active = settings_.stringValue(kActiveAgentPackKey, "");
  if (const AgentUseCasePack* pack = catalog_.pack(selected)) selected = pack->id;
  if (const AgentUseCasePack* pack = catalog_.pack(active)) {
    settings_.setString(kActiveAgentPackKey, pack->id);
    active = pack->id;
  }
  activePackID_.set(active);

  const AgentUseCasePack* named = catalog_.pack(selected);
  const bool ofAudience = named && named->audience == audience_.get();
  storeSelection(ofAudience ? selected : firstPackID(audience_.get(), kDefaultSelectedPack));
}

std::string PackBrowserSelection::activate(const AgentUseCasePack& pack) {
  SubagentTitles titles(settings_.stringValue(kCustomSubagentTitlesKey, ""));
  for (const AgentPackHelper& helper : pack.helpers) titles.add(helper.name);
  settings_.setString(kCustomSubagentTitlesKey, titles.joined());
  customSubagentTitles_.set(titles.titles());
  settings_.setString(kActiveAgentPackKey, pack.id);
  activePackID_.set(pack.id);
  std::string status = pack.title + " Workspace is ready with " +
                       std::to_string(pack.helpers.size()) + " focused helpers.";
  statusMessage_.set(status);
  return status;
}

void PackBrowserSelection::managePack(const AgentUseCasePack& pack) {
  settings_.setString(kAgentPackAudienceKey, rawValue(pack.audience));
  audience_.set(pack.audience);
  storeSelection(pack.id);
}

void PackBrowserSelection::storeSelection(const std::string& id) {
  if (settings_.stringValue(kSelectedAgentPackKey) != id) {
    settings_.setString(kSelectedAgentPackKey, id);
  }
  if (id == selectedPackID_.get()) return;
  policyExpanded_.set(false);
  statusMessage_.set("");
  selectedPackID_.set(id);
}

std::string PackBrowserSelection::firstPackID(AgentPackAudience audience,
                                              const char* fallback) const {
  const auto packs = catalog_.packs(audience);
  return packs.empty() ? fallback : packs.front().id;
}

}  // namespace ondi
