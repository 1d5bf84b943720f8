#pragma once

#include <map>
#include <string>
#include <string_view>
#include <vector>

namespace ondi::server {

class Database;

// The instructions an account has written for its agents, per agent id. An agent without a row
// follows its default instructions.
class AgentInstructionStore {
 public:
  using Instructions = std::vector<std::string>;

  explicit AgentInstructionStore(Database& database);

  std::map<std::string, Instructions, std::less<>> load(std::string_view accountId);
  void save(std::string_view accountId, std::string_view agentId, const Instructions& instructions);
  // Returns the agent to its defaults.
  void reset(std::string_view accountId, std::string_view agentId);

 private:
  Database& database_;
};

}  // namespace ondi::server
