#include <gtest/gtest.h>

#include "MainLoop.h"
#include "PageServer.h"
#include "WebKitPlatform.h"
#include "core/app/DesktopBrowserModel.h"
#include "core/browser/BrowserTabs.h"
#include "core/navigation/NavigationState.h"
#include "core/navigation/VelmoraRoute.h"
#include "core/origin/ServiceOrigin.h"
#include "core/ports/WebView.h"
#include "core/script/SurfaceResources.h"
#include "fakes/FakeHttpTransport.h"

using namespace ondi;

namespace {

// The model's in-app tabs on real WebKit views, with pages from two loopback sites.
class BrowserTabs : public ::testing::Test {
 protected:
  // Opens `html` from the first site in a new tab and waits until it has loaded.
  WebView& openTab(const std::string& path, const std::string& html) {
    site.addPage(path, html);
    model.openInAppBrowserTab(site.url(path), std::nullopt);
    WebView& view = *model.tabs.selectedSession().webView;
    EXPECT_TRUE(
        runMainLoopUntil([&] { return view.url() == site.url(path) && !view.isLoading(); }));
    return view;
  }

  ScriptResult runScript(WebView& view, const std::string& script) {
    std::optional<ScriptResult> result;
    view.evaluateJavaScript(script, [&](ScriptResult r) { result = r; });
    EXPECT_TRUE(runMainLoopUntil([&] { return result.has_value(); }));
    return result.value_or(std::unexpected(std::string("no result")));
  }

  PageServer site{"127.0.0.1"};
  PageServer other{"127.0.0.2"};
  WebKitPlatform platform;
  fakes::FakeHttpTransport transport;
  DesktopBrowserModel model{ServiceOrigin{"https://ondi.example", "ondi.example"},
                            platform.services(transport),
                            {"<title>Operator</title>"}};
};

TEST_F(BrowserTabs, NewWindowRequestsOpenFurtherTabsTitledAfterTheirHost) {
  other.addPage("/linked", "<p>linked</p>");
  other.addPage("/scripted", "<p>scripted</p>");
  WebView& first = openTab(
      "/links", R"(<a id="new" target="_blank" href=")" + other.url("/linked") + R"(">new</a>)");
  runScript(first, "document.getElementById('new').click()");
  ASSERT_TRUE(runMainLoopUntil([&] { return model.tabs.sessions().size() == 3; }));
  EXPECT_EQ(model.tabs.selectedSession().requestedURL, other.url("/linked"));
  ASSERT_TRUE(runMainLoopUntil([&] { return other.hits("/linked") == 1; }));
  ASSERT_TRUE(runMainLoopUntil([&] { return model.tabs.browserTabs.get().size() == 3; }));
  EXPECT_EQ(model.tabs.browserTabs.get()[2].title, "127.0.0.2");

  // A script may open windows without a click; that too becomes a tab, not a window.
  runScript(first, "window.open('" + other.url("/scripted") + "'); 0");
  ASSERT_TRUE(runMainLoopUntil([&] { return model.tabs.sessions().size() == 4; }));
  EXPECT_EQ(model.tabs.selectedSession().requestedURL, other.url("/scripted"));
  EXPECT_EQ(first.url(), site.url("/links"));
  EXPECT_EQ(model.navigation.activeRoute.get(), VelmoraRoute::browserWorkspace());
}

TEST_F(BrowserTabs, MailLinksGoToTheSystemAndTheTabStays) {
  WebView& tab = openTab(
      "/contact", R"(<title>Contact</title><a id="mail" href="mailto:jobs@example.com">m</a>)"
                  R"(<a id="later" href="#later">later</a>)");
  runScript(tab, "document.getElementById('mail').click()");
  ASSERT_TRUE(runMainLoopUntil([&] { return !platform.system.openedURLs.empty(); }));
  EXPECT_EQ(platform.system.openedURLs, std::vector<std::string>{"mailto:jobs@example.com"});
  // The tab's next navigation is decided after the mail link's, whatever that did.
  runScript(tab, "document.getElementById('later').click()");
  ASSERT_TRUE(runMainLoopUntil([&] { return tab.url() == site.url("/contact#later"); }))
      << tab.url();
  EXPECT_EQ(platform.system.openedURLs.size(), 1u);
  EXPECT_EQ(model.tabs.sessions().size(), 2u);
  // The title may arrive after the load has finished; the toolbar and the pill follow it.
  EXPECT_TRUE(runMainLoopUntil([&] { return model.navigation.title.get() == "Contact"; }));
  EXPECT_EQ(model.tabs.browserTabs.get().at(1).title, "Contact");
}

}  // namespace
