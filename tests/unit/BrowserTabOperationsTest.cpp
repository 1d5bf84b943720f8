#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include "core/actions/DesktopActionResult.h"
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

// The model with a Gmail tab and the tabs the test opens, on fake web views.
class BrowserTabOperations : public ::testing::Test {
 protected:
  // Opens tabs for these hosts after the Gmail tab; the last one ends selected.
  void openTabs(std::initializer_list<const char*> hosts) {
    for (const char* host : hosts) {
      model.openInAppBrowserTab(std::string("https://") + host + "/", std::nullopt);
    }
    platform.scheduler.runUntilIdle();
  }
  const std::string& idAt(std::size_t index) const { return model.tabs.sessions().at(index).id; }
  FakeWebView& viewAt(std::size_t index) {
    return static_cast<FakeWebView&>(*model.tabs.sessions().at(index).webView);
  }
  std::vector<std::string> titles() const {
    std::vector<std::string> result;
    for (const auto& snapshot : model.tabs.browserTabs.get()) result.push_back(snapshot.title);
    return result;
  }
  std::string selectedTitle() const {
    for (const auto& snapshot : model.tabs.browserTabs.get()) {
      if (snapshot.id == model.tabs.selectedBrowserTabID.get()) return snapshot.title;
    }
    return "none";
  }
  VelmoraRoute::Kind route() const { return model.navigation.activeRoute.get().kind(); }

  fakes::FakePlatform platform;
  DesktopBrowserModel model{kOrigin, platform.services(), {"<html>operator</html>"}};
};

TEST_F(BrowserTabOperations, ClosingTheSelectedTabSelectsTheTabThatTakesItsPlace) {
  openTabs({"a.test", "b.test"});
  ASSERT_THAT(titles(), ElementsAre("Gmail", "a.test", "b.test"));
  viewAt(2).state.isLoading = true;

  model.closeBrowserTab(idAt(2));
  EXPECT_EQ(platform.webViews.destroyedWhileLoading, 0) << "the closed tab stops loading";
  EXPECT_THAT(titles(), ElementsAre("Gmail", "a.test"));
  EXPECT_EQ(selectedTitle(), "a.test");

  model.load(VelmoraRoute::connectors());
  model.closeBrowserTab(idAt(0));
  model.closeBrowserTab("no-such-tab");
  EXPECT_THAT(titles(), ElementsAre("a.test"));
  EXPECT_EQ(selectedTitle(), "a.test") << "closing another tab keeps the selection";
  EXPECT_EQ(route(), VelmoraRoute::Kind::connectors);

  openTabs({"c.test"});
  model.selectBrowserTab(idAt(0));
  model.closeBrowserTab(idAt(0));
  EXPECT_THAT(titles(), ElementsAre("c.test"));
  EXPECT_EQ(selectedTitle(), "c.test");
  EXPECT_EQ(route(), VelmoraRoute::Kind::browserWorkspace);
  platform.scheduler.runUntilIdle();
  EXPECT_EQ(model.navigation.currentURLString.get(), "https://c.test/");
}

TEST_F(BrowserTabOperations, ATabOpenedInTheBackgroundLoadsWhenFirstShown) {
  openTabs({"a.test", "b.test"});
  EXPECT_TRUE(viewAt(0).urlLoads.empty()) << "the start-up Gmail tab waits to be shown";

  model.selectBrowserTab(idAt(0));
  ASSERT_EQ(viewAt(0).urlLoads.size(), 1u);
  EXPECT_EQ(viewAt(0).urlLoads[0].address, "https://mail.google.com/mail/u/0/#inbox");
  model.selectBrowserTab(idAt(1));
  model.selectBrowserTab(idAt(0));
  EXPECT_EQ(viewAt(0).urlLoads.size(), 1u) << "a shown tab is not loaded again";
  EXPECT_EQ(viewAt(1).urlLoads.size(), 1u);
}

TEST_F(BrowserTabOperations, ClosingTheOnlyTabKeepsItsPageForTheNextVisit) {
  model.load(VelmoraRoute::browserWorkspace());
  platform.scheduler.runUntilIdle();
  const std::string onlyID = idAt(0);
  viewAt(0).state.url = "https://mail.google.com/mail/u/0/#starred";

  model.closeBrowserTab(onlyID);
  EXPECT_EQ(route(), VelmoraRoute::Kind::agent);
  ASSERT_EQ(model.tabs.sessions().size(), 1u);
  EXPECT_EQ(idAt(0), onlyID);

  model.load(VelmoraRoute::browserWorkspace());
  platform.scheduler.runUntilIdle();
  EXPECT_EQ(viewAt(0).urlLoads.size(), 1u) << "the page is not loaded again";
  EXPECT_EQ(model.navigation.currentURLString.get(), "https://mail.google.com/mail/u/0/#starred");
}

TEST_F(BrowserTabOperations, CloseSelectedActionClosesATabOrLeavesTheWorkspace) {
  openTabs({"a.test"});
  EXPECT_EQ(model.closeSelectedInAppBrowserTab(),
            DesktopActionResult::success("Closed the active Ondi browser tab."));
  EXPECT_THAT(titles(), ElementsAre("Gmail"));
  EXPECT_EQ(route(), VelmoraRoute::Kind::browserWorkspace);

  EXPECT_EQ(model.closeSelectedInAppBrowserTab(),
            DesktopActionResult::success("Closed Ondi's in-app browser workspace."));
  EXPECT_THAT(titles(), ElementsAre("Gmail"));
  EXPECT_EQ(route(), VelmoraRoute::Kind::agent);

  openTabs({"b.test"});
  model.tabs.selectedBrowserTabID.set("gone");
  EXPECT_EQ(model.closeSelectedInAppBrowserTab(),
            DesktopActionResult::success("Closed Ondi's in-app browser workspace."));
  EXPECT_THAT(titles(), ElementsAre("Gmail", "b.test")) << "a stale selection closes nothing";
}

TEST_F(BrowserTabOperations, SwitchingWrapsAroundBothEnds) {
  EXPECT_EQ(model.switchInAppBrowserTab("next"),
            DesktopActionResult::failure("Ondi has one browser tab open. Open another page "
                                         "first, then I can switch tabs."));
  openTabs({"a.test", "b.test"});
  model.load(VelmoraRoute::home());

  const DesktopActionResult next = model.switchInAppBrowserTab("next");
  EXPECT_EQ(next, DesktopActionResult::success("Switched to the next Ondi browser tab."));
  EXPECT_EQ(selectedTitle(), "Gmail");
  EXPECT_EQ(route(), VelmoraRoute::Kind::browserWorkspace);

  const DesktopActionResult previous = model.switchInAppBrowserTab("previous");
  EXPECT_EQ(previous, DesktopActionResult::success("Switched to the previous Ondi browser tab."));
  EXPECT_EQ(selectedTitle(), "b.test");
  model.switchInAppBrowserTab("previous");
  EXPECT_EQ(selectedTitle(), "a.test");
  model.switchInAppBrowserTab("sideways");
  EXPECT_EQ(selectedTitle(), "b.test");
}

TEST_F(BrowserTabOperations, SwitchingFromAStaleSelectionStartsAtTheFirstTab) {
  openTabs({"a.test", "b.test"});
  model.tabs.selectedBrowserTabID.set("gone");
  model.switchInAppBrowserTab("next");
  EXPECT_EQ(selectedTitle(), "a.test");

  model.tabs.selectedBrowserTabID.set("gone");
  model.switchInAppBrowserTab("previous");
  EXPECT_EQ(selectedTitle(), "b.test");
}

TEST_F(BrowserTabOperations, TheAddressBarLoadsIntoTheSelectedTab) {
  openTabs({"a.test"});
  model.loadBrowserAddress("example.com/jobs");
  model.loadBrowserAddress("  ");
  ASSERT_EQ(viewAt(1).urlLoads.size(), 2u);
  EXPECT_EQ(viewAt(1).urlLoads[1].address, "https://example.com/jobs");
  EXPECT_EQ(viewAt(1).urlLoads[1].timeout, std::chrono::seconds(30));
  EXPECT_EQ(model.tabs.sessions().size(), 2u);
  EXPECT_EQ(model.navigation.currentURLString.get(), "https://example.com/jobs");
  EXPECT_THAT(titles(), ElementsAre("Gmail", "example.com"));

  model.loadBrowserAddress("open source jobs");
  EXPECT_EQ(viewAt(1).urlLoads.back().address,
            "https://www.google.com/search?q=open%20source%20jobs");
}

TEST_F(BrowserTabOperations, CurrentPageOpensInTheInAppBrowser) {
  model.load(VelmoraRoute::agent());
  static_cast<FakeWebView&>(model.surfaceWebView()).finishNavigation();
  platform.scheduler.runUntilIdle();
  EXPECT_EQ(model.currentPageURL(), "https://ondi.example/agent.html?source=mac_app");
  model.openCurrentInVelmoraBrowser();
  ASSERT_EQ(model.tabs.sessions().size(), 2u);
  EXPECT_EQ(viewAt(1).urlLoads.at(0).address, "https://ondi.example/agent.html?source=mac_app");
  EXPECT_EQ(selectedTitle(), "Ondi");

  viewAt(1).state.url = "https://ondi.example/agent.html?source=mac_app#thread";
  viewAt(1).state.title = "Thread";
  viewAt(1).finishNavigation();
  platform.scheduler.runUntilIdle();
  model.openCurrentInVelmoraBrowser();
  EXPECT_EQ(model.tabs.sessions().size(), 2u) << "inside the browser the selected tab reloads";
  EXPECT_EQ(viewAt(1).urlLoads.back().address,
            "https://ondi.example/agent.html?source=mac_app#thread");
}

TEST_F(BrowserTabOperations, APageCannotFloodTheBrowserWithWindows) {
  const std::string tooMany =
      "This page tried to open too many windows at once. Ondi blocked the rest.";
  openTabs({"flood.test"});
  for (int i = 0; i < 8; ++i) viewAt(1).requestNewWindow("https://popup.test/" + std::to_string(i));
  EXPECT_EQ(model.tabs.sessions().size(), 7u) << "five windows within ten seconds";
  EXPECT_EQ(model.tabs.notice.get(), tooMany);

  // Another tab has its own allowance, and the flooding one gets more as time passes.
  viewAt(0).requestNewWindow("https://checkout.test/");
  EXPECT_EQ(model.tabs.sessions().size(), 8u);
  platform.scheduler.advance(std::chrono::seconds(10));
  viewAt(1).requestNewWindow("https://popup.test/later");
  EXPECT_EQ(model.tabs.sessions().size(), 9u);

  // Closing a tab clears the notice.
  model.closeBrowserTab(idAt(8));
  EXPECT_EQ(model.tabs.notice.get(), std::nullopt);
}

TEST_F(BrowserTabOperations, TheBrowserKeepsAtMostFiftyTabs) {
  for (int i = 1; i < 50; ++i) {
    ASSERT_TRUE(model.openInAppBrowserTab("https://t" + std::to_string(i) + ".test/", {}));
  }
  EXPECT_FALSE(model.openInAppBrowserTab("https://one-too-many.test/", {}));
  static_cast<FakeWebView&>(model.surfaceWebView()).requestNewWindow("https://other.test/");
  EXPECT_EQ(model.tabs.sessions().size(), 50u);
  EXPECT_EQ(model.tabs.notice.get(),
            "Ondi keeps at most 50 browser tabs open. Close a tab, then try again.");
  model.closeBrowserTab(idAt(1));
  EXPECT_TRUE(model.openInAppBrowserTab("https://room-again.test/", {}));
}

}  // namespace
}  // namespace ondi
