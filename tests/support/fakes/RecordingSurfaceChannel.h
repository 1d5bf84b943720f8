#pragma once

#include <nlohmann/json.hpp>

#include <functional>
#include <string>
#include <vector>

#include "core/script/SurfaceChannel.h"

namespace ondi::fakes {

// A surface that records the scripts sent to its page.
class RecordingSurfaceChannel : public SurfaceChannel {
 public:
  void runScript(const std::string& script) override { scripts.push_back(script); }
  // Records the script; the test answers it through `pendingAnswers`.
  void evaluateScript(const std::string& script,
                      std::function<void(ScriptResult)> completion) override {
    scripts.push_back(script);
    pendingAnswers.push_back(std::move(completion));
  }
  void callAsyncJavaScript(const std::string& functionBody,
                           std::function<void(ScriptResult)> completion) override {
    evaluateScript(functionBody, std::move(completion));
  }
  bool isShowingDesktopChat() const override { return showingChat; }
  bool isPageLoading() const override { return loading; }
  std::string currentURL() const override { return url; }

  // The argument a page notification script passes to its global, as JSON.
  static nlohmann::json notificationArgument(const std::string& script) {
    const auto start = script.find('(', script.find("Update(")) + 1;
    return nlohmann::json::parse(script.substr(start, script.rfind(");") - start));
  }

  // The updates sent to the page, each as "status|transcript|message" ("-" for a missing key).
  std::vector<std::string> speechUpdates() const {
    std::vector<std::string> sent;
    for (const std::string& script : scripts) {
      const auto update = notificationArgument(script);
      const auto field = [&](const char* key) {
        return update.contains(key) ? update[key].get<std::string>() : std::string("-");
      };
      sent.push_back(field("status") + "|" + field("transcript") + "|" + field("message"));
    }
    return sent;
  }

  std::vector<std::string> scripts;
  std::vector<std::function<void(ScriptResult)>> pendingAnswers;
  bool showingChat = true;
  bool loading = false;
  std::string url;
};

}  // namespace ondi::fakes
