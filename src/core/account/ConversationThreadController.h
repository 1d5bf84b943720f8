#pragma once

#include <nlohmann/json.hpp>

#include <string>

#include "core/account/AccountState.h"
#include "core/util/Lifetime.h"

namespace ondi {

class Logger;
struct NavigationState;
class RouteNavigation;
class SurfaceChannel;
class Scheduler;

// Keeps the native thread list in step with the operator page, and sends the user's thread
// choices back to it.
class ConversationThreadController {
 public:
  ConversationThreadController(AccountState& state, const NavigationState& navigationState,
                               RouteNavigation& navigation, SurfaceChannel& page,
                               Scheduler& scheduler, Logger& logger);

  const AccountState& state() const { return state_; }

  void startNewChat();
  void openConversationThread(const std::string& id);
  void applyConversationThreadSnapshot(const nlohmann::json& body);
  // Asks the operator page to publish its threads again, showing it first.
  void refreshConversationHistory();

  static std::string newThreadScript();
  static std::string openThreadScript(const std::string& id);

 private:
  // Runs `script` in the operator page: at once when it is shown, else after loading it.
  void runInOperatorPage(const std::string& script);

  AccountState& state_;
  const NavigationState& navigationState_;
  RouteNavigation& navigation_;
  SurfaceChannel& page_;
  Scheduler& scheduler_;
  Logger& logger_;
  Lifetime lifetime_;
};

}  // namespace ondi
