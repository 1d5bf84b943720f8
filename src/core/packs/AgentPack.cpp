#include "core/packs/AgentPack.h"

#include "core/util/Text.h"

namespace ondi {

std::string rawValue(AgentPackAudience audience) {
  return audience == AgentPackAudience::personal ? "personal" : "business";
}

std::optional<AgentPackAudience> agentPackAudience(const std::string& raw) {
  if (raw == "business") return AgentPackAudience::business;
  if (raw == "personal") return AgentPackAudience::personal;
  return std::nullopt;
}

std::string AgentUseCasePack::workspaceScopeInstruction() const {
  std::string team;
  for (const AgentPackHelper& helper : helpers) {
    team += (team.empty() ? "" : "; ") + helper.name + ": " + helper.role;
  }
  std::string starters;
  for (const AgentPackWorkflow& workflow : workflows) {
    starters += (starters.empty() ? "" : ", ") + workflow.title;
  }
  return "This conversation belongs to the dedicated " + title + " Workspace" +
         ". Stay focused on " + lowercased(subtitle) + " and the following use case: " + overview +
         " Coordinate only the Main Operator and these active helpers: " + team +
         ". Supported starter workflows are: " + starters +
         ". If a request is unrelated to this pack, explain that it belongs in the general Ondi "
         "Agent or a different pack and do not perform it here. Keep this approval rule in "
         "force: " +
         approvalDetail;
}

}  // namespace ondi
