#include <gtest/gtest.h>

#include <nlohmann/json.hpp>

#include <algorithm>

#include "core/packs/AgentPackCatalog.h"

namespace ondi {
namespace {

using nlohmann::json;

std::vector<std::string> titles(const std::vector<AgentUseCasePack>& packs) {
  std::vector<std::string> result;
  for (const AgentUseCasePack& pack : packs) result.push_back(pack.title);
  return result;
}

// A manifest pack with one helper using `connectorKeys` and one workflow.
json manifestPack(const std::string& id, const std::string& audience,
                  const std::vector<std::string>& aliases = {},
                  const std::vector<std::string>& connectorKeys = {"gmail"}) {
  return {{"id", id},
          {"aliases", aliases},
          {"audience", audience},
          {"title", "Title " + id},
          {"subtitle", "A, B"},
          {"overview", "Overview."},
          {"symbol", "star"},
          {"helpers",
           {{{"id", id + "-helper"},
             {"name", "Helper"},
             {"role", "Does things"},
             {"symbol", "person"},
             {"status", "available"},
             {"steps", {"One", "Two"}},
             {"connectors", connectorKeys}}}},
          {"workflows",
           {{{"id", id + "-flow"},
             {"title", "Flow"},
             {"detail", "Detail."},
             {"prompt", "Prompt."},
             {"symbol", "bolt"},
             {"status", "template"},
             {"extra", true}}}},
          {"approval", {{"title", "Gate"}, {"detail", "Ask first."}}}};
}

json manifest(json packs) {
  return {{"version", 1},
          {"connectors",
           {{"gmail",
             {{"name", "Google Mail"},
              {"symbol", "envelope"},
              {"tone", "clay"},
              {"status", "connected"}}},
            {"odd", {{"name", "Odd"}, {"symbol", "star"}, {"tone", "purple"}, {"status", "x"}}}}},
          {"packs", std::move(packs)}};
}

TEST(AgentPackCatalogTest, BuiltInCatalogHasEightFullPacksInAudienceOrder) {
  const AgentPackCatalog catalog;
  ASSERT_EQ(catalog.all().size(), 8u);
  EXPECT_EQ(titles(catalog.packs(AgentPackAudience::business)),
            (std::vector<std::string>{"Commerce", "Restaurants", "Healthcare", "Real Estate"}));
  EXPECT_EQ(titles(catalog.packs(AgentPackAudience::personal)),
            (std::vector<std::string>{"Personal Finance", "Trading & Markets", "Self Development",
                                      "Career Growth"}));
  std::vector<std::string> helperIDs;
  for (const AgentUseCasePack& pack : catalog.all()) {
    EXPECT_TRUE(pack.aliases.empty()) << pack.id;
    ASSERT_EQ(pack.helpers.size(), 4u) << pack.id;
    ASSERT_EQ(pack.workflows.size(), 3u) << pack.id;
    for (const AgentPackHelper& helper : pack.helpers) {
      helperIDs.push_back(helper.id);
      EXPECT_EQ(helper.steps.size(), 3u) << helper.id;
      EXPECT_EQ(helper.connectors.size(), 3u) << helper.id;
      EXPECT_EQ(helper.status, "available");
      for (const AgentPackConnector& connector : helper.connectors) {
        EXPECT_EQ(connector.status, "needs_setup");
      }
    }
    for (const AgentPackWorkflow& workflow : pack.workflows) EXPECT_EQ(workflow.status, "template");
  }
  std::ranges::sort(helperIDs);
  EXPECT_EQ(std::ranges::adjacent_find(helperIDs), helperIDs.end()) << "helper ids repeat";

  const AgentPackHelper& care = catalog.pack("business-commerce")->helpers[2];
  EXPECT_EQ(care.name, "Customer Care");
  EXPECT_EQ(care.connectors[1], (AgentPackConnector{"Messages", "bubble.left.and.bubble.right.fill",
                                                    AccentTone::mint, "needs_setup"}));
  EXPECT_EQ(catalog.pack("personal-self-development")->helpers[0].connectors[1],
            (AgentPackConnector{"Voice", "waveform", AccentTone::clay, "needs_setup"}));
}

TEST(AgentPackCatalogTest, LookupIsExactAndFindsNoAliasInTheBuiltInPacks) {
  const AgentPackCatalog catalog;
  ASSERT_NE(catalog.pack("business-commerce"), nullptr);
  EXPECT_EQ(catalog.pack("business-commerce")->title, "Commerce");
  EXPECT_EQ(catalog.pack("business-ecommerce"), nullptr);
  EXPECT_EQ(catalog.pack("BUSINESS-COMMERCE"), nullptr);
  EXPECT_EQ(catalog.pack(" business-commerce"), nullptr);
}

TEST(AgentPackCatalogTest, ScopeInstructionNamesTheTeamWorkflowsAndApprovalRule) {
  EXPECT_EQ(
      AgentPackCatalog().pack("personal-finance")->workspaceScopeInstruction(),
      "This conversation belongs to the dedicated Personal Finance Workspace. Stay focused on "
      "budget, bills, goals and the following use case: A private planning team for understanding "
      "spending, organizing obligations, and tracking goals without moving money. Coordinate only "
      "the Main Operator and these active helpers: Budget: Categorize information and build a "
      "practical spending plan; Bills: Organize due dates and prepare reminders; Goals: Turn "
      "financial goals into measurable checkpoints; Finance Review: Check assumptions and flag "
      "decisions for the user. Supported starter workflows are: Plan the month, Review spending, "
      "Model a savings goal. If a request is unrelated to this pack, explain that it belongs in "
      "the general Ondi Agent or a different pack and do not perform it here. Keep this approval "
      "rule in force: Ondi can organize and model information, but it never transfers funds, "
      "changes accounts, purchases products, or gives individualized financial advice.");
}

TEST(AgentPackManifestTest, AValidManifestReplacesTheBuiltInPacks) {
  const AgentPackCatalog catalog(
      manifest({manifestPack("mine", "personal", {}, {"gmail", "unknown", "odd"})}).dump());
  ASSERT_EQ(catalog.all().size(), 1u);
  EXPECT_TRUE(catalog.packs(AgentPackAudience::business).empty());
  const AgentUseCasePack& pack = catalog.all()[0];
  EXPECT_EQ(pack.audience, AgentPackAudience::personal);
  EXPECT_EQ(pack.approvalTitle, "Gate");
  EXPECT_EQ(pack.approvalDetail, "Ask first.");
  EXPECT_EQ(pack.workflows[0],
            (AgentPackWorkflow{"mine-flow", "Flow", "Detail.", "Prompt.", "bolt", "template"}));
  const AgentPackHelper& helper = pack.helpers[0];
  EXPECT_EQ(helper.steps, (std::vector<std::string>{"One", "Two"}));
  // The unknown key is dropped; names come from the entries, an unknown tone is blue.
  ASSERT_EQ(helper.connectors.size(), 2u);
  EXPECT_EQ(helper.connectors[0],
            (AgentPackConnector{"Google Mail", "envelope", AccentTone::clay, "connected"}));
  EXPECT_EQ(helper.connectors[1].tone, AccentTone::blue);
}

TEST(AgentPackManifestTest, AliasesFindTheFirstPackInManifestOrder) {
  const AgentPackCatalog catalog(
      manifest({manifestPack("business-commerce", "business"),
                manifestPack("shop", "business", {"business-ecommerce", "business-commerce"}),
                manifestPack("team-pack", "team")})
          .dump());
  ASSERT_EQ(catalog.all().size(), 2u);
  EXPECT_EQ(catalog.pack("business-commerce"), &catalog.all()[0]);
  EXPECT_EQ(catalog.pack("business-ecommerce"), &catalog.all()[1]);
  EXPECT_EQ(catalog.pack("team-pack"), nullptr);
}

TEST(AgentPackManifestTest, AnyInvalidManifestLeavesTheBuiltInPacks) {
  json version2 = manifest({manifestPack("p", "business")});
  version2["version"] = 2;
  json fractional = manifest({manifestPack("p", "business")});
  fractional["version"] = 1.0;
  json missingKey = manifest({manifestPack("p", "business")});
  missingKey["packs"][0]["helpers"][0].erase("status");
  json mistyped = manifest({manifestPack("p", "business")});
  mistyped["packs"][0]["aliases"] = "p2";
  json badConnector = manifest({manifestPack("p", "business")});
  badConnector["connectors"]["odd"]["tone"] = 3;
  const std::string cases[] = {version2.dump(),
                               fractional.dump(),
                               missingKey.dump(),
                               mistyped.dump(),
                               badConnector.dump(),
                               manifest({manifestPack("p", "team")}).dump(),
                               manifest(json::array()).dump(),
                               "{\"version\": 1,",
                               "[]"};
  for (const std::string& text : cases) {
    EXPECT_EQ(agentPacksFromManifest(text), std::nullopt) << text;
    EXPECT_EQ(AgentPackCatalog(text).all(), builtInAgentPacks()) << text;
  }
}

}  // namespace
}  // namespace ondi
