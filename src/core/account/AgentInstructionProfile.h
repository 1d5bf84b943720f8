#pragma once

#include <nlohmann/json.hpp>

#include <optional>
#include <string>
#include <vector>

namespace ondi {

// The standing instructions one agent of the team follows.
struct AgentInstructionProfile {
  std::string id;
  std::string name;
  std::string voice;
  std::string role;
  std::vector<std::string> instructions;
  std::optional<std::vector<std::string>> defaultInstructions;
  std::optional<bool> customized;

  bool operator==(const AgentInstructionProfile&) const = default;
};
void from_json(const nlohmann::json& json, AgentInstructionProfile& profile);

inline constexpr std::size_t kMaximumInstructions = 8;
inline constexpr std::size_t kMaximumInstructionLength = 800;
inline constexpr std::size_t kInstructionBudget = 2400;

// Cleans an edited text: one instruction per non-empty line, list markers removed, at most
// eight lines and 800 characters each within 2,400 characters in all.
std::vector<std::string> normalizedInstructions(const std::string& draft);

}  // namespace ondi
