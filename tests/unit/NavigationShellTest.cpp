#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include "core/app/DesktopBrowserModel.h"
#include "core/navigation/NavigationState.h"
#include "core/navigation/VelmoraRoute.h"
#include "core/origin/ServiceOrigin.h"
#include "core/script/SurfaceResources.h"
#include "core/shell/DesktopSurfaceSignal.h"
#include "core/shell/ShellController.h"
#include "core/shell/ShellScreen.h"
#include "core/shell/SidebarEntries.h"
#include "core/theme/VelmoraTheme.h"
#include "core/workspace/WorkspaceSection.h"
#include "fakes/FakePlatform.h"

namespace ondi {
namespace {

using ::testing::ElementsAre;
using ::testing::IsEmpty;

std::vector<std::string> titlesShownFor(const std::string& searchText) {
  std::vector<std::string> titles;
  for (const SidebarEntry& entry : filteredSidebarEntries(searchText)) {
    titles.push_back(entry.title);
  }
  return titles;
}

TEST(SidebarFilterTest, MatchesTrimmedLowerCasedQueriesAgainstTitlesAndSubtitles) {
  EXPECT_THAT(titlesShownFor(""), ElementsAre("Home", "Agent", "Messaging", "Connectors", "Skills",
                                              "Browser", "Voice", "Billing", "Support"));
  EXPECT_EQ(titlesShownFor(" \n\t "), titlesShownFor(""));
  // Capitals with surrounding white space match the lower-cased title.
  EXPECT_THAT(titlesShownFor("  BROWSER \n"), ElementsAre("Browser"));
  // A word of a subtitle alone finds its entry.
  EXPECT_THAT(titlesShownFor("playbooks"), ElementsAre("Skills"));
  EXPECT_THAT(titlesShownFor(" PlayBooks "), ElementsAre("Skills"));
  EXPECT_THAT(titlesShownFor("imessage"), ElementsAre("Messaging"));
  // Several matches keep the sidebar's order.
  EXPECT_THAT(titlesShownFor("ag"), ElementsAre("Agent", "Messaging"));
  // Inner white space is part of the query.
  EXPECT_THAT(titlesShownFor("at a glance"), ElementsAre("Home"));
  EXPECT_THAT(titlesShownFor("ata"), IsEmpty());
}

TEST(HeaderSignalTest, FollowsPackWorkspaceThenVoiceAndMessagingThenTheAgentSession) {
  const auto checking = WorkspaceSessionState::checking();
  const auto signal = [&](const VelmoraRoute& route, const WorkspaceSessionState& session,
                          bool packActive = false) {
    return headerSignal({route, session, packActive, DesktopSurfaceSignal::live,
                         DesktopSurfaceSignal::setupRequired});
  };
  EXPECT_EQ(signal(VelmoraRoute::agent(), checking), DesktopSurfaceSignal::connecting);
  EXPECT_EQ(badgeText(signal(VelmoraRoute::agent(), checking)), "CONNECTING");
  EXPECT_EQ(signal(VelmoraRoute::agent(),
                   WorkspaceSessionState::authenticated({"u1", "Ada", "ada@example.com", "email"})),
            DesktopSurfaceSignal::ready);
  EXPECT_EQ(signal(VelmoraRoute::agent(), WorkspaceSessionState::unavailable("down")),
            DesktopSurfaceSignal::offline);
  EXPECT_EQ(signal(VelmoraRoute::agent(), WorkspaceSessionState::signedOut()),
            DesktopSurfaceSignal::signInRequired);
  EXPECT_EQ(signal(VelmoraRoute::voice(), checking), DesktopSurfaceSignal::live);
  EXPECT_EQ(signal(VelmoraRoute::messaging(), checking), DesktopSurfaceSignal::setupRequired);
  // Only the agent screen follows the session.
  EXPECT_EQ(signal(VelmoraRoute::home(), WorkspaceSessionState::signedOut()),
            DesktopSurfaceSignal::ready);
  // An active pack workspace wins over everything else.
  EXPECT_EQ(signal(VelmoraRoute::packWorkspace("sales"), checking, true),
            DesktopSurfaceSignal::focused);
  EXPECT_EQ(signal(VelmoraRoute::voice(), checking, true), DesktopSurfaceSignal::focused);
}

TEST(HeaderSignalTest, BadgeTextsAndDotColoursFollowTheTheme) {
  const std::vector<std::string> texts{"CONNECTING", "READY",   "LIVE",  "FOCUSED",
                                       "PAUSED",     "SIGN IN", "SETUP", "OFFLINE"};
  for (int index = 0; index < 8; ++index) {
    EXPECT_EQ(badgeText(static_cast<DesktopSurfaceSignal>(index)), texts[index]);
  }
  const VelmoraThemePalette ember = palette(VelmoraTheme::washiEmber);
  EXPECT_EQ(badgeDotColor(DesktopSurfaceSignal::connecting, VelmoraTheme::washiEmber), ember.muted);
  EXPECT_EQ(badgeDotColor(DesktopSurfaceSignal::signInRequired, VelmoraTheme::washiEmber),
            ember.muted);
  EXPECT_EQ(badgeDotColor(DesktopSurfaceSignal::setupRequired, VelmoraTheme::washiEmber),
            ember.accent);
  EXPECT_EQ(badgeDotColor(DesktopSurfaceSignal::live, VelmoraTheme::quietAperture),
            (ThemeColor{0.275, 0.424, 0.3}));
  // The focused dot is gray under the two white themes only.
  EXPECT_EQ(badgeDotColor(DesktopSurfaceSignal::focused, VelmoraTheme::porcelainAir),
            ThemeColor::gray(0.315));
  EXPECT_EQ(badgeDotColor(DesktopSurfaceSignal::focused, VelmoraTheme::quietAperture),
            ThemeColor::gray(0.315));
  EXPECT_NE(badgeDotColor(DesktopSurfaceSignal::focused, VelmoraTheme::washiStudio),
            ThemeColor::gray(0.315));
  EXPECT_NE(badgeDotColor(DesktopSurfaceSignal::offline, VelmoraTheme::washiStudio),
            badgeDotColor(DesktopSurfaceSignal::live, VelmoraTheme::washiStudio));
}

TEST(ShellRoutingTest, RoutesSelectTheirOperationsSection) {
  EXPECT_EQ(workspaceSection(VelmoraRoute::support()), WorkspaceSection::security);
  EXPECT_EQ(workspaceSection(VelmoraRoute::messaging()), WorkspaceSection::overview);
  EXPECT_EQ(workspaceSection(VelmoraRoute::voice()), WorkspaceSection::agents);
  EXPECT_EQ(workspaceSection(VelmoraRoute::packWorkspace("sales")), WorkspaceSection::agents);
  EXPECT_EQ(workspaceSection(VelmoraRoute::browserWorkspace()), WorkspaceSection::browser);
  EXPECT_EQ(workspaceSection(VelmoraRoute::pricing()), WorkspaceSection::pricing);
}

TEST(ShellRoutingTest, TheGateStandsInForEveryScreenUntilTheAccountIsConfirmed) {
  for (const auto& session : {WorkspaceSessionState::checking(), WorkspaceSessionState::signedOut(),
                              WorkspaceSessionState::unavailable("down")}) {
    EXPECT_EQ(shellScreen(session, VelmoraRoute::agent()), ShellScreen::accountGate);
    EXPECT_EQ(shellScreen(session, VelmoraRoute::support()), ShellScreen::accountGate);
  }
  const auto signedIn =
      WorkspaceSessionState::authenticated({"u1", "Ada", "ada@example.com", "email"});
  EXPECT_EQ(shellScreen(signedIn, VelmoraRoute::agent()), ShellScreen::agentSurface);
  EXPECT_EQ(shellScreen(signedIn, VelmoraRoute::pricing()), ShellScreen::billing);
  EXPECT_EQ(shellScreen(signedIn, VelmoraRoute::packWorkspace("x")), ShellScreen::packWorkspace);
}

class ShellControllerTest : public ::testing::Test {
 protected:
  fakes::FakePlatform platform;
  std::optional<DesktopBrowserModel> model{std::in_place,
                                           ServiceOrigin{"https://ondi.example", "ondi.example"},
                                           platform.services(), SurfaceResources{"<html></html>"}};
  const SidebarEntry& entry(const std::string& title) {
    return *std::ranges::find(sidebarEntries(), title, &SidebarEntry::title);
  }
};

TEST_F(ShellControllerTest, InspectorVisibilityIsKeptAcrossLaunches) {
  EXPECT_TRUE(model->shell().showInspector().get());
  model->shell().setShowInspector(false);
  EXPECT_EQ(platform.settings.boolValue(kShowInspectorKey), false);
  model.emplace(ServiceOrigin{"https://ondi.example", "ondi.example"}, platform.services(),
                SurfaceResources{"<html></html>"});
  EXPECT_FALSE(model->shell().showInspector().get());
}

TEST_F(ShellControllerTest, EntriesLoadTheirRouteAndMessagingOpensTheSheet) {
  ShellController& shell = model->shell();
  shell.choose(entry("Skills"));
  EXPECT_EQ(model->navigation.activeRoute.get(), VelmoraRoute::skills());
  EXPECT_EQ(model->navigation.currentURLString.get(), "velmora://skills");

  shell.choose(entry("Messaging"));
  EXPECT_TRUE(shell.isMessagingPresented.get());
  EXPECT_EQ(model->navigation.activeRoute.get(), VelmoraRoute::skills());

  shell.choose(entry("Billing"));
  EXPECT_EQ(model->navigation.activeRoute.get(), VelmoraRoute::pricing());
}

}  // namespace
}  // namespace ondi
