#include "core/assist/OpenAIPrompt.h"

#include <algorithm>

#include "core/util/Text.h"

namespace ondi {
namespace {

constexpr std::size_t kHistoryLimit = 10;
constexpr std::size_t kTurnCharacterLimit = 4000;

constexpr const char* kBehaviour =
    "\n\nBehave like a senior engineering and product collaborator:\n"
    "- Be warm, direct, precise, and proactive.\n"
    "- For coding, debugging, architecture, product, and workflow questions, reason from the "
    "user's goal and give concrete next actions.\n"
    "- Prefer implementation-ready answers: commands, file paths, code snippets, patch-style "
    "edits, test steps, or checklists when useful.\n"
    "- Call out risks, assumptions, and missing context without being fussy.\n"
    "- If the task is ambiguous, ask one or two focused questions; otherwise make reasonable "
    "assumptions and move.\n"
    "- For reviews, lead with bugs, regressions, risks, and missing tests.\n"
    "- Keep casual questions lightweight, but make technical answers feel like Codex: "
    "thoughtful, practical, and grounded.\n"
    "\n"
    "Important capability boundary:\n"
    "In this Ondi desktop chat you do not automatically have Codex's local filesystem, shell, "
    "browser, or apply-patch tools. Do not claim you ran commands, read files, edited code, "
    "browsed, or verified something unless the user provided that evidence in the chat. When "
    "tool access would matter, say exactly what you would inspect or run next.\n";

// The trimmed string under `key`; empty when absent or not a string.
std::string trimmedString(const nlohmann::json& object, const char* key) {
  const auto found = object.find(key);
  return found != object.end() && found->is_string()
             ? trimmedWhitespace(found->get_ref<const std::string&>())
             : std::string();
}

std::string nonEmptyOr(std::string text, const char* fallback) {
  return text.empty() ? std::string(fallback) : text;
}

std::string helperNames(const nlohmann::json& context) {
  const auto helpers = context.find("helpers");
  if (helpers == context.end() || !helpers->is_array()) return {};
  std::string names;
  for (const auto& helper : *helpers) {
    if (!helper.is_object()) continue;
    const std::string name = trimmedString(helper, "name");
    if (name.empty()) continue;
    if (!names.empty()) names += ", ";
    names += name;
  }
  return names;
}

std::string roleLine(const std::string& subagent) {
  if (subagent.empty() || subagent == "Main operator" || subagent == "Auto") {
    return "Act as Ondi's main operator.";
  }
  return "Act as Ondi's " + subagent + " subagent.";
}

}  // namespace

std::vector<ConversationTurn> localConversationHistory(const nlohmann::json& value) {
  if (!value.is_array() || !std::ranges::all_of(value, &nlohmann::json::is_object)) return {};
  std::vector<ConversationTurn> turns;
  const std::size_t first = value.size() > kHistoryLimit ? value.size() - kHistoryLimit : 0;
  for (std::size_t i = first; i < value.size(); ++i) {
    const nlohmann::json& entry = value[i];
    const std::string content = trimmedString(entry, "content");
    if (content.empty()) continue;
    const auto role = entry.find("role");
    const bool isUser = role != entry.end() && role->is_string() &&
                        equalsIgnoringASCIICase(role->get_ref<const std::string&>(), "user");
    turns.push_back(
        {isUser ? "user" : "assistant", prefixCharacters(content, kTurnCharacterLimit)});
  }
  return turns;
}

std::optional<std::string> localWorkspaceInstruction(const nlohmann::json& context) {
  if (!context.is_object()) return std::nullopt;
  const std::string scope = trimmedString(context, "scopeInstruction");
  if (scope.empty()) return std::nullopt;
  return "You are working inside " +
         nonEmptyOr(trimmedString(context, "workspaceName"), "Dedicated Workspace") + ". " + scope +
         "\nThe currently selected agent is " +
         nonEmptyOr(trimmedString(context, "activeAgent"), "Main operator") +
         ". The only available specialist helpers are: " + helperNames(context) +
         ".\nDo not answer or act on unrelated requests in this workspace. Route those requests "
         "to the general Ondi Agent or the appropriate pack instead.\nApproval policy: " +
         trimmedString(context, "approvalDetail");
}

std::string openAIInstructions(const std::string& subagent,
                               const std::optional<std::string>& policy) {
  std::string instructions =
      "You are Ondi, a Codex-style AI teammate for Linux. " + roleLine(subagent) + kBehaviour;
  if (policy) instructions += "\n\nDedicated workspace policy:\n" + *policy;
  return instructions;
}

nlohmann::ordered_json openAIRequestBody(const OpenAIPrompt& prompt) {
  nlohmann::ordered_json input = nlohmann::ordered_json::array();
  for (const ConversationTurn& turn : prompt.history) {
    input.push_back({{"role", turn.role}, {"content", turn.content}});
  }
  const bool alreadyLast = !prompt.history.empty() && prompt.history.back().role == "user" &&
                           prompt.history.back().content == prompt.message;
  if (!alreadyLast) input.push_back({{"role", "user"}, {"content", prompt.message}});
  return {{"model", prompt.model},
          {"reasoning", {{"effort", "high"}}},
          {"instructions", openAIInstructions(prompt.subagent, prompt.policy)},
          {"input", std::move(input)}};
}

}  // namespace ondi
