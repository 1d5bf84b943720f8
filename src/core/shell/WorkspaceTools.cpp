#include "core/shell/WorkspaceTools.h"

namespace ondi {

const std::vector<WorkspaceTool>& workspaceTools() {
  static const std::vector<WorkspaceTool> tools{
      {"unified.tools.connectors", "Connectors", "Connect apps and manage their access.",
       "point.3.connected.trianglepath.dotted", VelmoraRoute::connectors(), ""},
      {"unified.tools.agents", "Agents & skills", "Specialist agents and reusable instructions.",
       "person.2", VelmoraRoute::agentPacks(), ""},
      {"unified.tools.skills", "Skills", "Browse and manage reusable playbooks.", "wand.and.stars",
       VelmoraRoute::skills(), ""},
      {"unified.tools.automations", "Automations", "Ask Ondi to inspect your recurring work.",
       "clock", std::nullopt, kRecurringWorkPrompt},
      {"unified.tools.messaging", "Messaging", "Open your messaging workspace.",
       "bubble.left.and.bubble.right", VelmoraRoute::messaging(), ""},
      {"unified.tools.voice", "Voice", "Open calls and voice controls.", "phone",
       VelmoraRoute::voice(), ""},
      {"unified.tools.billing", "Billing", "Plans and agent funds.", "creditcard",
       VelmoraRoute::pricing(), ""},
      {"unified.tools.support", "Support", "Help with your workspace.", "questionmark.circle",
       VelmoraRoute::support(), ""},
  };
  return tools;
}

}  // namespace ondi
