#include <gtest/gtest.h>

#include "core/packs/VelmoraSkill.h"

namespace ondi {
namespace {

std::vector<std::string> visibleIDs(const std::string& search) {
  std::vector<std::string> ids;
  for (const VelmoraSkill& skill : visibleSkills(builtInSkills(), search)) ids.push_back(skill.id);
  return ids;
}

TEST(SkillsTest, SearchMatchesTitleObjectiveAndToolsButNotTheTeam) {
  const std::vector<std::string> all{"launch-review", "content-audit", "support-triage",
                                     "storefront-qa", "catalog-seo",   "workflow-router"};
  EXPECT_EQ(visibleIDs(""), all);
  EXPECT_EQ(visibleIDs(" \t\n "), all);
  EXPECT_EQ(visibleIDs(" SEO "), (std::vector<std::string>{"content-audit", "catalog-seo"}));
  EXPECT_EQ(visibleIDs("commerce"), std::vector<std::string>{});
  EXPECT_EQ(visibleIDs("growth"), std::vector<std::string>{});
  EXPECT_EQ(visibleIDs("Owner-READY"), std::vector<std::string>{"launch-review"});
  EXPECT_EQ(visibleIDs("spreadsheets"), (std::vector<std::string>{"storefront-qa", "catalog-seo"}));
}

TEST(SkillsTest, PromptNamesTitleTeamObjectiveAndTools) {
  const VelmoraSkill& triage = builtInSkills()[2];
  EXPECT_EQ(triage.title, "Support Triage");
  EXPECT_EQ(triage.agentPrompt(),
            "Use the Support Triage skill from the Support team. Objective: Classify inbound "
            "requests, surface blockers, and draft safe next steps. Preferred tools: Gmail + "
            "Messaging. Start by confirming the target and success criteria, then follow the "
            "workflow and keep any external or irreversible action behind explicit approval.");
}

}  // namespace
}  // namespace ondi
