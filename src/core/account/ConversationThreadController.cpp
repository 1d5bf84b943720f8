#include "core/account/ConversationThreadController.h"

#include "core/navigation/NavigationState.h"
#include "core/navigation/RouteNavigation.h"
#include "core/ports/Logger.h"
#include "core/ports/Scheduler.h"
#include "core/script/JavaScript.h"
#include "core/script/SurfaceChannel.h"

namespace ondi {
namespace {
// Gives a freshly loaded page time to define its functions.
constexpr std::chrono::milliseconds kPageReadyDelay{900};
}  // namespace

ConversationThreadController::ConversationThreadController(AccountState& state,
                                                           const NavigationState& navigationState,
                                                           RouteNavigation& navigation,
                                                           SurfaceChannel& page,
                                                           Scheduler& scheduler, Logger& logger)
    : state_(state),
      navigationState_(navigationState),
      navigation_(navigation),
      page_(page),
      scheduler_(scheduler),
      logger_(logger) {}

std::string ConversationThreadController::newThreadScript() {
  return "(function() {\n  if (window.velmoraDesktopNewThread) {\n    "
         "window.velmoraDesktopNewThread();\n  }\n})();";
}

std::string ConversationThreadController::openThreadScript(const std::string& id) {
  return "(function() {\n  if (window.velmoraDesktopOpenThread) {\n    "
         "window.velmoraDesktopOpenThread(" +
         javaScriptLiteral(id) + ");\n  }\n})();";
}

void ConversationThreadController::startNewChat() {
  if (navigationState_.activeRoute.get().kind() == VelmoraRoute::Kind::packWorkspace) {
    if (page_.isShowingDesktopChat()) page_.runScript(newThreadScript());
    return;
  }
  runInOperatorPage(newThreadScript());
}

void ConversationThreadController::refreshConversationHistory() {
  runInOperatorPage(
      "(function() {\n  if (window.velmoraDesktopRefreshConversationHistory) {\n    "
      "window.velmoraDesktopRefreshConversationHistory();\n  }\n})();");
}

void ConversationThreadController::openConversationThread(const std::string& id) {
  const auto normalized = normalizedConversationThreadID(id);
  if (!normalized) return;
  runInOperatorPage(openThreadScript(*normalized));
}

void ConversationThreadController::runInOperatorPage(const std::string& script) {
  if (page_.isShowingDesktopChat()) {
    navigation_.show(VelmoraRoute::agent());
    page_.runScript(script);
    return;
  }
  navigation_.load(VelmoraRoute::agent());
  scheduler_.postAfter(kPageReadyDelay,
                       whileAlive(lifetime_, [this, script] { page_.runScript(script); }));
}

void ConversationThreadController::applyConversationThreadSnapshot(const nlohmann::json& body) {
  auto threads = desktopConversationThreads(
      body.is_object() && body.contains("threads") ? body["threads"] : nlohmann::json());
  std::string active = "default";
  if (body.is_object()) {
    const auto found = body.find("activeThreadId");
    if (found != body.end() && found->is_string()) {
      active = normalizedConversationThreadID(found->get<std::string>()).value_or("default");
    }
  }
  scheduler_.post(whileAlive(lifetime_, [this, threads = std::move(threads), active] {
    logger_.info("account",
                 "Conversation state synced threadCount=" + std::to_string(threads.size()));
    state_.conversationThreads.set(threads);
    state_.activeConversationThreadID.set(active);
  }));
}

}  // namespace ondi
