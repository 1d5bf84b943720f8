#include "core/app/DesktopBrowserModel.h"
#include "core/app/Navigator.h"
#include "core/browser/BrowserTabs.h"
#include "core/navigation/NavigationState.h"
#include "core/navigation/VelmoraRoute.h"
#include "core/origin/ServiceOrigin.h"
#include "core/ports/WebView.h"
#include "core/script/SurfaceResources.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include "fakes/FakePlatform.h"

namespace ondi {
namespace {

using fakes::FakeWebView;
using ::testing::ElementsAre;
using ::testing::IsEmpty;

const ServiceOrigin kOrigin{"https://ondi.example", "ondi.example"};
constexpr const char* kAgentPage = "https://ondi.example/agent.html?source=mac_app";
constexpr const char* kGmail = "https://mail.google.com/mail/u/0/#inbox";
constexpr const char* kOperatorHTML = "<html>operator</html>";
constexpr std::chrono::seconds kTabTimeout{30};

class DesktopBrowserModelTest : public ::testing::Test {
 protected:
  FakeWebView& surface() { return static_cast<FakeWebView&>(model.surfaceWebView()); }
  FakeWebView& tab(std::size_t index) {
    return static_cast<FakeWebView&>(*model.tabs.sessions().at(index).webView);
  }
  std::string route() const { return model.navigation.activeRoute.get().telemetryName(); }
  const std::string& address() const { return model.navigation.currentURLString.get(); }
  const std::string& title() const { return model.navigation.title.get(); }
  std::string lastLog() const { return platform.logger.entries.back().message; }

  fakes::FakePlatform platform;
  DesktopBrowserModel model{kOrigin, platform.services(), {kOperatorHTML}};
};

TEST_F(DesktopBrowserModelTest, StartsOnHomeWithOneUnloadedGmailTab) {
  EXPECT_THAT(platform.logger.messages(),
              ElementsAre("Desktop browser model initialized", "Opening surface home"));
  EXPECT_EQ(platform.webViews.made.size(), 2u);
  ASSERT_EQ(model.tabs.sessions().size(), 1u);
  EXPECT_EQ(model.tabs.selectedBrowserTabID.get(), model.tabs.sessions()[0].id);
  EXPECT_EQ(model.tabs.browserTabs.get(),
            (std::vector<BrowserTabSnapshot>{{model.tabs.sessions()[0].id, "Gmail", kGmail}}));
  EXPECT_EQ(route(), "home");
  EXPECT_EQ(address(), "velmora://home");
  EXPECT_EQ(title(), "Home");
  EXPECT_THAT(surface().htmlLoads, IsEmpty());
  EXPECT_THAT(surface().urlLoads, IsEmpty());
  EXPECT_THAT(tab(0).urlLoads, IsEmpty());
}

TEST_F(DesktopBrowserModelTest, SurfaceRefusesForeignChildFrames) {
  const auto& accepts = surface().configuration.childFrameFilter;
  ASSERT_TRUE(accepts);
  EXPECT_TRUE(accepts("https://app.ondi.example/frame"));
  EXPECT_TRUE(accepts("http://localhost:3000/frame"));
  EXPECT_FALSE(accepts("http://ondi.example/frame"));
  EXPECT_FALSE(accepts("https://ads.example.org/frame"));
}

TEST_F(DesktopBrowserModelTest, NativeScreensShowTheirInAppAddressAndLeaveTheSurfaceAlone) {
  model.load(VelmoraRoute::agent());
  const struct {
    VelmoraRoute route;
    std::string address;
    std::string title;
  } cases[] = {
      {VelmoraRoute::messaging(), "velmora://messaging", "Messaging"},
      {VelmoraRoute::agentPacks(), "velmora://agent-packs", "Agent Packs"},
      {VelmoraRoute::connectors(), "velmora://connectors", "Connectors"},
      {VelmoraRoute::skills(), "velmora://skills", "Skills"},
      {VelmoraRoute::pricing(), "velmora://billing", "Billing"},
      {VelmoraRoute::support(), "velmora://support", "Support"},
      {VelmoraRoute::home(), "velmora://home", "Home"},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.address);
    model.load(c.route);
    EXPECT_EQ(lastLog(), "Opening surface " + c.route.telemetryName());
    EXPECT_EQ(route(), c.route.telemetryName());
    EXPECT_EQ(address(), c.address);
    EXPECT_EQ(title(), c.title);
    EXPECT_EQ(surface().htmlLoads.size(), 1u);
    EXPECT_THAT(surface().urlLoads, IsEmpty());
  }
}

TEST_F(DesktopBrowserModelTest, AgentShowsTheOperatorPageOnTheAPIBase) {
  model.load(VelmoraRoute::agent());
  ASSERT_EQ(surface().htmlLoads.size(), 1u);
  EXPECT_EQ(surface().htmlLoads[0].html, kOperatorHTML);
  EXPECT_EQ(surface().htmlLoads[0].address, kAgentPage);
  EXPECT_TRUE(model.isShowingDesktopChat());
  EXPECT_EQ(address(), kAgentPage);

  surface().finishNavigation();
  platform.scheduler.runUntilIdle();
  EXPECT_EQ(address(), kAgentPage);
  EXPECT_EQ(title(), "Ondi");

  platform.environment.values["VELMORA_API_BASE_URL"] = "http://127.0.0.1:8787/";
  model.load(VelmoraRoute::agent());
  EXPECT_EQ(surface().htmlLoads.back().address, "http://127.0.0.1:8787/");
}

// The browser beside the task and the way back keep the chat the surface already holds.
TEST_F(DesktopBrowserModelTest, TheBrowserBesideTheTaskLoadsTheChatOnlyWhenItIsNotShown) {
  model.navigator().loadURL("https://example.com/elsewhere");
  model.navigator().openBrowserBesideTask();
  EXPECT_EQ(route(), "browser");
  EXPECT_EQ(surface().htmlLoads.size(), 1u);
  EXPECT_TRUE(model.isShowingDesktopChat());

  model.navigator().showTask();
  model.navigator().openBrowserBesideTask();
  model.navigator().showTask();
  platform.scheduler.runUntilIdle();
  EXPECT_EQ(surface().htmlLoads.size(), 1u);
  EXPECT_EQ(route(), "agent");
  EXPECT_EQ(address(), kAgentPage);
  EXPECT_EQ(title(), "Ondi");
}

TEST_F(DesktopBrowserModelTest, UnknownPackWorkspaceEndsOnAgentPacks) {
  model.load(VelmoraRoute::packWorkspace("no-such-pack"));
  const auto logs = platform.logger.messages();
  EXPECT_THAT(std::vector(logs.end() - 2, logs.end()),
              ElementsAre("Opening surface pack-workspace", "Opening surface agent-packs"));
  EXPECT_EQ(route(), "agent-packs");
  EXPECT_EQ(address(), "velmora://agent-packs");
  EXPECT_EQ(title(), "Agent Packs");
}

TEST_F(DesktopBrowserModelTest, BrowserWorkspaceLoadsGmailOnceThenKeepsTheUsersPage) {
  model.load(VelmoraRoute::browserWorkspace());
  platform.scheduler.runUntilIdle();
  ASSERT_EQ(tab(0).urlLoads.size(), 1u);
  EXPECT_EQ(tab(0).urlLoads[0].address, kGmail);
  EXPECT_EQ(tab(0).urlLoads[0].timeout, kTabTimeout);
  EXPECT_EQ(route(), "browser");
  EXPECT_EQ(address(), kGmail);
  EXPECT_EQ(title(), "Gmail");

  tab(0).state = {
      .url = "https://mail.google.com/mail/u/0/#sent", .title = "Sent Mail", .canGoBack = true};
  model.load(VelmoraRoute::home());
  model.load(VelmoraRoute::browserWorkspace());
  platform.scheduler.runUntilIdle();
  EXPECT_EQ(tab(0).urlLoads.size(), 1u);
  EXPECT_EQ(address(), "https://mail.google.com/mail/u/0/#sent");
  EXPECT_EQ(title(), "Sent Mail");
  EXPECT_TRUE(model.navigation.canGoBack.get());
}

TEST_F(DesktopBrowserModelTest, LoadingAnAddressTakesTheRouteOfThatAddress) {
  model.load(VelmoraRoute::agent());
  for (const auto& [url, expectedRoute] : std::vector<std::pair<std::string, std::string>>{
           {"https://ondi.example/page.html?view=skills-library", "skills"},
           {"https://ondi.example/agent.html?source=mac_app&desktop=1&surface=voice", "voice"},
           {"https://ondi.example/docs/start", "agent"}}) {
    SCOPED_TRACE(url);
    model.loadURL(url);
    EXPECT_EQ(route(), expectedRoute);
    EXPECT_EQ(surface().urlLoads.back().address, url);
    EXPECT_EQ(address(), url);
    EXPECT_FALSE(model.isShowingDesktopChat());
    EXPECT_EQ(lastLog(), "Loading hosted surface host=ondi.example");
  }
}

TEST_F(DesktopBrowserModelTest, ForeignLinkOpensAnInAppTabAndTheSurfaceKeepsItsPage) {
  model.load(VelmoraRoute::agent());
  EXPECT_EQ(surface().navigate("https://ads.example.org/frame", false), NavigationDecision::cancel);
  EXPECT_EQ(surface().navigate("https://ondi.example/frame", false), NavigationDecision::allow);
  EXPECT_EQ(model.tabs.sessions().size(), 1u);

  EXPECT_EQ(surface().navigate("https://www.example.org/article"), NavigationDecision::cancel);
  platform.scheduler.runUntilIdle();

  ASSERT_EQ(model.tabs.sessions().size(), 2u);
  EXPECT_EQ(model.tabs.selectedBrowserTabID.get(), model.tabs.sessions()[1].id);
  ASSERT_EQ(tab(1).urlLoads.size(), 1u);
  EXPECT_EQ(tab(1).urlLoads[0].address, "https://www.example.org/article");
  EXPECT_EQ(tab(1).urlLoads[0].timeout, kTabTimeout);
  EXPECT_EQ(lastLog(), "Opened in-app tab host=www.example.org tabs=2");
  EXPECT_EQ(route(), "browser");
  EXPECT_EQ(address(), "https://www.example.org/article");
  EXPECT_EQ(title(), "example.org");
  EXPECT_EQ(surface().htmlLoads.size(), 1u);
  EXPECT_THAT(surface().urlLoads, IsEmpty());
}

TEST_F(DesktopBrowserModelTest, MailAndPhoneLinksGoToTheSystemOnlyWhenTheUserFollowedThem) {
  EXPECT_EQ(surface().navigate("mailto:help@ondi.example"), NavigationDecision::cancel);
  EXPECT_EQ(surface().navigate("mailto:ads@example.org", false), NavigationDecision::cancel);
  EXPECT_EQ(surface().navigate("mailto:script@example.org", true, false),
            NavigationDecision::cancel);
  EXPECT_EQ(tab(0).navigate("tel:+15550100", false), NavigationDecision::cancel);
  EXPECT_EQ(tab(0).navigate("tel:+15550199", std::nullopt, false), NavigationDecision::cancel);
  tab(0).requestNewWindow("mailto:popup@example.org", false);
  EXPECT_EQ(tab(0).navigate("https://example.org/", false), NavigationDecision::allow);
  EXPECT_THAT(platform.system.openedURLs, ElementsAre("mailto:help@ondi.example", "tel:+15550100"));
  EXPECT_EQ(model.tabs.sessions().size(), 1u);
  EXPECT_EQ(route(), "home");
}

TEST_F(DesktopBrowserModelTest, NewWindowRequestsStayInTheSurfaceOnlyForServiceAddresses) {
  surface().requestNewWindow("https://app.ondi.example/agent.html?source=mac_app");
  ASSERT_EQ(surface().urlLoads.size(), 1u);
  EXPECT_EQ(surface().urlLoads[0].address, "https://app.ondi.example/agent.html?source=mac_app");
  EXPECT_EQ(route(), "agent");
  EXPECT_EQ(model.tabs.sessions().size(), 1u);

  tab(0).requestNewWindow("https://www.example.org/");
  ASSERT_EQ(model.tabs.sessions().size(), 2u);
  EXPECT_EQ(model.tabs.browserTabs.get().at(1).title, "example.org");
  EXPECT_EQ(surface().urlLoads.size(), 1u);
}

TEST_F(DesktopBrowserModelTest, NavigationStateFollowsOnALaterTurnButNotBehindANativeScreen) {
  model.loadURL("https://ondi.example/docs");
  surface().state.title = "Docs";
  surface().state.canGoBack = true;
  surface().finishNavigation();
  EXPECT_EQ(title(), "Home");
  EXPECT_FALSE(model.navigation.canGoBack.get());

  platform.scheduler.runUntilIdle();
  EXPECT_EQ(title(), "Docs");
  EXPECT_TRUE(model.navigation.canGoBack.get());

  surface().state.isLoading = true;
  surface().finishNavigation();
  platform.scheduler.runUntilIdle();
  ASSERT_TRUE(model.navigation.isLoading.get());

  model.load(VelmoraRoute::skills());
  surface().state = {.url = "https://ondi.example/docs/next", .title = "Next"};
  surface().finishNavigation();
  platform.scheduler.runUntilIdle();
  EXPECT_EQ(address(), "velmora://skills");
  EXPECT_EQ(title(), "Skills");
  EXPECT_FALSE(model.navigation.isLoading.get());
}

TEST_F(DesktopBrowserModelTest, APIRequestsFollowALocalSurfaceOnly) {
  for (const auto& [surfaceURL, requestURL, origin] :
       std::vector<std::tuple<std::string, std::string, std::string>>{
           {"http://localhost:3000/agent.html?source=mac_app",
            "http://localhost:3000/api/auth/session", "http://localhost:3000"},
           {"https://example.org/agent.html", "https://ondi.example/api/auth/session",
            "https://ondi.example"}}) {
    SCOPED_TRACE(surfaceURL);
    surface().state.url = surfaceURL;
    platform.scheduler.runUntilIdle();
    platform.transport.requests.clear();
    model.performAuthenticatedAPIRequest("/api/auth/session", "GET", std::nullopt, {},
                                         [](DesktopAPIResult) {});
    platform.scheduler.runUntilIdle();
    ASSERT_EQ(platform.transport.requests.size(), 1u);
    EXPECT_EQ(platform.transport.requests[0].url, requestURL);
    EXPECT_THAT(platform.transport.requests[0].headers,
                ::testing::Contains(std::pair<std::string, std::string>("Origin", origin)));
    platform.transport.respond(200);
  }
}

// The account page is asked for each time: a development server named by the environment or
// shown in the surface gives its own origin, anything else the service's web origin.
TEST_F(DesktopBrowserModelTest, AccountWebsiteFollowsTheCurrentAPIBase) {
  constexpr const char* kQuery = "/auth.html?mode=sign-up&returnTo=/agent.html?source%3Dmac_app";
  EXPECT_EQ(model.accountWebsiteURL(), std::string("https://ondi.example") + kQuery);
  surface().state.url = "http://localhost:3000/agent.html?source=mac_app";
  EXPECT_EQ(model.accountWebsiteURL(), std::string("http://localhost:3000") + kQuery);
  platform.environment.values["VELMORA_API_BASE_URL"] = "http://127.0.0.1:8787/api/";
  EXPECT_EQ(model.accountWebsiteURL(), std::string("http://127.0.0.1:8787") + kQuery);
  platform.environment.values.clear();
  surface().state.url = "https://example.org/agent.html";
  EXPECT_EQ(model.accountWebsiteURL(), std::string("https://ondi.example") + kQuery);
  model.openAccountWebsite();
  EXPECT_THAT(platform.system.openedURLs,
              ElementsAre(std::string("https://ondi.example") + kQuery));
}

TEST_F(DesktopBrowserModelTest, DictationSaysThisComputerHasNoSpeechRecognizer) {
  platform.speechRecognizer.installed = false;
  surface().receiveScriptMessage(
      {"velmoraSpeech", R"({"action":"start","draft":""})", true, "https", "ondi.example"});
  ASSERT_FALSE(surface().scripts.empty());
  EXPECT_THAT(surface().scripts.back(),
              ::testing::HasSubstr("Speech recognition is unavailable on this computer."));
}

TEST(DesktopBrowserModelLifetime, RefreshQueuedBeforeTeardownDoesNothing) {
  fakes::FakePlatform platform;
  auto model = std::make_unique<DesktopBrowserModel>(kOrigin, platform.services(),
                                                     SurfaceResources{kOperatorHTML});
  platform.scheduler.runUntilIdle();
  static_cast<FakeWebView&>(model->surfaceWebView()).finishNavigation();
  ASSERT_EQ(platform.scheduler.pendingCount(), 1u);
  model.reset();
  platform.scheduler.runUntilIdle();  // must not reach the destroyed model
}

}  // namespace
}  // namespace ondi
