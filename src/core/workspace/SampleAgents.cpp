#include "core/workspace/SampleData.h"

namespace ondi::SampleData {

const std::vector<AgentProfile>& agents() {
  using enum AgentLoad;
  using enum AccentTone;
  static const std::vector<AgentProfile> list{
      {"main", "Main Agent", "Core", "Routing, status, and handoffs",
       "Sorting open requests across browser, apps, commands, and helper agents.",
       "Daily command brief", active, ink, "Always on"},
      {"architect", "Architect Agent", "Architect", "Plans, systems, product structure",
       "Turning a rough product request into a cleaner build plan.", "Architecture brief", drafting,
       blue, "Plan"},
      {"ads", "Ads Agent", "Ads", "Google Ads, Meta Ads, retargeting",
       "Drafting a spend shift for two underperforming audiences.", "Budget recommendation", review,
       green, "2 drafts"},
      {"developer", "Developer Agent", "Developer", "Code, files, checks, command output",
       "Reading a failing check and preparing the smallest safe patch.", "Patch plan", review, mint,
       "Diff"},
      {"integration", "Integration Agent", "Integration", "Connectors, APIs, webhooks",
       "Checking connector scopes before a workflow uses app data.", "Connector plan", drafting,
       clay, "API"},
      {"seo", "SEO Agent", "SEO", "Search, page copy, content opportunities",
       "Reviewing page language and keyword fit.", "SEO notes", review, gold, "Audit"},
      {"testing", "Testing Agent", "Testing", "QA, regressions, launch checks",
       "Preparing a release checklist and smoke-test path.", "Test report", drafting, slate, "QA"},
      {"voice", "Voice Agent", "Voice", "Calls, appointments, live task capture",
       "Holding a call summary for approval.", "Call notes", review, blue, "Live"},
  };
  return list;
}

}  // namespace ondi::SampleData
