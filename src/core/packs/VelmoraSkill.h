#pragma once

#include <string>
#include <vector>

namespace ondi {

// A reusable playbook: a named piece of repeatable work, the tools it prefers and the team that
// owns it.
struct VelmoraSkill {
  std::string id;
  std::string title;   // also the helper title the prompt is handed to the agent under
  std::string detail;  // the objective, one sentence
  std::string tools;   // joined with " + "
  std::string team;
  std::string symbol;
  bool operator==(const VelmoraSkill&) const = default;

  // The prompt that asks the agent to run this playbook.
  std::string agentPrompt() const;
};

// The six skills the application carries, in display order.
const std::vector<VelmoraSkill>& builtInSkills();

// The skills whose title, objective or tools contain the search text, trimmed and compared in
// lower case; every skill for an empty search. The team is not searched.
std::vector<VelmoraSkill> visibleSkills(const std::vector<VelmoraSkill>& skills,
                                        const std::string& searchText);

}  // namespace ondi
