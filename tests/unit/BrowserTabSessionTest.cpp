#include "core/browser/BrowserTabSession.h"
#include "core/browser/BrowserTabSymbol.h"

#include <gtest/gtest.h>

#include "fakes/FakeWebView.h"

namespace ondi {
namespace {

TEST(BrowserTabSession, SnapshotTitleFallsBackFromPageToTabToHost) {
  const struct {
    const char* name;
    std::string pageTitle;
    std::string fallbackTitle;
    std::string pageURL;
    std::string requestedURL;
    std::string title;
  } cases[] = {
      {"page title, trimmed", " \tInbox (3)\n", "Gmail", "https://mail.google.com/", "",
       "Inbox (3)"},
      {"fallback, trimmed", " \n ", "  Reports ", "https://www.example.com/", "", "Reports"},
      {"host of the page", "", " ", "https://www.example.com/a", "https://other.test/",
       "example.com"},
      {"host of the request", "", "", "", "https://www.other.test/", "other.test"},
      {"nothing known", "", "", "", "", "New tab"},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.name);
    auto view = std::make_unique<fakes::FakeWebView>(WebViewConfiguration{});
    view->state.title = c.pageTitle;
    view->state.url = c.pageURL;
    const BrowserTabSession session{"ID", std::move(view), c.requestedURL, c.fallbackTitle,
                                    std::nullopt};
    EXPECT_EQ(session.snapshot().title, c.title);
  }
}

TEST(BrowserTabSession, SnapshotShowsThePageAddressExceptForAManagedWorkflow) {
  auto owned = std::make_unique<fakes::FakeWebView>(WebViewConfiguration{});
  fakes::FakeWebView* view = owned.get();
  BrowserTabSession session{"ID", std::move(owned), "https://example.org/start", "Tab",
                            std::nullopt};
  EXPECT_EQ(session.snapshot().urlString, "https://example.org/start");

  view->state.url = "https://example.org/moved";
  view->state.isLoading = true;
  const BrowserTabSnapshot shown = session.snapshot();
  EXPECT_EQ(shown, (BrowserTabSnapshot{"ID", "Tab", "https://example.org/moved", true}));

  session.managedWorkflowID = "workflow-1";
  EXPECT_EQ(session.snapshot().urlString, "https://example.org/start");
}

TEST(BrowserTabSession, DisplayTitleNamesWellKnownHostsAndDropsWWW) {
  const struct {
    std::string url;
    std::string title;
  } cases[] = {
      {"https://mail.google.com/mail/u/0/#inbox", "Gmail"},
      {"https://MAIL.Google.com/", "Gmail"},
      {"https://drive.google.com/drive/my-drive", "Google Drive"},
      {"https://www.example.com/path", "example.com"},
      {"https://news.www.example.com/", "news.example.com"},
      {"https://www./", "New tab"},
      {"mailto:someone@example.com", "New tab"},
      {"not an address", "New tab"},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.url);
    EXPECT_EQ(displayTitle(c.url), c.title);
  }
}

TEST(BrowserTabSession, PillSymbolFollowsTheKindOfSite) {
  const struct {
    std::string url;
    BrowserTabSymbol symbol;
  } cases[] = {
      {"https://MAIL.GOOGLE.COM/mail/u/0/#inbox", BrowserTabSymbol::envelope},
      {"https://www.linkedin.com/jobs/", BrowserTabSymbol::person},
      {"https://drive.google.com/drive/my-drive", BrowserTabSymbol::folder},
      {"https://www.google.com/search?q=mail", BrowserTabSymbol::globe},
      {"", BrowserTabSymbol::globe},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.url);
    EXPECT_EQ(browserTabSymbol(c.url), c.symbol);
  }
}

}  // namespace
}  // namespace ondi
