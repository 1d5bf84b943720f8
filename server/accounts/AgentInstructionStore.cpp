#include "accounts/AgentInstructionStore.h"

#include <nlohmann/json.hpp>

#include "db/Database.h"

namespace ondi::server {

AgentInstructionStore::AgentInstructionStore(Database& database) : database_(database) {}

std::map<std::string, AgentInstructionStore::Instructions, std::less<>> AgentInstructionStore::load(
    std::string_view accountId) {
  std::map<std::string, Instructions, std::less<>> stored;
  Statement query = database_.prepare(
      "SELECT agent_id, instructions FROM agent_instructions WHERE account_id = ?");
  query.bind(1, accountId);
  while (query.step()) {
    stored.emplace(query.columnText(0),
                   nlohmann::json::parse(query.columnText(1)).get<Instructions>());
  }
  return stored;
}

void AgentInstructionStore::save(std::string_view accountId, std::string_view agentId,
                                 const Instructions& instructions) {
  database_
      .prepare(
          "INSERT INTO agent_instructions (account_id, agent_id, instructions) VALUES (?, ?, ?)"
          " ON CONFLICT (account_id, agent_id) DO UPDATE SET instructions = excluded.instructions")
      .bind(1, accountId)
      .bind(2, agentId)
      .bind(3, nlohmann::json(instructions).dump())
      .step();
}

void AgentInstructionStore::reset(std::string_view accountId, std::string_view agentId) {
  database_.prepare("DELETE FROM agent_instructions WHERE account_id = ? AND agent_id = ?")
      .bind(1, accountId)
      .bind(2, agentId)
      .step();
}

}  // namespace ondi::server
