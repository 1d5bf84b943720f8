#include "core/assist/OpenAIPrompt.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

namespace ondi {
namespace {

using ::testing::ElementsAre;
using ::testing::EndsWith;
using ::testing::IsEmpty;
using ::testing::StartsWith;
using json = nlohmann::json;

TEST(OpenAIHistory, KeepsTheLastTenEntriesWithContent) {
  json history = json::array();
  for (int i = 1; i <= 15; ++i) {
    history.push_back(
        {{"role", "user"}, {"content", i == 8 ? "  \n" : "turn " + std::to_string(i)}});
  }
  history[13]["content"] = 14;  // not text: blank
  const auto turns = localConversationHistory(history);
  std::vector<std::string> contents;
  for (const auto& turn : turns) contents.push_back(turn.content);
  EXPECT_THAT(contents, ElementsAre("turn 6", "turn 7", "turn 9", "turn 10", "turn 11", "turn 12",
                                    "turn 13", "turn 15"));
}

TEST(OpenAIHistory, EveryRoleButUserIsSentAsAssistant) {
  const json history = {{{"role", "system"}, {"content", "a"}},
                        {{"role", "tool"}, {"content", "b"}},
                        {{"content", "c"}},
                        {{"role", "USER"}, {"content", " d "}},
                        {{"role", 7}, {"content", "e"}}};
  EXPECT_THAT(localConversationHistory(history),
              ElementsAre(ConversationTurn{"assistant", "a"}, ConversationTurn{"assistant", "b"},
                          ConversationTurn{"assistant", "c"}, ConversationTurn{"user", "d"},
                          ConversationTurn{"assistant", "e"}));
}

TEST(OpenAIHistory, CutsLongTurnsAtFourThousandCharacters) {
  std::string longText;
  for (int i = 0; i < 4001; ++i) longText += "é";
  const auto turns =
      localConversationHistory(json::array({{{"role", "user"}, {"content", longText}}}));
  ASSERT_EQ(turns.size(), 1u);
  EXPECT_EQ(turns[0].content, longText.substr(0, 8000));
}

TEST(OpenAIHistory, AnythingButAnArrayOfObjectsIsNoHistory) {
  EXPECT_THAT(localConversationHistory(json()), IsEmpty());
  EXPECT_THAT(localConversationHistory(json::object({{"role", "user"}, {"content", "a"}})),
              IsEmpty());
  EXPECT_THAT(localConversationHistory(json::array({{{"role", "user"}, {"content", "a"}}, "b"})),
              IsEmpty());
}

TEST(OpenAIWorkspacePolicy, NeedsAScope) {
  EXPECT_EQ(localWorkspaceInstruction(json()), std::nullopt);
  EXPECT_EQ(localWorkspaceInstruction({{"workspaceName", "Sales"},
                                       {"scopeInstruction", "  "},
                                       {"activeAgent", "Closer"},
                                       {"helpers", {{{"name", "Scout"}}}},
                                       {"approvalDetail", "Ask first."}}),
            std::nullopt);
}

TEST(OpenAIWorkspacePolicy, NamesTheWorkspaceAgentHelpersAndApprovals) {
  const json context = {
      {"workspaceName", " Sales Desk "},
      {"scopeInstruction", " Only handle pipeline work. "},
      {"activeAgent", "Closer"},
      {"helpers", {{{"name", "Scout"}}, {{"name", " "}}, {{"id", "x"}}, {{"name", "Writer"}}}},
      {"approvalDetail", "Ask before sending."}};
  EXPECT_EQ(localWorkspaceInstruction(context),
            "You are working inside Sales Desk. Only handle pipeline work.\n"
            "The currently selected agent is Closer. The only available specialist helpers are: "
            "Scout, Writer.\n"
            "Do not answer or act on unrelated requests in this workspace. Route those requests to "
            "the general Ondi Agent or the appropriate pack instead.\n"
            "Approval policy: Ask before sending.");
  EXPECT_THAT(*localWorkspaceInstruction({{"scopeInstruction", "Scope."}}),
              StartsWith("You are working inside Dedicated Workspace. Scope.\nThe currently "
                         "selected agent is Main operator. "));
}

TEST(OpenAIInstructions, RoleLineNamesOnlyRealSubagents) {
  const std::string mainOperator =
      "You are Ondi, a Codex-style AI teammate for Linux. Act as Ondi's main operator.\n\nBehave";
  EXPECT_THAT(openAIInstructions("", std::nullopt), StartsWith(mainOperator));
  EXPECT_THAT(openAIInstructions("Auto", std::nullopt), StartsWith(mainOperator));
  EXPECT_THAT(openAIInstructions("Main operator", std::nullopt), StartsWith(mainOperator));
  EXPECT_THAT(openAIInstructions("Growth Analyst", std::nullopt),
              StartsWith("You are Ondi, a Codex-style AI teammate for Linux. Act as Ondi's Growth "
                         "Analyst subagent.\n\nBehave"));
}

TEST(OpenAIInstructions, ThePolicyComesLast) {
  EXPECT_THAT(openAIInstructions("", std::nullopt),
              EndsWith("say exactly what you would inspect or run next.\n"));
  EXPECT_THAT(openAIInstructions("", "Stay on sales."),
              EndsWith("run next.\n\n\nDedicated workspace policy:\nStay on sales."));
}

TEST(OpenAIRequestBody, SendsModelReasoningInstructionsAndInputInOrder) {
  OpenAIPrompt prompt;
  prompt.message = "How are we doing?";
  prompt.history = {{"user", "Hi"}, {"assistant", "Hello"}};
  const auto body = openAIRequestBody(prompt);
  EXPECT_THAT(body.dump(), StartsWith(R"({"model":"gpt-5.6-sol","reasoning":{"effort":"high"},)"
                                      R"("instructions":"You are Ondi)"));
  EXPECT_EQ(body.at("input"), nlohmann::ordered_json::parse(R"([
    {"role":"user","content":"Hi"}, {"role":"assistant","content":"Hello"},
    {"role":"user","content":"How are we doing?"}])"));
  EXPECT_EQ(body.size(), 4u);
}

TEST(OpenAIRequestBody, DoesNotRepeatTheMessageThePageAlreadyPutLast) {
  OpenAIPrompt prompt;
  prompt.message = "Ship it";
  prompt.history = {{"user", "Ship it"}};
  EXPECT_EQ(openAIRequestBody(prompt).at("input").size(), 1u);

  prompt.history = {{"user", "Ship it"}, {"assistant", "Ship it"}};
  EXPECT_EQ(openAIRequestBody(prompt).at("input").size(), 3u);
}

}  // namespace
}  // namespace ondi
