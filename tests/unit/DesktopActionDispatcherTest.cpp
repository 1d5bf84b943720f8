#include "core/desktop/DesktopActionDispatcher.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <limits>
#include <memory>
#include <regex>

#include "core/actions/DesktopActionHost.h"
#include "core/desktop/BrowserAutomationScripts.h"
#include "core/desktop/ExternalBrowsers.h"
#include "fakes/FakeExternalApplications.h"
#include "fakes/RecordingSurfaceChannel.h"

namespace ondi {
namespace {

using nlohmann::json;
using ::testing::ElementsAre;
using ::testing::IsEmpty;

struct Reply {
  std::string id;
  bool ok;
  std::optional<std::string> text;
  std::optional<std::string> error;
};

struct OpenedTab {
  std::string url;
  std::optional<std::string> title;
  bool operator==(const OpenedTab&) const = default;
  friend void PrintTo(const OpenedTab& tab, std::ostream* out) {
    *out << tab.url << " titled " << tab.title.value_or("(none)");
  }
};

// The application as the dispatcher sees it, recording what it is asked to do.
class RecordingHost final : public DesktopActionHost, public fakes::RecordingSurfaceChannel {
 public:
  bool openInAppBrowserTab(const std::string& url, std::optional<std::string> title) override {
    if (tabs.size() >= tabRoom) return false;
    tabs.push_back({url, std::move(title)});
    return true;
  }
  DesktopActionResult closeSelectedInAppBrowserTab() override {
    ++closes;
    return DesktopActionResult::success("Closed the active Ondi browser tab.");
  }
  DesktopActionResult switchInAppBrowserTab(const std::string& direction) override {
    switches.push_back(direction);
    return DesktopActionResult::success("Switched to the " + direction + " Ondi browser tab.");
  }
  bool openManagedBrowserWorkflow(const std::string& workflowID,
                                  const std::string& title) override {
    workflows.emplace_back(workflowID, title);
    return workflowID == "run_1";
  }
  // Replies reach the page as notification scripts.
  void runScript(const std::string& script) override {
    const json reply = notificationArgument(script);
    const auto optionalText = [&](const char* key) -> std::optional<std::string> {
      return reply.contains(key) ? std::optional(reply[key].get<std::string>()) : std::nullopt;
    };
    replies.push_back({reply["id"], reply["ok"], optionalText("text"), optionalText("error")});
  }

  std::vector<OpenedTab> tabs;
  // How many tabs the browser takes before it is full.
  std::size_t tabRoom = std::numeric_limits<std::size_t>::max();
  int closes = 0;
  std::vector<std::string> switches;
  std::vector<std::pair<std::string, std::string>> workflows;
  std::vector<json> snapshots;
  std::vector<Reply> replies;
};

class DesktopActionDispatcherTest : public ::testing::Test {
 protected:
  // Sends one request and returns the one reply it produced at once.
  Reply send(json body) {
    body.emplace("id", "req-1");
    const std::size_t before = host.replies.size();
    dispatcher->handleDesktopActionRequest(body);
    EXPECT_EQ(host.replies.size(), before + 1) << body.dump();
    return host.replies.empty() ? Reply{} : host.replies.back();
  }
  std::optional<std::string> errorOf(json body) { return send(std::move(body)).error; }
  std::optional<std::string> textOf(json body) { return send(std::move(body)).text; }

  static json tabsOf(std::size_t count) {
    json tabs = json::array();
    for (std::size_t i = 1; i <= count; ++i) {
      tabs.push_back({{"url", "https://site" + std::to_string(i) + ".example/"},
                      {"label", "Site " + std::to_string(i)}});
    }
    return tabs;
  }

  RecordingHost host;
  fakes::FakeExternalApplications applications;
  ExternalBrowsers browsers{applications};
  std::unique_ptr<DesktopActionDispatcher> dispatcher = std::make_unique<DesktopActionDispatcher>(
      host, browsers, host, [this](const json& body) { host.snapshots.push_back(body); });
};

TEST_F(DesktopActionDispatcherTest, ActionNamesAreTrimmedButCaseSensitive) {
  const Reply trimmed =
      send({{"action", " \n\topenInAppBrowser \n"}, {"url", "https://jobs.example/"}});
  EXPECT_TRUE(trimmed.ok);
  EXPECT_EQ(trimmed.id, "req-1");
  EXPECT_EQ(trimmed.text, "Opened page in a new Ondi browser tab.");
  EXPECT_EQ(host.tabs, (std::vector<OpenedTab>{{"https://jobs.example/", "page"}}));

  for (const json& action :
       {json("OpenInAppBrowser"), json("openinappbrowser"), json(""), json(42), json(nullptr)}) {
    const Reply unknown = send({{"action", action}, {"url", "https://jobs.example/"}});
    EXPECT_FALSE(unknown.ok);
    EXPECT_EQ(unknown.error, "Ondi does not know that desktop action yet.");
    EXPECT_FALSE(unknown.text);
  }
  EXPECT_EQ(host.tabs.size(), 1u);
  EXPECT_EQ(errorOf({}), "Ondi does not know that desktop action yet.");
}

TEST_F(DesktopActionDispatcherTest, ARequestWithoutAStringIdIsAnsweredUnderAFreshUUID) {
  const std::regex uuid("[0-9A-F]{8}-[0-9A-F]{4}-4[0-9A-F]{3}-[89AB][0-9A-F]{3}-[0-9A-F]{12}");
  dispatcher->handleDesktopActionRequest({{"action", "nope"}});
  dispatcher->handleDesktopActionRequest({{"action", "nope"}, {"id", 7}});
  ASSERT_EQ(host.replies.size(), 2u);
  EXPECT_TRUE(std::regex_match(host.replies[0].id, uuid)) << host.replies[0].id;
  EXPECT_TRUE(std::regex_match(host.replies[1].id, uuid)) << host.replies[1].id;
  EXPECT_NE(host.replies[0].id, host.replies[1].id);
}

TEST_F(DesktopActionDispatcherTest, OnlyHttpAndHttpsDestinationsOpen) {
  for (const char* url : {"ftp://files.example/report.pdf", "jobs.example.com",
                          "jobs.example.com/search", "javascript:alert(1)", "", "   "}) {
    EXPECT_EQ(errorOf({{"action", "openInAppBrowser"}, {"url", url}}),
              "That browser destination is not a valid web URL.")
        << url;
  }
  EXPECT_EQ(errorOf({{"action", "openInAppBrowser"}, {"url", 5}}),
            "That browser destination is not a valid web URL.");
  EXPECT_EQ(errorOf({{"action", "openChromeURL"}, {"url", "ftp://a.example/"}}),
            "That Chrome destination is not a valid web URL.");
  EXPECT_EQ(errorOf({{"action", "openSafariURL"}, {"url", "mailto:a@b.example"}}),
            "That Safari destination is not a valid web URL.");
  EXPECT_THAT(host.tabs, IsEmpty());
  EXPECT_THAT(applications.defaultHandlerURLs, IsEmpty());

  EXPECT_EQ(textOf({{"action", "openInAppBrowser"},
                    {"url", "  HTTPS://Jobs.example/list?q=1 \n"},
                    {"label", "  LinkedIn Jobs "}}),
            "Opened LinkedIn Jobs in a new Ondi browser tab.");
  EXPECT_EQ(textOf({{"action", "openInAppBrowser"}, {"url", "http://x.example"}, {"label", " "}}),
            "Opened page in a new Ondi browser tab.");
  EXPECT_THAT(host.tabs, ElementsAre(OpenedTab{"https://Jobs.example/list?q=1", "LinkedIn Jobs"},
                                     OpenedTab{"http://x.example", "page"}));
}

TEST_F(DesktopActionDispatcherTest, BrowserURLsOpenInAppUnlessExternalIsExplicit) {
  EXPECT_EQ(textOf({{"action", "openSafariURL"}, {"url", "https://news.example/"}}),
            "Opened page in a new Ondi browser tab.");
  // Only a boolean true asks for the outside browser.
  EXPECT_EQ(textOf({{"action", "openChromeURL"},
                    {"url", "https://news.example/"},
                    {"label", "News"},
                    {"explicitExternal", "true"}}),
            "Opened News in a new Ondi browser tab.");
  EXPECT_EQ(host.tabs.size(), 2u);
  EXPECT_THAT(applications.defaultHandlerURLs, IsEmpty());
  EXPECT_THAT(applications.openedURLs, IsEmpty());
}

TEST_F(DesktopActionDispatcherTest, ExternalOpensReplyOnlyFromTheirCompletion) {
  const json chrome = {{"id", "ext-1"},
                       {"action", "openChromeURL"},
                       {"url", "https://news.example/"},
                       {"label", "News"},
                       {"explicitExternal", true}};
  dispatcher->handleDesktopActionRequest(chrome);
  EXPECT_THAT(host.replies, IsEmpty());
  applications.deliverCompletions();
  ASSERT_EQ(host.replies.size(), 1u);
  EXPECT_EQ(host.replies[0].id, "ext-1");
  EXPECT_TRUE(host.replies[0].ok);
  EXPECT_EQ(host.replies[0].text,
            "Google Chrome is not installed, so Ondi opened News in your default browser.");
  EXPECT_EQ(applications.defaultHandlerURLs, std::vector<std::string>{"https://news.example/"});

  applications.installed = {"com.apple.Safari"};
  dispatcher->handleDesktopActionRequest({{"id", "ext-2"},
                                          {"action", "openSafariURL"},
                                          {"url", "https://news.example/"},
                                          {"explicitExternal", true}});
  dispatcher->handleDesktopActionRequest({{"id", "ext-3"}, {"action", "openSafariApp"}});
  EXPECT_EQ(host.replies.size(), 1u);
  applications.deliverCompletions();
  ASSERT_EQ(host.replies.size(), 3u);
  EXPECT_EQ(host.replies[1].id, "ext-2");
  EXPECT_EQ(host.replies[1].text, "Opened page in Safari.");
  EXPECT_EQ(host.replies[2].id, "ext-3");
  EXPECT_EQ(host.replies[2].text, "Opened Safari.");
  EXPECT_EQ(applications.openedURLs, (std::vector<fakes::FakeExternalApplications::OpenedURL>{
                                         {"https://news.example/", "com.apple.Safari"}}));
  EXPECT_THAT(host.tabs, IsEmpty());

  // A missing application is reported at once.
  EXPECT_EQ(errorOf({{"action", "openChromeApp"}}),
            "Google Chrome is not installed on this computer.");
}

TEST_F(DesktopActionDispatcherTest, NoReplyOnceTheDispatcherIsGone) {
  dispatcher->handleDesktopActionRequest(
      {{"action", "openChromeURL"}, {"url", "https://a.example/"}, {"explicitExternal", true}});
  dispatcher.reset();
  applications.deliverCompletions();
  EXPECT_THAT(host.replies, IsEmpty());
}

TEST_F(DesktopActionDispatcherTest, TabListsOpenAtMostTwelveInOrder) {
  const Reply fifteen = send({{"action", "openInAppBrowserTabs"}, {"tabs", tabsOf(15)}});
  ASSERT_EQ(host.tabs.size(), 12u);
  EXPECT_EQ(host.tabs.front(), (OpenedTab{"https://site1.example/", "Site 1"}));
  EXPECT_EQ(host.tabs.back(), (OpenedTab{"https://site12.example/", "Site 12"}));
  EXPECT_EQ(fifteen.text,
            "Opened Site 1, Site 2, Site 3, Site 4, Site 5, Site 6, Site 7, Site 8, "
            "Site 9, Site 10, Site 11, Site 12 in Ondi browser tabs.");

  // The cap counts entries, not opened tabs: an invalid one among the first twelve is lost.
  host.tabs.clear();
  json thirteen = tabsOf(13);
  thirteen[0]["url"] = "ftp://site1.example/";
  send({{"action", "openInAppBrowserTabs"}, {"tabs", thirteen}});
  EXPECT_EQ(host.tabs.size(), 11u);
  EXPECT_EQ(host.tabs.back().url, "https://site12.example/");
}

TEST_F(DesktopActionDispatcherTest, AFullBrowserRefusesTheTabsItHasNoRoomFor) {
  const std::string limit = "Ondi keeps at most 50 browser tabs open. Close a tab, then try again.";
  host.tabRoom = 2;
  EXPECT_EQ(send({{"action", "openInAppBrowserTabs"}, {"tabs", tabsOf(3)}}).text,
            "Opened Site 1, Site 2 in Ondi browser tabs. " + limit);
  EXPECT_EQ(host.tabs.size(), 2u);
  EXPECT_EQ(errorOf({{"action", "openInAppBrowserTabs"}, {"tabs", tabsOf(1)}}), limit);
  EXPECT_EQ(errorOf({{"action", "openInAppBrowser"}, {"url", "https://a.example/"}}), limit);
}

TEST_F(DesktopActionDispatcherTest, TabEntriesAreTitledByLabelOrHost) {
  const Reply reply = send({{"action", "openInAppBrowserTabs"},
                            {"tabs",
                             {{{"url", " https://www.linkedin.com/jobs/ "}, {"label", "  "}},
                              "https://ignored.example/",
                              {{"url", "https://mail.google.com/mail/u/0/"}, {"label", ""}},
                              {{"url", "https://drive.google.com/"}, {"label", 3}},
                              {{"url", "notaurl"}, {"label", "Broken"}},
                              {{"label", "No address"}},
                              {{"url", "https://docs.example/"}, {"label", " Docs\n"}}}}});
  EXPECT_THAT(host.tabs, ElementsAre(OpenedTab{"https://www.linkedin.com/jobs/", "linkedin.com"},
                                     OpenedTab{"https://mail.google.com/mail/u/0/", "Gmail"},
                                     OpenedTab{"https://drive.google.com/", "page"},
                                     OpenedTab{"https://docs.example/", "Docs"}));
  EXPECT_EQ(reply.text, "Opened linkedin.com, Gmail, page, Docs in Ondi browser tabs.");
}

TEST_F(DesktopActionDispatcherTest, TabListsWithoutAValidDestinationAreRefused) {
  for (const json& tabs :
       {json::array(), json("https://a.example/"), json({{"url", "https://a.example/"}}),
        json::array(
            {{{"url", "ftp://a.example/"}}, {{"url", "a.example"}}, "https://b.example/"})}) {
    EXPECT_EQ(errorOf({{"action", "openInAppBrowserTabs"}, {"tabs", tabs}}),
              "Those browser destinations were not valid web URLs.")
        << tabs.dump();
  }
  EXPECT_EQ(errorOf({{"action", "openInAppBrowserTabs"}}),
            "Those browser destinations were not valid web URLs.");
  EXPECT_THAT(host.tabs, IsEmpty());
}

TEST_F(DesktopActionDispatcherTest, OnlyTheWordPreviousInAnyCaseGoesBackwards) {
  const std::vector<std::pair<json, std::string>> cases{
      {"PREVIOUS", "previous"}, {"Previous", "previous"},
      {"previous", "previous"}, {"next", "next"},
      {"back", "next"},         {" previous", "next"},
      {nullptr, "next"},        {1, "next"}};
  for (const auto& [direction, expected] : cases) {
    host.switches.clear();
    json body = {{"action", "switchInAppBrowserTab"}};
    if (!direction.is_null()) body["direction"] = direction;
    EXPECT_EQ(textOf(body), "Switched to the " + expected + " Ondi browser tab.");
    EXPECT_EQ(host.switches, std::vector<std::string>{expected}) << direction.dump();
  }
  applications.scriptOutcome = {AutomationScriptOutcome::Status::succeeded, ""};
  EXPECT_EQ(textOf({{"action", "switchChromeTab"}, {"direction", "PREVIOUS"}}),
            "Switched to the previous Chrome tab.");
  EXPECT_EQ(textOf({{"action", "switchSafariTab"}, {"direction", "left"}}),
            "Switched to the next Safari tab.");
}

TEST_F(DesktopActionDispatcherTest, TabCommandsReplyAtOnceWithTheirResult) {
  EXPECT_EQ(textOf({{"action", "closeInAppBrowser"}}), "Closed the active Ondi browser tab.");
  EXPECT_EQ(host.closes, 1);
  // There is no AppleScript on Linux.
  EXPECT_EQ(errorOf({{"action", "closeChromeTab"}}),
            "Could not prepare the Chrome automation script.");
  applications.scriptOutcome = {AutomationScriptOutcome::Status::succeeded, std::nullopt};
  EXPECT_EQ(textOf({{"action", "closeSafariTab"}}), "Closed the active Safari tab.");
  EXPECT_EQ(applications.scripts.back(), BrowserAutomationScripts::closeSafariTab);
}

TEST_F(DesktopActionDispatcherTest, ManagedWorkflowsUseTheTrimmedIdAndLabel) {
  EXPECT_EQ(textOf({{"action", "openManagedBrowserWorkflow"}, {"workflowId", " run_1\n"}}),
            "Opened Managed browser in Ondi and connected its Live Monitor.");
  EXPECT_EQ(textOf({{"action", "openManagedBrowserWorkflow"},
                    {"workflowId", "run_1"},
                    {"label", " Managed Gmail "}}),
            "Opened Managed Gmail in Ondi and connected its Live Monitor.");
  EXPECT_EQ(errorOf({{"action", "openManagedBrowserWorkflow"}, {"workflowId", "run.2"}}),
            "The managed browser workflow was not valid.");
  EXPECT_EQ(errorOf({{"action", "openManagedBrowserWorkflow"}}),
            "The managed browser workflow was not valid.");
  EXPECT_THAT(host.workflows,
              ElementsAre(std::pair<std::string, std::string>{"run_1", "Managed browser"},
                          std::pair<std::string, std::string>{"run_1", "Managed Gmail"},
                          std::pair<std::string, std::string>{"run.2", "Managed browser"},
                          std::pair<std::string, std::string>{"", "Managed browser"}));
}

TEST_F(DesktopActionDispatcherTest, ConversationSnapshotsAreHandedOnWithoutAReply) {
  const json body = {{"id", "sync-1"},
                     {"action", " syncConversationThreads "},
                     {"threads", json::array()},
                     {"activeThreadId", "t1"}};
  dispatcher->handleDesktopActionRequest(body);
  EXPECT_THAT(host.replies, IsEmpty());
  EXPECT_EQ(host.snapshots, std::vector<json>{body});
}

}  // namespace
}  // namespace ondi
