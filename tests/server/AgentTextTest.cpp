// How the agent reads prompts and shortens them for titles and previews, in process.
#include <gtest/gtest.h>

#include <algorithm>
#include <cctype>
#include <regex>
#include <string>

#include "agent/BrowserMonitorRequest.h"
#include "agent/ChatText.h"
#include "agent/WorkspacePrompt.h"

namespace ondi::server {
namespace {

// The chat page's own test, written as the regular expressions it uses, over the text in lower
// case with blanks collapsed.
bool pageAsksForMonitoredBrowser(const std::string& prompt) {
  static const std::regex kBrowser(R"(\b(?:browser|in[ -]?app)\b)");
  static const std::regex kMonitor(
      R"(\blive[ -]?monitor\b|\bmonitor\b.*\b(?:running|show|shown|display|watch|view)\b|)"
      R"(\b(?:show|shown|display|watch|view)\b.*\bmonitor\b)");
  std::string text = collapsedBlanks(prompt);
  std::ranges::transform(text, text.begin(),
                         [](unsigned char c) { return static_cast<char>(std::tolower(c)); });
  return std::regex_search(text, kBrowser) && std::regex_search(text, kMonitor);
}

TEST(AgentTextTest, MonitoredBrowserRequestsMatchThePagesExpressions) {
  const char* prompts[] = {
      "Open the in-app browser with a live monitor",
      "open the in app browser, live-monitor please",
      "Inapp: livemonitor",
      "browser\n\tlive   monitor",
      "Use the browser and show the monitor",
      "monitor the browser while it is running",
      "view: monitor in browser",
      "watch the monitor of the browser",
      "monitor the browser and display results",
      "browser monitor",
      "browser running monitor",
      "show browser",
      "in-apple browser_monitor showing",
      "browsers with a live monitor",
      "the browser's monitors are shown",
      "monitor shown before the browser",
      "my_browser live monitor",
      "checkin app live monitor",
      "in--app live monitor",
      "live monitoring in the browser",
      "overview of the monitor in the browser",
      "show-monitor browser",
      "monitor-view in-app",
      "BROWSER LIVE MONITOR",
      "",
  };
  for (const char* prompt : prompts) {
    EXPECT_EQ(asksForMonitoredBrowser(prompt), pageAsksForMonitoredBrowser(prompt)) << prompt;
  }
  EXPECT_TRUE(asksForMonitoredBrowser("Open the in-app browser with a live monitor"));
  EXPECT_FALSE(asksForMonitoredBrowser("browsers with a live monitor"));

  EXPECT_TRUE(asksForCloudDesktop("Run it on a cloud DESKTOP"));
  EXPECT_TRUE(asksForCloudDesktop("in a Daytona sandbox"));
  EXPECT_FALSE(asksForCloudDesktop("the desktops and sandboxes"));
  EXPECT_FALSE(asksForCloudDesktop("my_desktop browser"));
}

TEST(AgentTextTest, ThreadTitlesComeFromTheFirstTypedLine) {
  EXPECT_EQ(threadTitle("  Plan the launch  \nwith details"), "Plan the launch");
  EXPECT_EQ(threadTitle("\n\n  Second line first\r\nmore"), "Second line first");
  EXPECT_EQ(threadTitle(" \n\t"), "New chat");
  EXPECT_EQ(threadTitle(std::string(60, 'a')), std::string(60, 'a'));
  EXPECT_EQ(threadTitle(std::string(61, 'a')), std::string(59, 'a') + "…");
  // Characters are counted, and a cut never splits one.
  std::string accents;
  for (int i = 0; i < 70; ++i) accents += "é";
  std::string expected;
  for (int i = 0; i < 59; ++i) expected += "é";
  EXPECT_EQ(threadTitle(accents), expected + "…");
}

TEST(AgentTextTest, PreviewsArePlainTextOnOneLine) {
  EXPECT_EQ(messagePreview("## Plan\n\n- **Ship** the `build`\n> quoted\n1. first"),
            "Plan Ship the build quoted 1. first");
  EXPECT_EQ(messagePreview(std::string(200, 'x')), std::string(139, 'x') + "…");
  // No blank is left before the ellipsis.
  EXPECT_EQ(messagePreview(std::string(130, 'x') + "  abcdefg   tail"),
            std::string(130, 'x') + " abcdefg…");
  EXPECT_EQ(messagePreview(""), "");
}

TEST(AgentTextTest, WorkspaceWrappersYieldTheRequestAndTheSelectedAgent) {
  const auto wrapped = readWorkspacePrompt(
      "[[VELMORA_WORKSPACE_CONTEXT]]\r\nStay on SEO.\r\nCurrently selected agent: Keyword Scout."
      "\r\nApproval policy: ask.\r\n[[END_VELMORA_WORKSPACE_CONTEXT]]\r\nUser request:\r\n"
      "Rank these\r\n");
  EXPECT_TRUE(wrapped.wrapped);
  EXPECT_EQ(wrapped.request, "Rank these");
  EXPECT_EQ(wrapped.selectedAgent, "Keyword Scout");

  // Without both marks at the start, the message is what the user typed.
  for (const char* typed :
       {"[[VELMORA_WORKSPACE_CONTEXT]] unfinished",
        "Quote: [[VELMORA_WORKSPACE_CONTEXT]] x [[END_VELMORA_WORKSPACE_CONTEXT]]"}) {
    const auto read = readWorkspacePrompt(typed);
    EXPECT_FALSE(read.wrapped) << typed;
    EXPECT_EQ(read.request, typed);
    EXPECT_EQ(read.selectedAgent, std::nullopt);
  }
}

}  // namespace
}  // namespace ondi::server
