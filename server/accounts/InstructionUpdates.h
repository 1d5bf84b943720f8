#pragma once

#include <cstddef>
#include <expected>
#include <string>
#include <vector>

#include <nlohmann/json.hpp>

namespace ondi::server {

inline constexpr std::size_t kMaxInstructions = 8;
inline constexpr std::size_t kMaxInstructionCharacters = 800;
inline constexpr std::size_t kMaxInstructionCharactersInAll = 2400;

// The new instructions for one agent: trimmed, without empty ones.
struct InstructionUpdate {
  std::string agentId;
  std::vector<std::string> instructions;
};

// Checks an "agentInstructions" list: [{"id", "instructions": [text…]}…], each entry naming a
// known agent at most once, with one to eight non-empty instructions after trimming, each at
// most 800 characters and at most 2,400 in all. Returns the cleaned updates, or one finished
// sentence naming the first problem.
std::expected<std::vector<InstructionUpdate>, std::string> checkedInstructionUpdates(
    const nlohmann::json& value);

}  // namespace ondi::server
