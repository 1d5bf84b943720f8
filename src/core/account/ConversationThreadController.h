#pragma once

#include <nlohmann/json.hpp>

#include <string>

#include "core/account/AccountState.h"
#include "core/util/Lifetime.h"

namespace ondi {

class AccountHost;
class Logger;
struct NavigationState;
class Scheduler;

// Keeps the native thread list in step with the operator page, and sends the user's thread
// choices back to it.
class ConversationThreadController {
 public:
  // Whether the surface shows the operator page right now.
  using ShowingOperatorPage = std::function<bool()>;

  ConversationThreadController(AccountState& state, NavigationState& navigation, AccountHost& host,
                               Scheduler& scheduler, Logger& logger,
                               ShowingOperatorPage showingOperatorPage);

  void startNewChat();
  void openConversationThread(const std::string& id);
  void applyConversationThreadSnapshot(const nlohmann::json& body);

  static std::string newThreadScript();
  static std::string openThreadScript(const std::string& id);

 private:
  // Runs `script` in the operator page: at once when it is shown, else after loading it.
  void runInOperatorPage(const std::string& script);

  AccountState& state_;
  NavigationState& navigation_;
  AccountHost& host_;
  Scheduler& scheduler_;
  Logger& logger_;
  ShowingOperatorPage showingOperatorPage_;
  Lifetime lifetime_;
};

}  // namespace ondi
