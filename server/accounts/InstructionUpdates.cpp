#include "accounts/InstructionUpdates.h"

#include <algorithm>

#include "accounts/AgentRoster.h"
#include "accounts/TextInput.h"

namespace ondi::server {
namespace {

std::expected<std::vector<std::string>, std::string> checkedInstructions(
    const AgentDefinition& agent, const nlohmann::json& value) {
  const std::string name(agent.name);
  if (!value.is_array() || !std::ranges::all_of(value, &nlohmann::json::is_string)) {
    return std::unexpected("The instructions for " + name + " must be a list of texts.");
  }
  std::vector<std::string> kept;
  std::size_t total = 0;
  for (const nlohmann::json& line : value) {
    std::string text = trimmed(line.get<std::string>());
    if (text.empty()) continue;
    const std::size_t length = characterCount(text);
    if (length > kMaxInstructionCharacters) {
      return std::unexpected("Each instruction for " + name + " must be at most 800 characters.");
    }
    total += length;
    kept.push_back(std::move(text));
  }
  if (kept.empty()) {
    return std::unexpected("Add at least one instruction for " + name + " before saving.");
  }
  if (kept.size() > kMaxInstructions) {
    return std::unexpected(name + " can follow at most 8 instructions.");
  }
  if (total > kMaxInstructionCharactersInAll) {
    return std::unexpected("The instructions for " + name +
                           " must be at most 2,400 characters in all.");
  }
  return kept;
}

}  // namespace

std::expected<std::vector<InstructionUpdate>, std::string> checkedInstructionUpdates(
    const nlohmann::json& value) {
  if (!value.is_array()) {
    return std::unexpected(
        "The agent instructions must be a list of agents with their instructions.");
  }
  std::vector<InstructionUpdate> updates;
  for (const nlohmann::json& entry : value) {
    if (!entry.is_object() || !entry.contains("id") || !entry.at("id").is_string() ||
        !entry.contains("instructions")) {
      return std::unexpected("Each agent instruction entry needs an agent id and instructions.");
    }
    const AgentDefinition* agent = findAgent(entry.at("id").get<std::string>());
    if (agent == nullptr) {
      return std::unexpected("The agent instructions name an agent that does not exist.");
    }
    if (std::ranges::find(updates, agent->id, &InstructionUpdate::agentId) != updates.end()) {
      return std::unexpected("Each agent may appear only once in the agent instructions.");
    }
    auto instructions = checkedInstructions(*agent, entry.at("instructions"));
    if (!instructions) return std::unexpected(instructions.error());
    updates.push_back({std::string(agent->id), *std::move(instructions)});
  }
  return updates;
}

}  // namespace ondi::server
