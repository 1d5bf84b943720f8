#include "core/desktop/BrowserAutomationScripts.h"

namespace ondi {
namespace {

bool isPrevious(std::string_view direction) {
  return direction == "previous";
}

// The switch script of one browser; `currentIndex` and `selectIndex` are the lines that read
// and set the selected tab in that browser's dictionary.
std::string switchScript(std::string_view application, std::string_view shortName,
                         std::string_view direction, std::string_view currentIndex,
                         std::string_view selectIndex) {
  const std::string app(application);
  const std::string step = isPrevious(direction) ? "-1" : "1";
  return "tell application \"" + app + "\"\n" + "  if (count of windows) = 0 then return \"" + app +
         " has no open windows.\"\n" + "  set tabCount to count of tabs of front window\n" +
         "  if tabCount = 0 then return \"" + app + " has no tabs open.\"\n" + "  " +
         std::string(currentIndex) + "\n" + "  set nextIndex to currentIndex + " + step + "\n" +
         "  if nextIndex < 1 then set nextIndex to tabCount\n" +
         "  if nextIndex > tabCount then set nextIndex to 1\n" + "  " + std::string(selectIndex) +
         "\n" + "  activate\n" + "end tell\n" + "return \"Switched to the " +
         std::string(BrowserAutomationScripts::directionWord(direction)) + " " +
         std::string(shortName) + " tab.\"";
}

}  // namespace

const std::string BrowserAutomationScripts::closeSafariTab =
    "tell application \"Safari\"\n"
    "  if (count of windows) = 0 then return \"Safari has no open windows.\"\n"
    "  close current tab of front window\n"
    "  activate\n"
    "end tell\n"
    "return \"Closed the active Safari tab.\"";

const std::string BrowserAutomationScripts::closeChromeTab =
    "tell application \"Google Chrome\"\n"
    "  if (count of windows) = 0 then return \"Google Chrome has no open windows.\"\n"
    "  close active tab of front window\n"
    "  activate\n"
    "end tell\n"
    "return \"Closed the active Chrome tab.\"";

std::string BrowserAutomationScripts::switchSafariTab(std::string_view direction) {
  return switchScript("Safari", "Safari", direction,
                      "set currentIndex to index of current tab of front window",
                      "set current tab of front window to tab nextIndex of front window");
}

std::string BrowserAutomationScripts::switchChromeTab(std::string_view direction) {
  return switchScript("Google Chrome", "Chrome", direction,
                      "set currentIndex to active tab index of front window",
                      "set active tab index of front window to nextIndex");
}

std::string_view BrowserAutomationScripts::directionWord(std::string_view direction) {
  return isPrevious(direction) ? "previous" : "next";
}

}  // namespace ondi
