#include "core/workspace/AgentPromptPreparation.h"

#include <chrono>

#include "core/app/RouteNavigation.h"
#include "core/app/VelmoraRoute.h"
#include "core/ports/Scheduler.h"
#include "core/surface/JavaScript.h"
#include "core/surface/SurfaceChannel.h"
#include "core/util/Text.h"

namespace ondi {
namespace {
// Gives a freshly loaded operator page time to define its functions.
constexpr std::chrono::milliseconds kPageReadyDelay{900};
}  // namespace

std::optional<PendingAgentPrompt> PendingAgentPrompt::make(
    const std::string& prompt, const std::optional<std::string>& subagent) {
  PendingAgentPrompt pending{trimmedWhitespace(prompt), std::nullopt};
  if (pending.prompt.empty()) return std::nullopt;
  if (subagent) {
    std::string title = trimmedWhitespace(*subagent);
    if (!title.empty()) pending.subagent = std::move(title);
  }
  return pending;
}

AgentPromptPreparation::AgentPromptPreparation(RouteNavigation& navigation, SurfaceChannel& page,
                                               Scheduler& scheduler)
    : navigation_(navigation), page_(page), scheduler_(scheduler) {}

std::string AgentPromptPreparation::preparePromptScript(const PendingAgentPrompt& pending) {
  return "(function(prompt, title) {\n"
         "  if (window.velmoraDesktopPreparePrompt) {\n"
         "    window.velmoraDesktopPreparePrompt(prompt, title || null);\n"
         "    return \"prepared\";\n"
         "  }\n"
         "  const select = document.getElementById(\"modelSelect\");\n"
         "  if (select && title) {\n"
         "    let option = Array.from(select.options).find((item) => item.text === title);\n"
         "    if (!option) {\n"
         "      option = new Option(title, title);\n"
         "      select.add(option);\n"
         "    }\n"
         "    select.value = option.value;\n"
         "  }\n"
         "  const input = document.getElementById(\"promptInput\");\n"
         "  if (!input) return \"missing\";\n"
         "  input.value = prompt;\n"
         "  input.dispatchEvent(new Event(\"input\", { bubbles: true }));\n"
         "  input.focus();\n"
         "  return \"prepared\";\n"
         "})(" +
         javaScriptLiteral(pending.prompt) + ", " +
         javaScriptLiteral(pending.subagent.value_or("")) + ");";
}

void AgentPromptPreparation::prepareAgentPrompt(const std::string& prompt,
                                                const std::optional<std::string>& subagent) {
  auto pending = PendingAgentPrompt::make(prompt, subagent);
  if (!pending) return;
  pendingAgentPrompt.set(std::move(pending));
  if (isWaitingForPage_) {
    // The page is still loading: the slot now holds the newest prompt, which the coming
    // injection delivers.
    navigation_.show(VelmoraRoute::agent());
    return;
  }
  if (page_.isShowingDesktopChat()) {
    navigation_.show(VelmoraRoute::agent());
    injectPendingAgentPrompt();
    return;
  }
  navigation_.load(VelmoraRoute::agent());
  isWaitingForPage_ = true;
  scheduler_.postAfter(kPageReadyDelay, whileAlive(lifetime_, [this] {
                         isWaitingForPage_ = false;
                         injectPendingAgentPrompt();
                       }));
}

void AgentPromptPreparation::injectPendingAgentPrompt() {
  const auto pending = pendingAgentPrompt.get();
  if (!pending) return;
  page_.runScript(preparePromptScript(*pending));
  pendingAgentPrompt.set(std::nullopt);
}

}  // namespace ondi
