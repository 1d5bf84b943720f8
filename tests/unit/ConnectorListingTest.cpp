#include "core/workspace/ConnectorListing.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include "core/workspace/SampleData.h"

namespace ondi {
namespace {

using ::testing::ElementsAre;
using ::testing::Field;
using ::testing::IsEmpty;

ConnectorItem app(const std::string& id, const std::string& name, const std::string& category,
                  bool connected = false) {
  return {id,
          name,
          category,
          "link",
          connected,
          connected ? "Connected" : "Not connected",
          AccentTone::blue};
}

std::vector<std::string> ids(const std::vector<ConnectorItem>& connectors) {
  std::vector<std::string> result;
  for (const ConnectorItem& connector : connectors) result.push_back(connector.id);
  return result;
}

std::vector<std::string> shownIds(const std::vector<ConnectorItem>& connectors,
                                  const ConnectorQuery& query) {
  std::vector<std::string> result;
  for (const ConnectorSection& section : connectorSections(connectors, query)) {
    for (const ConnectorItem& connector : section.connectors) result.push_back(connector.id);
  }
  return result;
}

const std::vector<ConnectorItem> kApps{
    app("gmail", "Gmail", "Email", true),     app("googledrive", "Google Drive", "Files"),
    app("github", "GitHub", "Development"),   app("slack", "Slack", "Messaging"),
    app("whatsapp", "WhatsApp", "Messaging"), app("box", "Box", "Files", true)};

TEST(ConnectorListingTest, SearchFindsNameCategorySectionAndDescriptionIgnoringCaseAndSpaces) {
  EXPECT_THAT(shownIds(kApps, {"  GMAIL \n"}), ElementsAre("gmail"));
  EXPECT_THAT(shownIds(kApps, {"files"}), ElementsAre("googledrive", "box"));
  // "Messaging" is the section gmail is listed under, though its category is "Email".
  EXPECT_THAT(shownIds(kApps, {"messaging"}), ElementsAre("gmail", "slack", "whatsapp"));
  EXPECT_THAT(shownIds(kApps, {"triage prs"}), ElementsAre("github"));
  EXPECT_THAT(shownIds(kApps, {"   "}),
              ElementsAre("gmail", "slack", "whatsapp", "googledrive", "box", "github"));
}

TEST(ConnectorListingTest, ScopeAndFilterNarrowTheListTogether) {
  EXPECT_THAT(shownIds(kApps, {"", ConnectorScope::velmora}), ElementsAre("gmail", "slack"));
  EXPECT_THAT(shownIds(kApps, {"", ConnectorScope::personal}), ElementsAre("whatsapp"));
  // Backend slugs without display metadata of their own belong to the business scope.
  EXPECT_THAT(shownIds(kApps, {"", ConnectorScope::workspace}),
              ElementsAre("googledrive", "box", "github"));
  EXPECT_THAT(shownIds(kApps, {"", ConnectorScope::all, ConnectorFilter::connected}),
              ElementsAre("gmail", "box"));
  EXPECT_THAT(shownIds(kApps, {"", ConnectorScope::workspace, ConnectorFilter::available}),
              ElementsAre("googledrive", "github"));
}

TEST(ConnectorListingTest, SectionsKeepTheOrderOfTheirFirstConnector) {
  EXPECT_THAT(connectorSections(kApps, {}),
              ElementsAre(Field(&ConnectorSection::title, "Messaging"),
                          Field(&ConnectorSection::title, "Files"),
                          Field(&ConnectorSection::title, "Development")));
  EXPECT_THAT(ids(featuredConnectors(kApps, {})), ElementsAre("gmail", "github", "slack"));
  EXPECT_THAT(ids(featuredConnectors(kApps, {"slack"})), ElementsAre("slack"));
}

TEST(ConnectorListingTest, EmptyStatesSayWhatToWiden) {
  const ConnectorQuery search{" Zapier "};
  EXPECT_THAT(connectorSections(kApps, search), IsEmpty());
  EXPECT_EQ(connectorEmptyState(search),
            (ConnectorEmptyState{"No connectors found",
                                 "No connectors match \u201cZapier\u201d. Try another name or "
                                 "clear the search.",
                                 "Clear search", true}));

  // No built-in app is connected until the service answers.
  const ConnectorQuery connected{"", ConnectorScope::all, ConnectorFilter::connected};
  EXPECT_THAT(connectorSections(SampleData::connectors(), connected), IsEmpty());
  EXPECT_EQ(connectorEmptyState(connected),
            (ConnectorEmptyState{"No connectors found",
                                 "No connectors match the selected scope and filter.",
                                 "Show all connectors", false}));
}

TEST(ConnectorListingTest, TheAddSheetOffersOnlyAppsNotConnected) {
  EXPECT_THAT(ids(addableConnectors(kApps)),
              ElementsAre("googledrive", "github", "slack", "whatsapp"));
  EXPECT_THAT(addableConnectors({app("gmail", "Gmail", "Email", true)}), IsEmpty());
}

}  // namespace
}  // namespace ondi
