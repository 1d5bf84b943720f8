#include "core/packs/VelmoraSkill.h"

#include <algorithm>

#include "core/util/Text.h"

namespace ondi {

std::string VelmoraSkill::agentPrompt() const {
  return "Use the " + title + " skill from the " + team + " team. Objective: " + detail +
         " Preferred tools: " + tools +
         ". Start by confirming the target and success criteria, then follow the workflow and "
         "keep any external or irreversible action behind explicit approval.";
}

const std::vector<VelmoraSkill>& builtInSkills() {
  static const std::vector<VelmoraSkill> skills{
      {"launch-review", "Launch Review",
       "Check a launch surface and prepare an owner-ready issue report.", "Browser + Drive + Gmail",
       "Operations", "checkmark.seal"},
      {"content-audit", "Content Audit",
       "Review content quality, coverage, structure, and search readiness.",
       "Drive + Documents + SEO", "Growth", "doc.text.magnifyingglass"},
      {"support-triage", "Support Triage",
       "Classify inbound requests, surface blockers, and draft safe next steps.",
       "Gmail + Messaging", "Support", "tray.full"},
      {"storefront-qa", "Storefront QA",
       "Inspect product, cart, navigation, and trust flows before publishing.",
       "Browser + Spreadsheets", "Commerce", "storefront"},
      {"catalog-seo", "Catalog SEO",
       "Prepare reviewable product and collection discoverability improvements.",
       "Spreadsheets + Documents", "Commerce", "text.magnifyingglass"},
      {"workflow-router", "Workflow Router",
       "Choose the right helper agents, connectors, and human approval gates.",
       "Agent Packs + Connectors", "Core", "point.3.connected.trianglepath.dotted"},
  };
  return skills;
}

std::vector<VelmoraSkill> visibleSkills(const std::vector<VelmoraSkill>& skills,
                                        const std::string& searchText) {
  const std::string query = lowercased(trimmedWhitespace(searchText));
  if (query.empty()) return skills;
  std::vector<VelmoraSkill> matching;
  std::ranges::copy_if(skills, std::back_inserter(matching), [&query](const VelmoraSkill& skill) {
    return lowercased(skill.title).contains(query) || lowercased(skill.detail).contains(query) ||
           lowercased(skill.tools).contains(query);
  });
  return matching;
}

}  // namespace ondi
