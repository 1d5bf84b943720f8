#include <gtest/gtest.h>

#include <nlohmann/json.hpp>

#include "core/account/VelmoraModelProvider.h"
#include "core/packs/AgentPackCatalog.h"
#include "core/packs/PackBrowserSelection.h"
#include "core/packs/VelmoraSkill.h"
#include "core/shell/SymbolIcons.h"
#include "fakes/InMemorySettingsStore.h"

namespace ondi {
namespace {

nlohmann::json helper(const std::string& id, const std::string& name) {
  return {{"id", id},
          {"name", name},
          {"role", name + " work"},
          {"symbol", "star"},
          {"status", "available"},
          {"steps", {"Look", "Act"}},
          {"connectors", {"files"}}};
}

nlohmann::json pack(const std::string& id, const std::string& audience, const std::string& title,
                    nlohmann::json helpers, nlohmann::json aliases = nlohmann::json::array()) {
  return {{"id", id},
          {"aliases", std::move(aliases)},
          {"audience", audience},
          {"title", title},
          {"subtitle", "A, b"},
          {"overview", "A team."},
          {"symbol", "star"},
          {"helpers", std::move(helpers)},
          {"workflows", nlohmann::json::array()},
          {"approval", {{"title", "Gate"}, {"detail", "Ask first."}}}};
}

// Two business packs and one personal pack known also by an older id.
std::string manifest(bool withPersonal = true) {
  nlohmann::json packs = {
      pack("business-commerce", "business", "Commerce",
           {helper("commerce-catalog", "Catalog"), helper("commerce-orders", " Orders ")}),
      pack("business-restaurants", "business", "Restaurants", {helper("menu", "Menu")})};
  if (withPersonal) {
    packs.push_back(pack("personal-finance", "personal", "Personal Finance",
                         {helper("budget", "Budget"), helper("bills", "Bills")},
                         {"personal-money"}));
  }
  return nlohmann::json{
      {"version", 1},
      {"connectors",
       {{"files", {{"name", "Files"}, {"symbol", "folder"}, {"tone", "gold"}, {"status", "x"}}}}},
      {"packs", packs}}
      .dump();
}

class PackBrowserSelectionTest : public ::testing::Test {
 protected:
  std::string stored(const char* key) { return settings.stringValue(key).value_or("<absent>"); }

  fakes::InMemorySettingsStore settings;
  AgentPackCatalog catalog{manifest()};
  PackBrowserSelection selection{settings, catalog};
};

TEST_F(PackBrowserSelectionTest, NormalisingResolvesAliasesAndKeepsTheSelectionInItsAudience) {
  // The default selection names no pack: the audience's first takes its place.
  EXPECT_EQ(selection.selectedPack()->id, "business-commerce");
  selection.normalise();
  EXPECT_EQ(stored(kSelectedAgentPackKey), "business-commerce");
  EXPECT_EQ(stored(kActiveAgentPackKey), "<absent>") << "an unknown active id is left as it is";

  settings.setString(kAgentPackAudienceKey, "personal");
  settings.setString(kSelectedAgentPackKey, "personal-money");
  settings.setString(kActiveAgentPackKey, "personal-money");
  selection.normalise();
  EXPECT_EQ(selection.audience().get(), AgentPackAudience::personal);
  EXPECT_EQ(stored(kSelectedAgentPackKey), "personal-finance");
  EXPECT_EQ(stored(kActiveAgentPackKey), "personal-finance");
  EXPECT_EQ(selection.activePackID().get(), "personal-finance");

  // A business pack highlighted while personal packs are shown gives way.
  settings.setString(kSelectedAgentPackKey, "business-restaurants");
  selection.normalise();
  EXPECT_EQ(selection.selectedPackID().get(), "personal-finance");

  // The same holds for the packs the application carries.
  fakes::InMemorySettingsStore fresh;
  AgentPackCatalog builtIn;
  PackBrowserSelection(fresh, builtIn).normalise();
  EXPECT_EQ(fresh.stringValue(kSelectedAgentPackKey), "business-commerce");

  // Anything other than "personal" is business.
  settings.setString(kAgentPackAudienceKey, "Personal");
  selection.normalise();
  EXPECT_EQ(selection.audience().get(), AgentPackAudience::business);
  EXPECT_EQ(selection.selectedPack()->id, "business-commerce");
}

TEST_F(PackBrowserSelectionTest, ChangingAudienceOrPackCollapsesThePolicyAndClearsTheStatus) {
  selection.normalise();
  selection.selectPack("business-restaurants");
  selection.setPolicyExpanded(true);
  selection.activate(*selection.selectedPack());

  selection.setAudience(AgentPackAudience::personal);
  EXPECT_EQ(stored(kAgentPackAudienceKey), "personal");
  EXPECT_EQ(stored(kSelectedAgentPackKey), "personal-finance");
  EXPECT_FALSE(selection.isPolicyExpanded().get());
  EXPECT_EQ(selection.statusMessage().get(), "");

  selection.setPolicyExpanded(true);
  selection.activate(*selection.selectedPack());
  selection.selectPack("personal-finance");
  EXPECT_TRUE(selection.isPolicyExpanded().get()) << "the same pack again changes nothing";
  selection.managePack(*catalog.pack("business-restaurants"));
  EXPECT_EQ(stored(kAgentPackAudienceKey), "business");
  EXPECT_EQ(stored(kSelectedAgentPackKey), "business-restaurants");
  EXPECT_EQ(selection.selectedPack()->title, "Restaurants");
  EXPECT_FALSE(selection.isPolicyExpanded().get());
  EXPECT_EQ(selection.statusMessage().get(), "");

  // An audience without packs highlights the commerce id and shows no pack.
  AgentPackCatalog businessOnly{manifest(false)};
  PackBrowserSelection other{settings, businessOnly};
  other.setAudience(AgentPackAudience::personal);
  EXPECT_EQ(stored(kSelectedAgentPackKey), "business-commerce");
  EXPECT_EQ(other.selectedPack(), nullptr);
  other.normalise();
  EXPECT_EQ(stored(kSelectedAgentPackKey), "business-ecommerce");
}

TEST_F(PackBrowserSelectionTest, ActivatingAddsEachHelperTitleOnceWhateverItsCase) {
  settings.setString(kCustomSubagentTitlesKey, "  Research \n\n catalog\nRESEARCH\n \n");
  const AgentUseCasePack& commerce = *catalog.pack("business-commerce");
  EXPECT_EQ(selection.activate(commerce), "Commerce Workspace is ready with 2 focused helpers.");
  EXPECT_EQ(selection.activate(commerce), selection.statusMessage().get());
  EXPECT_EQ(stored(kCustomSubagentTitlesKey), "Research\ncatalog\nOrders");
  EXPECT_EQ(stored(kActiveAgentPackKey), "business-commerce");
  EXPECT_EQ(selection.activePackID().get(), "business-commerce");

  selection.activate(*catalog.pack("personal-finance"));
  EXPECT_EQ(stored(kCustomSubagentTitlesKey), "Research\ncatalog\nOrders\nBudget\nBills");
  EXPECT_EQ(selection.customSubagentTitles().get(),
            (std::vector<std::string>{"Research", "catalog", "Orders", "Budget", "Bills"}));
  EXPECT_EQ(selection.statusMessage().get(),
            "Personal Finance Workspace is ready with 2 focused helpers.");
}

TEST(PackSymbolsTest, EverySymbolOfThePacksSkillsAndModelsHasAnIconOfItsOwn) {
  const auto expectIcon = [](const std::string& symbol) {
    EXPECT_NE(iconName(symbol), iconName("")) << symbol;
  };
  for (const AgentUseCasePack& pack : builtInAgentPacks()) {
    expectIcon(pack.symbol);
    for (const AgentPackHelper& helper : pack.helpers) {
      expectIcon(helper.symbol);
      for (const AgentPackConnector& connector : helper.connectors) expectIcon(connector.symbol);
    }
    for (const AgentPackWorkflow& workflow : pack.workflows) expectIcon(workflow.symbol);
  }
  for (const VelmoraSkill& skill : builtInSkills()) expectIcon(skill.symbol);
  for (const VelmoraModelProvider provider : kModelProviders) expectIcon(symbolName(provider));
}

}  // namespace
}  // namespace ondi
