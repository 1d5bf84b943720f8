#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include "core/app/DesktopBrowserModel.h"
#include "core/browser/BrowserTabs.h"
#include "core/navigation/NavigationState.h"
#include "core/navigation/VelmoraRoute.h"
#include "core/origin/ServiceOrigin.h"
#include "core/ports/WebView.h"
#include "core/script/SurfaceResources.h"
#include "fakes/FakePlatform.h"

namespace ondi {
namespace {

using fakes::FakeWebView;
using ::testing::ElementsAre;

const ServiceOrigin kOrigin{"https://ondi.example", "ondi.example"};
constexpr const char* kControlPage =
    "https://ondi.example/api/platform/workflows/run_7/browser-control";

// Desktop actions and hand-offs through the model, on fake web views and applications.
class DesktopActionModelTest : public ::testing::Test {
 protected:
  FakeWebView& surface() { return static_cast<FakeWebView&>(model.surfaceWebView()); }
  FakeWebView& tab(std::size_t index) {
    return static_cast<FakeWebView&>(*model.tabs.sessions().at(index).webView);
  }
  std::vector<std::string> tabTitles() const {
    std::vector<std::string> titles;
    for (const auto& snapshot : model.tabs.browserTabs.get()) titles.push_back(snapshot.title);
    return titles;
  }
  fakes::FakePlatform platform;
  DesktopBrowserModel model{kOrigin, platform.services(), {"<html>operator</html>"}};
};

TEST_F(DesktopActionModelTest, AManagedWorkflowGetsOneTabBoundToIt) {
  EXPECT_TRUE(model.openManagedBrowserWorkflow("run_7", "Managed Gmail"));
  platform.scheduler.runUntilIdle();
  ASSERT_EQ(model.tabs.sessions().size(), 2u);
  const BrowserTabSession& bound = model.tabs.sessions()[1];
  EXPECT_EQ(bound.managedWorkflowID, "run_7");
  EXPECT_EQ(bound.requestedURL, kControlPage);
  EXPECT_EQ(model.tabs.selectedBrowserTabID.get(), bound.id);
  EXPECT_EQ(tab(1).urlLoads.size(), 1u);
  EXPECT_EQ(tab(1).urlLoads[0].address, kControlPage);
  EXPECT_EQ(model.requestedMonitoredWorkflowID.get(), "run_7");
  EXPECT_EQ(model.navigation.activeRoute.get(), VelmoraRoute::browserWorkspace());
  EXPECT_THAT(tabTitles(), ElementsAre("Gmail", "Managed Gmail"));
  const std::string logged = platform.logger.entries.back().message;
  EXPECT_TRUE(logged.starts_with("Opened managed browser workflow=")) << logged;
  EXPECT_EQ(logged.find("run_7"), std::string::npos) << "the id is masked";

  // Handing the same workflow over again reloads its tab instead of opening another.
  model.selectBrowserTab(model.tabs.sessions()[0].id);
  tab(1).state.url = "https://ondi.example/elsewhere";
  EXPECT_TRUE(model.openManagedBrowserWorkflow(" run_7 ", "Managed browser"));
  platform.scheduler.runUntilIdle();
  EXPECT_EQ(model.tabs.sessions().size(), 2u);
  EXPECT_EQ(model.tabs.selectedBrowserTabID.get(), model.tabs.sessions()[1].id);
  EXPECT_EQ(tab(1).urlLoads.size(), 2u);
  EXPECT_EQ(model.navigation.currentURLString.get(), kControlPage);

  EXPECT_TRUE(model.openManagedBrowserWorkflow("run_8", "Managed browser"));
  EXPECT_EQ(model.tabs.sessions().size(), 3u);
}

TEST_F(DesktopActionModelTest, InvalidWorkflowsOpenNothing) {
  EXPECT_FALSE(model.openManagedBrowserWorkflow("run/7", "Managed browser"));
  EXPECT_FALSE(model.openManagedBrowserWorkflow("", "Managed browser"));
  EXPECT_EQ(model.tabs.sessions().size(), 1u);
  EXPECT_FALSE(model.requestedMonitoredWorkflowID.get());
}

TEST_F(DesktopActionModelTest, ToolbarHandOffsNameThePageByTitleOrHost) {
  model.openInAppBrowserTab("https://www.news.example/today", std::nullopt);
  tab(1).state.title = "  Today's news \n";
  platform.scheduler.runUntilIdle();
  model.openCurrentInChrome();
  platform.applications.deliverCompletions();
  EXPECT_EQ(platform.applications.defaultHandlerURLs,
            std::vector<std::string>{"https://www.news.example/today"});
  EXPECT_EQ(platform.logger.entries.back().message, "Chrome handoff host=www.news.example");

  platform.applications.installed = {"com.apple.Safari"};
  tab(1).state.title = "";
  platform.scheduler.runUntilIdle();
  model.openCurrentInSafari();
  EXPECT_EQ(platform.logger.entries.back().message, "Safari handoff host=www.news.example");
  ASSERT_EQ(platform.applications.openedURLs.size(), 1u);
  EXPECT_EQ(platform.applications.openedURLs[0].url, "https://www.news.example/today");
  EXPECT_EQ(platform.applications.openedURLs[0].bundleIdentifier, "com.apple.Safari");
  // Hand-offs report nothing to the page.
  const auto scripts = surface().scripts.size();
  platform.applications.deliverCompletions();
  EXPECT_EQ(surface().scripts.size(), scripts);
}

}  // namespace
}  // namespace ondi
