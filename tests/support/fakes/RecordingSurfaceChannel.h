#pragma once

#include <nlohmann/json.hpp>

#include <string>
#include <vector>

#include "core/surface/SurfaceChannel.h"

namespace ondi::fakes {

// A surface that records the scripts sent to its page.
class RecordingSurfaceChannel : public SurfaceChannel {
 public:
  void runScript(const std::string& script) override { scripts.push_back(script); }
  bool isShowingDesktopChat() const override { return showingChat; }
  std::string currentURL() const override { return url; }

  // The argument a page notification script passes to its global, as JSON.
  static nlohmann::json notificationArgument(const std::string& script) {
    const auto start = script.find('(', script.find("Update(")) + 1;
    return nlohmann::json::parse(script.substr(start, script.rfind(");") - start));
  }

  std::vector<std::string> scripts;
  bool showingChat = true;
  std::string url;
};

}  // namespace ondi::fakes
