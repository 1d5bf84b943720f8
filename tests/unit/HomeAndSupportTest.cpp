#include <gtest/gtest.h>

#include <glib.h>

#include "AccountFixture.h"
#include "core/browser/BrowserTabs.h"
#include "core/browser/BrowserWorkspaceController.h"
#include "core/home/HomeGreeting.h"
#include "core/home/HomeOverview.h"
#include "core/navigation/NavigationState.h"
#include "core/navigation/VelmoraRoute.h"
#include "core/origin/ServiceOrigin.h"
#include "core/ports/Clock.h"
#include "core/ports/WebView.h"
#include "core/support/SupportDesk.h"
#include "core/support/SupportDiagnostics.h"
#include "core/workspace/AgentPromptPreparation.h"
#include "core/workspace/WorkspaceStore.h"

namespace ondi {
namespace {

// A clock that always reads one local time of day.
class LocalTimeClock final : public Clock {
 public:
  LocalTimeClock(int hour, int minute) {
    GDateTime* local = g_date_time_new_local(2026, 3, 14, hour, minute, 0);
    time_ = std::chrono::system_clock::from_time_t(g_date_time_to_unix(local));
    g_date_time_unref(local);
  }
  std::chrono::system_clock::time_point now() const override { return time_; }

 private:
  std::chrono::system_clock::time_point time_;
};

TEST(HomeGreetingTest, SalutationChangesAtFiveNoonAndSixInTheUsersTimeZone) {
  EXPECT_EQ(homeGreeting(LocalTimeClock(4, 59), ""), "Good evening.");
  EXPECT_EQ(homeGreeting(LocalTimeClock(5, 0), ""), "Good morning.");
  EXPECT_EQ(homeGreeting(LocalTimeClock(11, 59), ""), "Good morning.");
  EXPECT_EQ(homeGreeting(LocalTimeClock(12, 0), ""), "Good afternoon.");
  EXPECT_EQ(homeGreeting(LocalTimeClock(17, 59), ""), "Good afternoon.");
  EXPECT_EQ(homeGreeting(LocalTimeClock(18, 0), ""), "Good evening.");
  EXPECT_EQ(homeGreeting(LocalTimeClock(0, 0), ""), "Good evening.");
}

TEST(HomeGreetingTest, GreetsWithTheFirstWordOfTheName) {
  EXPECT_EQ(homeGreeting(9, "   Ada Lovelace"), "Good morning, Ada.");
  EXPECT_EQ(homeGreeting(13, "Grace\tHopper "), "Good afternoon, Grace.");
  EXPECT_EQ(homeGreeting(20, "  \n "), "Good evening.");
}

TEST(SupportDiagnosticsTest, ReportsTheBuildAndWhereTheAppIs) {
  EXPECT_EQ(supportDiagnostics({std::nullopt, "Support", "velmora://support", 2}),
            "Ondi Desktop\nVersion: development\nSurface: Support\nCurrent URL: "
            "velmora://support\nBrowser tabs: 2");
  EXPECT_EQ(supportDiagnostics({"", "Home", "velmora://home", 0}).substr(0, 33),
            "Ondi Desktop\nVersion: development");
  EXPECT_EQ(supportDiagnostics({"1.4.2", "Home", "velmora://home", 1}).substr(0, 27),
            "Ondi Desktop\nVersion: 1.4.2");
}

class HomeAndSupportModelTest : public AccountFixture {
 protected:
  fakes::FakeWebView& surface() { return static_cast<fakes::FakeWebView&>(model.surfaceWebView()); }
};

TEST_F(HomeAndSupportModelTest, BuiltInWorkspaceFeedsTheHomeRows) {
  const auto metrics = homeMetrics(model.workspace());
  ASSERT_EQ(metrics.size(), 4u);
  EXPECT_EQ(metrics[0].title, "Approvals waiting");
  EXPECT_EQ(metrics[0].value, "2");
  EXPECT_EQ(metrics[1].value, "3");
  EXPECT_EQ(metrics[2].value, "4");
  EXPECT_EQ(metrics[3].value, "0");

  const auto request = continueRequest(model.workspace().requests.get());
  ASSERT_TRUE(request);
  EXPECT_EQ(request->id, "request-order-delay");
  EXPECT_EQ(continuePrompt(*request),
            "Continue the open request titled \"Delayed order customer updates\". Current "
            "summary: Three replies are drafted after checking fulfillment notes and support "
            "history.");

  auto preferences = DesktopAccountPreferences::accountDefaults();
  auto rows = homeSetupRows(model.workspace(), preferences);
  EXPECT_FALSE(rows[0].isComplete);
  EXPECT_TRUE(rows[1].isComplete);
  EXPECT_TRUE(rows[2].isComplete);
  preferences.requireApprovalForSpend = false;
  EXPECT_FALSE(homeSetupRows(model.workspace(), preferences)[2].isComplete);

  auto requests = model.workspace().requests.get();
  for (auto& item : requests) item.status = RequestStatus::complete;
  EXPECT_FALSE(continueRequest(requests));
}

TEST_F(HomeAndSupportModelTest, SupportWritesToTheBuildsAddressAndOpensTheContactPageInATab) {
  EXPECT_EQ(model.support().mailComposeURL(),
            "mailto:support@ondi.example?subject=Ondi%20Desktop%20Support");
  EXPECT_EQ(model.support().contactPageURL(), "https://ondi.example/page.html?view=contact");
  model.support().composeEmail();
  EXPECT_EQ(platform.system.openedURLs.back(),
            "mailto:support@ondi.example?subject=Ondi%20Desktop%20Support");
  EXPECT_EQ(
      (ServiceOrigin{"https://a.example", "a.example", "help@b.example"}.supportEmailAddress()),
      "help@b.example");

  model.support().openContactPage();
  EXPECT_EQ(model.navigation.activeRoute.get(), VelmoraRoute::browserWorkspace());
  EXPECT_EQ(model.browser().tabs.selectedSession().requestedURL,
            "https://ondi.example/page.html?view=contact");
}

}  // namespace
}  // namespace ondi
