#pragma once

#include <string>
#include <string_view>

namespace ondi {

// The AppleScript texts that close or switch the active tab of Safari and Google Chrome.
// Each script returns the sentence that reports what it did.
struct BrowserAutomationScripts {
  static const std::string closeSafariTab;
  static const std::string closeChromeTab;
  // "previous" steps backwards; any other direction steps forwards. Both wrap around.
  static std::string switchSafariTab(std::string_view direction);
  static std::string switchChromeTab(std::string_view direction);

  // "previous" or "next": the word a switch script and its fallback sentence use.
  static std::string_view directionWord(std::string_view direction);
};

}  // namespace ondi
