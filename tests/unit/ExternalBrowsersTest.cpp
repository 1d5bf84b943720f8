#include "core/desktop/ExternalBrowsers.h"

#include <gtest/gtest.h>

#include <memory>

#include "core/desktop/BrowserAutomationScripts.h"
#include "fakes/FakeExternalApplications.h"

namespace ondi {
namespace {

using Outcome = ApplicationOpenOutcome;
using Script = AutomationScriptOutcome;

constexpr const char* kChrome = "com.google.Chrome";
constexpr const char* kSafari = "com.apple.Safari";

class ExternalBrowsersTest : public ::testing::Test {
 protected:
  // Opens `url` in Chrome and delivers the completions; returns the one result.
  std::optional<DesktopActionResult> openInChrome(const std::string& url) {
    std::optional<DesktopActionResult> result;
    browsers->openURL(url, kChrome, "Google Chrome", "Jobs",
                      [&](const DesktopActionResult& r) { result = r; });
    EXPECT_FALSE(result) << "answered before the main loop ran";
    applications.deliverCompletions();
    return result;
  }

  fakes::FakeExternalApplications applications;
  std::unique_ptr<ExternalBrowsers> browsers = std::make_unique<ExternalBrowsers>(applications);
};

TEST(BrowserAutomationScriptsTest, CloseScriptsAreExact) {
  EXPECT_EQ(BrowserAutomationScripts::closeSafariTab,
            "tell application \"Safari\"\n"
            "  if (count of windows) = 0 then return \"Safari has no open windows.\"\n"
            "  close current tab of front window\n"
            "  activate\n"
            "end tell\n"
            "return \"Closed the active Safari tab.\"");
  EXPECT_EQ(BrowserAutomationScripts::closeChromeTab,
            "tell application \"Google Chrome\"\n"
            "  if (count of windows) = 0 then return \"Google Chrome has no open windows.\"\n"
            "  close active tab of front window\n"
            "  activate\n"
            "end tell\n"
            "return \"Closed the active Chrome tab.\"");
}

TEST(BrowserAutomationScriptsTest, SwitchScriptsAreExactInBothDirections) {
  EXPECT_EQ(BrowserAutomationScripts::switchChromeTab("previous"),
            "tell application \"Google Chrome\"\n"
            "  if (count of windows) = 0 then return \"Google Chrome has no open windows.\"\n"
            "  set tabCount to count of tabs of front window\n"
            "  if tabCount = 0 then return \"Google Chrome has no tabs open.\"\n"
            "  set currentIndex to active tab index of front window\n"
            "  set nextIndex to currentIndex + -1\n"
            "  if nextIndex < 1 then set nextIndex to tabCount\n"
            "  if nextIndex > tabCount then set nextIndex to 1\n"
            "  set active tab index of front window to nextIndex\n"
            "  activate\n"
            "end tell\n"
            "return \"Switched to the previous Chrome tab.\"");
  EXPECT_EQ(BrowserAutomationScripts::switchSafariTab("next"),
            "tell application \"Safari\"\n"
            "  if (count of windows) = 0 then return \"Safari has no open windows.\"\n"
            "  set tabCount to count of tabs of front window\n"
            "  if tabCount = 0 then return \"Safari has no tabs open.\"\n"
            "  set currentIndex to index of current tab of front window\n"
            "  set nextIndex to currentIndex + 1\n"
            "  if nextIndex < 1 then set nextIndex to tabCount\n"
            "  if nextIndex > tabCount then set nextIndex to 1\n"
            "  set current tab of front window to tab nextIndex of front window\n"
            "  activate\n"
            "end tell\n"
            "return \"Switched to the next Safari tab.\"");
  // Only the exact word "previous" steps backwards.
  EXPECT_EQ(BrowserAutomationScripts::switchSafariTab("Previous"),
            BrowserAutomationScripts::switchSafariTab("next"));
}

TEST_F(ExternalBrowsersTest, MissingBrowserFallsBackToTheDefaultBrowser) {
  EXPECT_EQ(openInChrome("https://jobs.example/"),
            DesktopActionResult::success(
                "Google Chrome is not installed, so Ondi opened Jobs in your default browser."));
  EXPECT_EQ(applications.defaultHandlerURLs, std::vector<std::string>{"https://jobs.example/"});
  EXPECT_TRUE(applications.openedURLs.empty());

  applications.defaultHandlerOpens = false;
  EXPECT_EQ(openInChrome("https://jobs.example/"),
            DesktopActionResult::failure("Could not open Jobs."));
}

TEST_F(ExternalBrowsersTest, InstalledBrowserReportsHowTheHandOffEnded) {
  applications.installed = {kChrome};
  EXPECT_EQ(openInChrome("https://jobs.example/"),
            DesktopActionResult::success("Opened Jobs in Google Chrome."));
  EXPECT_EQ(applications.openedURLs, (std::vector<fakes::FakeExternalApplications::OpenedURL>{
                                         {"https://jobs.example/", kChrome}}));
  EXPECT_TRUE(applications.defaultHandlerURLs.empty());

  applications.openOutcome = {Outcome::Status::failed, {}};
  EXPECT_EQ(openInChrome("https://jobs.example/"),
            DesktopActionResult::failure("Google Chrome could not open Jobs."));

  applications.openOutcome = {Outcome::Status::couldNotStart, "No such file or directory"};
  EXPECT_EQ(openInChrome("https://jobs.example/"),
            DesktopActionResult::failure("Google Chrome could not open Jobs: No such file or "
                                         "directory"));
}

TEST_F(ExternalBrowsersTest, OpeningABrowserApplication) {
  std::vector<DesktopActionResult> results;
  const auto record = [&](const DesktopActionResult& r) { results.push_back(r); };

  browsers->openApplication(kSafari, "Safari", record);
  ASSERT_EQ(results.size(), 1u) << "a missing application is reported at once";
  EXPECT_EQ(results[0], DesktopActionResult::failure("Safari is not installed on this computer."));

  applications.installed = {kChrome};
  browsers->openApplication(kChrome, "Google Chrome", record);
  EXPECT_EQ(results.size(), 1u) << "the launch answers from its completion";
  applications.deliverCompletions();
  applications.applicationError = "Permission denied";
  browsers->openApplication(kChrome, "Google Chrome", record);
  applications.deliverCompletions();
  ASSERT_EQ(results.size(), 3u);
  EXPECT_EQ(results[1], DesktopActionResult::success("Opened Google Chrome."));
  EXPECT_EQ(results[2],
            DesktopActionResult::failure("Google Chrome could not open: Permission denied"));
  EXPECT_EQ(applications.openedApplications, (std::vector<std::string>{kChrome, kChrome}));
}

TEST_F(ExternalBrowsersTest, LateCompletionsAreDroppedOnceTheBrowsersAreGone) {
  applications.installed = {kChrome};
  int calls = 0;
  browsers->openURL("https://a.example/", kChrome, "Google Chrome", "A", [&](auto) { ++calls; });
  browsers->openURL("https://b.example/", kSafari, "Safari", "B", [&](auto) { ++calls; });
  browsers->openApplication(kChrome, "Google Chrome", [&](auto) { ++calls; });
  browsers.reset();
  applications.deliverCompletions();
  EXPECT_EQ(calls, 0);
}

TEST_F(ExternalBrowsersTest, AutomationOutcomesBecomeSentences) {
  const auto closeChrome = [&] {
    return browsers->runChromeAppleScript(BrowserAutomationScripts::closeChromeTab,
                                          "Closed the active Chrome tab.");
  };
  // Linux has no AppleScript: the script cannot be prepared.
  EXPECT_EQ(closeChrome(),
            DesktopActionResult::failure("Could not prepare the Chrome automation script."));
  EXPECT_EQ(browsers->switchSafariTab("next"),
            DesktopActionResult::failure("Could not prepare the Safari automation script."));

  applications.scriptOutcome = {Script::Status::succeeded,
                                "  Google Chrome has no open windows.\n"};
  EXPECT_EQ(closeChrome(), DesktopActionResult::success("Google Chrome has no open windows."));
  applications.scriptOutcome = {Script::Status::succeeded, " \n"};
  EXPECT_EQ(closeChrome(), DesktopActionResult::success("Closed the active Chrome tab."));
  EXPECT_EQ(browsers->switchSafariTab("previous"),
            DesktopActionResult::success("Switched to the previous Safari tab."));
  EXPECT_EQ(browsers->switchChromeTab("next"),
            DesktopActionResult::success("Switched to the next Chrome tab."));

  applications.scriptOutcome = {Script::Status::failed, std::nullopt};
  EXPECT_EQ(closeChrome(), DesktopActionResult::failure(
                               "Chrome automation was blocked. Allow Ondi to control Google "
                               "Chrome in the desktop's automation settings."));
  EXPECT_EQ(browsers->switchSafariTab("next"),
            DesktopActionResult::failure("Safari automation was blocked. Allow Ondi to control "
                                         "Safari in the desktop's automation settings."));
  applications.scriptOutcome = {Script::Status::failed, "Safari got an error: Can’t get window 1."};
  EXPECT_EQ(browsers->switchSafariTab("next"),
            DesktopActionResult::failure("Safari got an error: Can’t get window 1."));

  EXPECT_EQ(applications.scripts.at(0), BrowserAutomationScripts::closeChromeTab);
  EXPECT_EQ(applications.scripts.at(1), BrowserAutomationScripts::switchSafariTab("next"));
}

}  // namespace
}  // namespace ondi
