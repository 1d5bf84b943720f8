// The agent chat of a signed-in account: threads, messages and events kept in the database and
// answered by the stand-in agent, as the chat page reads them.
#include <glib.h>
#include <gtest/gtest.h>

#include <memory>
#include <regex>
#include <string>
#include <vector>

#include "AccountSteps.h"
#include "AgentSteps.h"
#include "HttpTestClient.h"
#include "OndiServerProcess.h"

namespace {

constexpr char kThreadIdRule[] = "The thread id must be 1 to 96 letters, digits, \"_\" or \"-\".";
const std::regex kIsoTime(R"(\d{4}-\d\d-\d\dT\d\d:\d\d:\d\dZ)");

std::vector<std::string> threadIds(const nlohmann::json& state) {
  std::vector<std::string> ids;
  for (const auto& thread : state.at("threads")) ids.push_back(thread.at("id"));
  return ids;
}

std::string replyText(const HttpReply& reply) {
  return reply.json().at("state").at("messages").back().at("content");
}

class AgentChatTest : public ::testing::Test {
 protected:
  void SetUp() override { ASSERT_EQ(signUp(client_, "ada@example.com").status, 200u); }

  void expectRefused(const HttpReply& reply, const std::string& error) {
    EXPECT_EQ(reply.status, 400u) << reply.body;
    EXPECT_EQ(reply.json(), nlohmann::json({{"ok", false}, {"error", error}}));
  }

  std::unique_ptr<OndiServerProcess> server_ = std::make_unique<OndiServerProcess>();
  HttpTestClient client_{server_->baseURL(), HttpTestClient::Cookies::keep};
};

TEST_F(AgentChatTest, EveryAgentRequestNeedsASession) {
  const HttpTestClient stranger(server_->baseURL());
  const nlohmann::json prompt = {{"message", "hi"}, {"threadId", "default"}};
  for (const HttpTestClient::Headers& headers :
       {HttpTestClient::Headers{}, sessionHeader("forged-token")}) {
    for (const HttpReply& reply :
         {stranger.send("GET", "/api/agent/state?threadId=default&surface=mac_app", {}, headers),
          stranger.send("POST", "/api/agent/new?surface=mac_app", {}, headers),
          stranger.send("POST", "/api/agent/message", prompt.dump(), headers)}) {
      EXPECT_EQ(reply.status, 401u);
      EXPECT_EQ(reply.json(),
                nlohmann::json({{"ok", false}, {"error", "Sign in to use the agent."}}));
    }
  }
}

TEST_F(AgentChatTest, AThreadWithoutMessagesShowsTheWelcomeAndIsNotCreatedByReading) {
  const auto state = agentState(client_, "never-used");
  EXPECT_EQ(state.at("ok"), true);
  EXPECT_EQ(state.at("activeThreadId"), "never-used");
  ASSERT_EQ(state.at("messages").size(), 1u);
  const auto& welcome = state.at("messages")[0];
  EXPECT_EQ(welcome.at("id"), "local-ai-welcome");
  EXPECT_EQ(welcome.at("role"), "assistant");
  EXPECT_EQ(welcome.at("threadId"), "never-used");
  EXPECT_TRUE(std::regex_match(welcome.at("createdAt").get<std::string>(), kIsoTime));
  for (const char* list : {"threads", "events", "accountActivity", "artifacts"}) {
    EXPECT_EQ(state.at(list), nlohmann::json::array()) << list;
  }
  EXPECT_EQ(state.at("account"), nlohmann::json({{"email", "ada@example.com"},
                                                 {"name", "Ada Lovelace"},
                                                 {"plan", "free"},
                                                 {"guest", false}}));
  EXPECT_EQ(state.at("usage"), nlohmann::json({{"turnsUsed", 0}, {"turnLimit", 50}}));
  EXPECT_EQ(state.at("runtime"),
            nlohmann::json({{"mode", "Live backend"}, {"agent", "Ondi stand-in agent"}}));
  EXPECT_EQ(state.at("product"), nlohmann::json({{"name", "Ondi"}}));
  EXPECT_TRUE(agentState(client_, "default").at("threads").empty());
}

TEST_F(AgentChatTest, APromptIsAnsweredAndKeptInItsThread) {
  const std::string prompt = "  Draft a launch plan  \nwith three steps";
  const HttpReply reply = sendPrompt(client_, prompt, "launch-1", {{"modelMode", "anthropic"}});
  ASSERT_EQ(reply.status, 200u) << reply.body;
  const auto answer = reply.json();
  EXPECT_EQ(answer.at("ok"), true);
  EXPECT_FALSE(answer.contains("monitoredRun"));
  const auto& state = answer.at("state");
  EXPECT_EQ(state, agentState(client_, "launch-1"));

  ASSERT_EQ(state.at("messages").size(), 2u);
  const auto& asked = state.at("messages")[0];
  const auto& answered = state.at("messages")[1];
  EXPECT_EQ(asked.at("role"), "user");
  EXPECT_EQ(asked.at("content"), prompt);
  EXPECT_EQ(asked.at("threadId"), "launch-1");
  EXPECT_EQ(answered.at("role"), "assistant");
  const std::string text = answered.at("content");
  EXPECT_NE(text.find("> Draft a launch plan with three steps\n"), std::string::npos) << text;
  EXPECT_NE(text.find("- Model mode: `anthropic`"), std::string::npos) << text;
  EXPECT_NE(text.find("- Workspace context: none"), std::string::npos) << text;

  ASSERT_EQ(state.at("threads").size(), 1u);
  const auto& thread = state.at("threads")[0];
  EXPECT_EQ(thread.at("id"), "launch-1");
  EXPECT_EQ(thread.at("title"), "Draft a launch plan");
  EXPECT_EQ(thread.at("messageCount"), 2);
  EXPECT_EQ(thread.at("preview"),
            "I'm the local stand-in for the Ondi agent, so I have not carried anything out. What "
            "I received Draft a launch plan with three steps What th…");
  ASSERT_EQ(state.at("events").size(), 1u);
  EXPECT_EQ(state.at("events")[0].at("title"), "Agent replied");
  EXPECT_EQ(state.at("events")[0].at("status"), "completed");
  EXPECT_EQ(state.at("accountActivity"), state.at("events"));
  EXPECT_EQ(state.at("usage").at("turnsUsed"), 1);

  // Later prompts add to the thread and keep its title.
  ASSERT_EQ(sendPrompt(client_, "Now make it shorter", "launch-1").status, 200u);
  const auto later = agentState(client_, "launch-1");
  const auto contents = messageContents(later);
  ASSERT_EQ(contents.size(), 4u);
  EXPECT_EQ(contents[0], prompt);
  EXPECT_EQ(contents[2], "Now make it shorter");
  EXPECT_EQ(later.at("threads")[0].at("title"), "Draft a launch plan");
  EXPECT_EQ(later.at("threads")[0].at("messageCount"), 4);
  ASSERT_EQ(later.at("events").size(), 2u);
  EXPECT_EQ(later.at("events")[1].at("id"), state.at("events")[0].at("id"));
}

TEST_F(AgentChatTest, ThreadsComeNewestFirstAndBelongToOneAccount) {
  ASSERT_EQ(sendPrompt(client_, "First", "alpha").status, 200u);
  ASSERT_EQ(sendPrompt(client_, "Second", "beta").status, 200u);
  EXPECT_EQ(threadIds(agentState(client_)), (std::vector<std::string>{"beta", "alpha"}));
  // Within the same second too, the thread used last moves to the top.
  ASSERT_EQ(sendPrompt(client_, "Third", "alpha").status, 200u);
  EXPECT_EQ(threadIds(agentState(client_)), (std::vector<std::string>{"alpha", "beta"}));

  HttpTestClient other(server_->baseURL(), HttpTestClient::Cookies::keep);
  ASSERT_EQ(signUp(other, "bob@example.com").status, 200u);
  const auto fresh = agentState(other, "alpha");
  EXPECT_EQ(fresh.at("messages")[0].at("id"), "local-ai-welcome");
  EXPECT_TRUE(fresh.at("threads").empty());
  EXPECT_TRUE(fresh.at("events").empty());
  EXPECT_EQ(fresh.at("usage").at("turnsUsed"), 0);
  ASSERT_EQ(sendPrompt(other, "Mine", "alpha").status, 200u);
  EXPECT_EQ(messageContents(agentState(other, "alpha")).size(), 2u);
  EXPECT_EQ(messageContents(agentState(client_, "alpha")).size(), 4u);
  EXPECT_EQ(agentState(client_, "alpha").at("threads")[0].at("title"), "First");
}

TEST_F(AgentChatTest, ANewChatIsAnEmptyThreadThatItsFirstPromptNames) {
  const HttpReply reply = client_.send("POST", "/api/agent/new?surface=mac_app");
  ASSERT_EQ(reply.status, 200u) << reply.body;
  const auto answer = reply.json();
  const std::string id = answer.at("activeThreadId");
  EXPECT_TRUE(std::regex_match(id, std::regex("thread-[0-9a-f]{16}"))) << id;
  EXPECT_EQ(answer.at("state").at("activeThreadId"), id);
  EXPECT_EQ(answer.at("state").at("messages")[0].at("id"), "local-ai-welcome");
  const auto& listed = answer.at("state").at("threads")[0];
  EXPECT_EQ(listed.at("id"), id);
  EXPECT_EQ(listed.at("title"), "New chat");
  EXPECT_EQ(listed.at("preview"), "");
  EXPECT_EQ(listed.at("messageCount"), 0);

  const std::string second = client_.send("POST", "/api/agent/new").json().at("activeThreadId");
  EXPECT_NE(second, id);
  EXPECT_EQ(threadIds(agentState(client_, id)), (std::vector<std::string>{second, id}));

  ASSERT_EQ(sendPrompt(client_, "\n  Plan Q3 hiring\nwith budget", id).status, 200u);
  const auto named = agentState(client_, id);
  EXPECT_EQ(threadIds(named), (std::vector<std::string>{id, second}));
  EXPECT_EQ(named.at("threads")[0].at("title"), "Plan Q3 hiring");
}

TEST_F(AgentChatTest, ThreadIdsFollowThePagesRule) {
  for (const std::string& id :
       {std::string(), std::string(" default"), std::string("a b"), std::string("a/b"),
        std::string("a.b"), std::string("caf\xc3\xa9"), std::string(97, 'a')}) {
    SCOPED_TRACE(id);
    gchar* escaped = g_uri_escape_string(id.c_str(), nullptr, FALSE);
    expectRefused(client_.send("GET", "/api/agent/state?threadId=" + std::string(escaped)),
                  kThreadIdRule);
    g_free(escaped);
    expectRefused(sendPrompt(client_, "hi", id), kThreadIdRule);
  }
  expectRefused(sendPrompt(client_, "hi", "", {{"threadId", 7}}), kThreadIdRule);

  const std::string longest(96, 'z');
  EXPECT_EQ(sendPrompt(client_, "hi", longest).status, 200u);
  EXPECT_EQ(sendPrompt(client_, "hi", "Pack-seo_2").status, 200u);
  EXPECT_EQ(threadIds(agentState(client_, longest)),
            (std::vector<std::string>{"Pack-seo_2", longest}));
  // Without a thread id the page's first thread is meant.
  EXPECT_EQ(client_.send("GET", "/api/agent/state").json().at("activeThreadId"), "default");
}

TEST_F(AgentChatTest, PromptsAreCheckedBeforeAnythingIsKept) {
  const std::string emptyWrapper =
      "[[VELMORA_WORKSPACE_CONTEXT]]\nCurrently selected agent: SEO.\n"
      "[[END_VELMORA_WORKSPACE_CONTEXT]]\nUser request:\n  ";
  for (const nlohmann::json& message :
       {nlohmann::json(""), nlohmann::json(" \n\t "), nlohmann::json(42), nlohmann::json(nullptr),
        nlohmann::json(emptyWrapper)}) {
    expectRefused(sendPrompt(client_, "", "default", {{"message", message}}),
                  "Type a message before sending.");
  }
  std::string tooLong;
  for (int i = 0; i < 8001; ++i) tooLong += "\xc3\xa9";
  expectRefused(sendPrompt(client_, tooLong), "The message is longer than 8000 characters.");
  for (const char* mode : {"gpt-4", "AUTO", ""}) {
    expectRefused(sendPrompt(client_, "hi", "default", {{"modelMode", mode}}),
                  "The model mode must be auto, openai, anthropic or cursor.");
  }
  for (const nlohmann::json& context : {nlohmann::json("pack"), nlohmann::json::array()}) {
    expectRefused(sendPrompt(client_, "hi", "default", {{"workspaceContext", context}}),
                  "The workspace context must be an object or null.");
  }
  expectRefused(client_.send("POST", "/api/agent/message", "[1]"),
                "The request body must be a JSON object.");

  const std::string longest(tooLong, 0, tooLong.size() - 2);
  EXPECT_EQ(sendPrompt(client_, longest, "accepted", {{"modelMode", "cursor"}}).status, 200u);
  const auto state = agentState(client_, "accepted");
  EXPECT_EQ(threadIds(state), std::vector<std::string>{"accepted"});
  EXPECT_EQ(state.at("usage").at("turnsUsed"), 1);
}

TEST_F(AgentChatTest, WorkspacePromptsAreKeptAsSentButReadForTheirRequest) {
  const std::string wrapped =
      "[[VELMORA_WORKSPACE_CONTEXT]]\n"
      "Stay on search work. Show the browser live monitor only when asked.\n"
      "Currently selected agent: Keyword Scout.\n"
      "Approval policy: ask before publishing.\n"
      "[[END_VELMORA_WORKSPACE_CONTEXT]]\n"
      "User request:\n"
      "Find keywords for running shoes\nand rank them";
  const HttpReply reply =
      sendPrompt(client_, wrapped, "pack-seo", {{"workspaceContext", {{"packId", "seo"}}}});
  ASSERT_EQ(reply.status, 200u) << reply.body;
  // The wrapper's own words do not start a managed browser run.
  const auto answer = reply.json();
  EXPECT_FALSE(answer.contains("monitoredRun"));
  const auto& state = answer.at("state");
  EXPECT_EQ(state.at("messages")[0].at("content"), wrapped);
  EXPECT_EQ(state.at("threads")[0].at("title"), "Find keywords for running shoes");
  const std::string text = replyText(reply);
  EXPECT_NE(text.find("> Find keywords for running shoes and rank them\n"), std::string::npos)
      << text;
  EXPECT_NE(text.find("- Workspace context: included"), std::string::npos) << text;
  EXPECT_NE(text.find("- Selected agent: Keyword Scout\n"), std::string::npos) << text;
  EXPECT_EQ(text.find("VELMORA"), std::string::npos) << text;
}

TEST_F(AgentChatTest, AskingForTheBrowserWithAMonitorStartsAManagedRun) {
  std::vector<std::string> runs;
  // The phrasings themselves are checked against the page's expressions in AgentTextTest.
  for (const char* prompt :
       {"Open the in-app browser with a live monitor", "Use the BROWSER and show me the monitor"}) {
    SCOPED_TRACE(prompt);
    const HttpReply reply = sendPrompt(client_, prompt);
    ASSERT_EQ(reply.status, 200u) << reply.body;
    const std::string run = reply.json().at("monitoredRun").at("id");
    EXPECT_TRUE(std::regex_match(run, std::regex("wf_[0-9a-f]{24}"))) << run;
    EXPECT_NE(replyText(reply).find("- Managed browser run: `" + run + "`"), std::string::npos);
    runs.push_back(run);
  }
  EXPECT_NE(runs[0], runs[1]);

  for (const char* prompt : {"Open the browser", "Show me the monitor"}) {
    SCOPED_TRACE(prompt);
    const HttpReply reply = sendPrompt(client_, prompt);
    ASSERT_EQ(reply.status, 200u) << reply.body;
    EXPECT_FALSE(reply.json().contains("monitoredRun"));
    EXPECT_EQ(replyText(reply).find("Managed browser run"), std::string::npos);
  }
}

}  // namespace
