// Desktop preferences and agent instructions stored with the account.
#include <gtest/gtest.h>

#include <memory>
#include <string>
#include <vector>

#include "AccountSteps.h"
#include "HttpTestClient.h"
#include "OndiServerProcess.h"
#include "TemporaryDirectory.h"

namespace {

nlohmann::json washiPreferences() {
  return {{"interfaceStyle", "washi-ember"},
          {"showInspector", false},
          {"dailyBriefEnabled", true},
          {"useOpenAIFallback", false},
          {"autoModelHandoffEnabled", true},
          {"requireApprovalForSpend", true},
          {"requireApprovalForCustomerMessages", false},
          {"modelProvider", "anthropic"}};
}

using Lines = std::vector<std::string>;

nlohmann::json entry(const std::string& agent, const nlohmann::json& lines) {
  return {{"id", agent}, {"instructions", lines}};
}

nlohmann::json instructionsFor(const std::string& agent, const nlohmann::json& lines) {
  return {{"agentInstructions", nlohmann::json::array({entry(agent, lines)})}};
}

nlohmann::json profile(const nlohmann::json& profiles, const std::string& id) {
  for (const auto& entry : profiles) {
    if (entry.at("id") == id) return entry;
  }
  return nullptr;
}

class AccountPreferencesTest : public ::testing::Test {
 protected:
  void SetUp() override { ASSERT_EQ(signUp(client_, "pat@example.com").status, 200u); }

  HttpReply put(const nlohmann::json& body) {
    return client_.send("PUT", "/api/account/preferences", body.dump());
  }

  void expectRefused(const nlohmann::json& body, const std::string& error) {
    const HttpReply reply = put(body);
    EXPECT_EQ(reply.status, 400u) << body;
    EXPECT_EQ(reply.json(), nlohmann::json({{"ok", false}, {"error", error}})) << body;
  }

  TemporaryDirectory data_;
  std::unique_ptr<OndiServerProcess> server_ = std::make_unique<OndiServerProcess>(
      OndiServerProcess::Options{.dataDirectory = data_.path()});
  HttpTestClient client_{server_->baseURL(), HttpTestClient::Cookies::keep};
};

TEST_F(AccountPreferencesTest, OnlyASignedInAccountMayChangeSettings) {
  const HttpTestClient stranger(server_->baseURL());
  for (const HttpTestClient::Headers& headers :
       {HttpTestClient::Headers{}, sessionHeader("forged-token")}) {
    const HttpReply reply =
        stranger.send("PUT", "/api/account/preferences",
                      nlohmann::json({{"preferences", washiPreferences()}}).dump(), headers);
    EXPECT_EQ(reply.status, 401u);
    EXPECT_EQ(reply.json(),
              nlohmann::json({{"ok", false}, {"error", "Sign in to change account settings."}}));
  }
}

TEST_F(AccountPreferencesTest, SettingsSurviveARestart) {
  nlohmann::json body = instructionsFor("seo", Lines{"  Lead with intent.  ", "", "Cite data."});
  body["preferences"] = washiPreferences();
  const HttpReply saved = put(body);
  ASSERT_EQ(saved.status, 200u) << saved.body;
  EXPECT_EQ(saved.json().at("ok"), true);
  EXPECT_EQ(saved.json().at("agentInstructions").size(), 7u);

  server_->stop();
  server_ = std::make_unique<OndiServerProcess>(
      OndiServerProcess::Options{.dataDirectory = data_.path()});
  const HttpTestClient returning(server_->baseURL());
  const std::string token = sessionTokenSetBy(signIn(returning, "pat@example.com")).value_or("");
  const auto session = returning.send("GET", "/api/auth/session", {}, sessionHeader(token)).json();
  EXPECT_EQ(session.at("user").at("desktopPreferences"), washiPreferences());
  const auto seo = profile(session.at("agentInstructions"), "seo");
  EXPECT_EQ(seo.at("instructions"), nlohmann::json(Lines{"Lead with intent.", "Cite data."}));
  EXPECT_EQ(seo.at("customized"), true);
  EXPECT_EQ(seo.at("name"), "SEO Agent");
  EXPECT_EQ(seo.at("voice"), "Shimmer");
  EXPECT_EQ(profile(session.at("agentInstructions"), "main").at("customized"), false);
}

TEST_F(AccountPreferencesTest, RefusesPreferencesThatAreIncompleteOrUnknown) {
  auto with = [](const char* key, nlohmann::json value) {
    nlohmann::json preferences = washiPreferences();
    preferences[key] = std::move(value);
    return nlohmann::json({{"preferences", preferences}});
  };
  nlohmann::json missing = washiPreferences();
  missing.erase("dailyBriefEnabled");

  expectRefused(with("interfaceStyle", "unified-workspace"),
                "The interface style \"unified-workspace\" stays on the desktop and is not stored "
                "with the account.");
  expectRefused(
      with("interfaceStyle", "neon"),
      "The interface style must be one of studio, washi-ember, cinematic, tea-house-sand, "
      "quiet-aperture.");
  expectRefused(with("modelProvider", "gemini"),
                "The model provider must be one of auto, openai, anthropic, cursor.");
  expectRefused(with("showInspector", "yes"),
                "The preference \"showInspector\" must be true or false.");
  expectRefused({{"preferences", missing}},
                "The preference \"dailyBriefEnabled\" must be true or false.");
  expectRefused({{"preferences", "studio"}},
                "The preferences must be an object with the eight desktop settings.");
  expectRefused(nlohmann::json::object(),
                "Send \"preferences\" or \"agentInstructions\" to change.");
  // A valid part does not get stored beside a refused one.
  nlohmann::json unknownAgent = instructionsFor("nobody", Lines{"x"});
  unknownAgent["preferences"] = washiPreferences();
  expectRefused(unknownAgent, "The agent instructions name an agent that does not exist.");
  EXPECT_FALSE(sessionOf(client_).at("user").contains("desktopPreferences"));
}

TEST_F(AccountPreferencesTest, InstructionsKeepToTheirLimits) {
  const std::string eightHundred(800, 'x');
  // 800 characters of two bytes each: within the limit, which counts characters.
  std::string accented;
  for (int i = 0; i < 800; ++i) accented += "\xC3\xA9";
  const Lines eight = {"1", "2", "3", "4", "5", "6", "7", "8"};
  Lines nine = eight;
  nine.push_back("9");
  const Lines fullBudget = {eightHundred, eightHundred, eightHundred};

  for (const Lines& accepted : {eight, Lines{accented}, fullBudget}) {
    EXPECT_EQ(put(instructionsFor("developer", accepted)).status, 200u);
  }
  expectRefused(instructionsFor("developer", nine),
                "Developer Agent can follow at most 8 instructions.");
  expectRefused(instructionsFor("developer", Lines{eightHundred + "y"}),
                "Each instruction for Developer Agent must be at most 800 characters.");
  expectRefused(instructionsFor("developer", Lines{eightHundred, eightHundred, eightHundred, "y"}),
                "The instructions for Developer Agent must be at most 2,400 characters in all.");
  expectRefused(instructionsFor("developer", Lines{"  ", ""}),
                "Add at least one instruction for Developer Agent before saving.");
  expectRefused(instructionsFor("developer", nlohmann::json::array({"ok", 5})),
                "The instructions for Developer Agent must be a list of texts.");
  expectRefused({{"agentInstructions",
                  nlohmann::json::array({entry("ads", Lines{"a"}), entry("ads", Lines{"b"})})}},
                "Each agent may appear only once in the agent instructions.");
  nlohmann::json withoutId = instructionsFor("ads", Lines{"a"});
  withoutId["agentInstructions"][0].erase("id");
  expectRefused(withoutId, "Each agent instruction entry needs an agent id and instructions.");
  // The last accepted list is what stands.
  const auto developer = profile(sessionOf(client_).at("agentInstructions"), "developer");
  EXPECT_EQ(developer.at("instructions"), nlohmann::json(fullBudget));
}

TEST_F(AccountPreferencesTest, SavingTheDefaultsRestoresThem) {
  const auto defaults =
      profile(sessionOf(client_).at("agentInstructions"), "testing").at("defaultInstructions");
  ASSERT_GE(defaults.size(), 3u);
  const HttpReply changed = put(instructionsFor("testing", Lines{"Check the edges."}));
  EXPECT_EQ(profile(changed.json().at("agentInstructions"), "testing").at("customized"), true);
  const HttpReply restored = put(instructionsFor("testing", defaults));
  const auto testing = profile(restored.json().at("agentInstructions"), "testing");
  EXPECT_EQ(testing.at("customized"), false);
  EXPECT_EQ(testing.at("instructions"), defaults);
}

}  // namespace
