#include "core/workspace/AgentPromptPreparation.h"

#include "core/navigation/RouteNavigation.h"
#include "core/navigation/VelmoraRoute.h"
#include "core/script/JavaScript.h"
#include "core/script/SurfaceChannel.h"
#include "core/util/Text.h"

namespace ondi {

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

AgentPromptPreparation::AgentPromptPreparation(RouteNavigation& navigation, SurfaceChannel& page)
    : navigation_(navigation), page_(page) {}

std::string AgentPromptPreparation::preparePromptScript(
    const std::string& prompt, const std::optional<std::string>& subagent) {
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
         javaScriptLiteral(prompt) + ", " + javaScriptLiteral(subagent.value_or("")) + ");";
}

void AgentPromptPreparation::prepareAgentPrompt(const std::string& prompt,
                                                const std::optional<std::string>& subagent) {
  auto pending = PendingAgentPrompt::make(prompt, subagent);
  if (!pending) return;
  pendingAgentPrompt.set(pending);
  // Showing the agent route first lets a pack workspace being left give up its page.
  navigation_.show(VelmoraRoute::agent());
  if (!page_.isShowingDesktopChat()) {
    // The page loaded for the agent route takes the prompt once it has finished loading.
    navigation_.load(VelmoraRoute::agent());
    return;
  }
  // A page still loading would lose a prompt given to the page it replaces; it takes the
  // prompt once loaded.
  if (!page_.isPageLoading()) injectAndClear(*pending);
}

void AgentPromptPreparation::useSubagent(const std::string& name) {
  const std::string helper = trimmedWhitespace(name);
  if (helper.empty()) return;
  prepareAgentPrompt("Act as the " + helper +
                         " helper. Start by defining your role, the inputs you need, the "
                         "decisions you can make, and what needs owner approval.",
                     helper);
}

void AgentPromptPreparation::injectAgentPrompt(const std::string& prompt,
                                               const std::optional<std::string>& subagent,
                                               std::function<void(bool)> completion) {
  page_.evaluateScript(preparePromptScript(prompt, subagent),
                       [completion = std::move(completion)](ScriptResult result) {
                         if (completion) completion(result && *result == "\"prepared\"");
                       });
}

void AgentPromptPreparation::injectPendingAgentPrompt() {
  if (const auto pending = pendingAgentPrompt.get()) injectAndClear(*pending);
}

void AgentPromptPreparation::injectAndClear(const PendingAgentPrompt& pending) {
  injectAgentPrompt(pending.prompt, pending.subagent,
                    whileAlive(lifetime_, [this, pending](bool prepared) {
                      if (prepared && pendingAgentPrompt.get() == pending) {
                        pendingAgentPrompt.set(std::nullopt);
                      }
                    }));
}

}  // namespace ondi
