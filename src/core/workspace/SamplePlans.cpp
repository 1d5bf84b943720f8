#include "core/workspace/SampleData.h"

namespace ondi::SampleData {

const std::vector<PricingPlan>& plans() {
  using enum AccentTone;
  static const std::vector<PricingPlan> list{
      {"free",
       "Free",
       "$0",
       "Try one personal or business task.",
       {"20 model turns", "Main agent chat", "One saved space"},
       false,
       slate},
      {"plus",
       "Starter",
       "$20/mo",
       "One always-on AI agent for planning, writing, review, and follow-up.",
       {"2,000 model turns", "Helper agent checklists", "Files, drafts, and memory"},
       true,
       blue},
      {"pro",
       "Operator",
       "$200/mo",
       "Team work across sales, support, finance, ads, orders, and marketing.",
       {"20,000 model turns", "Helper agents", "Activity history"},
       false,
       green},
      {"business",
       "Managed",
       "$1,500/mo",
       "Agent setup, process mapping, approvals, and rollout support.",
       {"Setup support", "Approval gates", "Admin controls"},
       false,
       gold},
  };
  return list;
}

}  // namespace ondi::SampleData
