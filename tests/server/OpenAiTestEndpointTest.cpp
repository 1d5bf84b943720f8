// The OpenAI-compatible "/v1/responses" that the client's direct OpenAI fallback is tested
// against, and the record of what it last received.
#include <gtest/gtest.h>

#include <memory>
#include <regex>
#include <string>

#include "HttpTestClient.h"
#include "OndiServerProcess.h"

namespace {

constexpr char kKey[] = "sk-custom-key";

nlohmann::json validRequest(const std::string& lastUserText = "Plan my week") {
  return {{"model", "gpt-5.6-sol"},
          {"reasoning", {{"effort", "high"}}},
          {"instructions", "You are Ondi."},
          {"input",
           {{{"role", "user"}, {"content", "Hello"}},
            {{"role", "assistant"}, {"content", "Hi, how can I help?"}},
            {{"role", "user"}, {"content", lastUserText}}}}};
}

class OpenAiTestEndpointTest : public ::testing::Test {
 protected:
  static void SetUpTestSuite() {
    server_ = std::make_unique<OndiServerProcess>(OndiServerProcess::Options{
        .extraArguments = {"--openai-test-endpoint", "--openai-test-key", kKey}});
  }
  static void TearDownTestSuite() { server_.reset(); }

  HttpReply post(const nlohmann::json& body, const std::string& key = kKey) {
    return postText(body.dump(), key);
  }

  HttpReply postText(const std::string& body, const std::string& key = kKey) {
    return client_.send("POST", "/v1/responses", body, {{"Authorization", "Bearer " + key}});
  }

  void expectInvalid(const nlohmann::json& body, const std::string& message,
                     const std::string& param) {
    const HttpReply reply = post(body);
    EXPECT_EQ(reply.status, 400u) << body;
    EXPECT_EQ(reply.json(),
              nlohmann::json(
                  {{"error",
                    {{"message", message}, {"type", "invalid_request_error"}, {"param", param}}}}))
        << body;
  }

  static std::unique_ptr<OndiServerProcess> server_;
  HttpTestClient client_{server_->baseURL()};
};

std::unique_ptr<OndiServerProcess> OpenAiTestEndpointTest::server_;

TEST_F(OpenAiTestEndpointTest, OnlyTheConfiguredKeyIsAccepted) {
  const nlohmann::json refusal = {
      {"error", {{"message", "Incorrect API key provided."}, {"type", "invalid_request_error"}}}};
  for (const HttpTestClient::Headers& headers :
       {HttpTestClient::Headers{}, HttpTestClient::Headers{{"Authorization", kKey}},
        HttpTestClient::Headers{{"Authorization", "Bearer sk-test-ondi"}}}) {
    const HttpReply reply = client_.send("POST", "/v1/responses", validRequest().dump(), headers);
    EXPECT_EQ(reply.status, 401u);
    EXPECT_EQ(reply.json(), refusal);
  }
  EXPECT_EQ(post(validRequest()).status, 200u);
}

TEST_F(OpenAiTestEndpointTest, AnswersInTheResponsesShapeWithASummaryOfTheRequest) {
  const HttpReply reply = post(validRequest("Say \"hi\" twice"));
  ASSERT_EQ(reply.status, 200u) << reply.body;
  const auto answer = reply.json();
  const std::string expected =
      "Test reply: received 3 input items; last user text: \"Say \"hi\" twice\"; instructions: "
      "present; reasoning effort: high.";
  EXPECT_TRUE(std::regex_match(answer.at("id").get<std::string>(), std::regex("resp_[0-9a-f]+")));
  EXPECT_EQ(answer.at("object"), "response");
  EXPECT_EQ(answer.at("model"), "gpt-5.6-sol");
  EXPECT_EQ(answer.at("output_text"), expected);
  ASSERT_EQ(answer.at("output").size(), 1u);
  const auto& item = answer.at("output")[0];
  EXPECT_EQ(item.at("type"), "message");
  EXPECT_EQ(item.at("role"), "assistant");
  ASSERT_EQ(item.at("content").size(), 1u);
  EXPECT_EQ(item.at("content")[0].at("type"), "output_text");
  EXPECT_EQ(item.at("content")[0].at("text"), expected);

  const nlohmann::json bare = {{"model", "m"},
                               {"instructions", nullptr},
                               {"input", {{{"role", "system"}, {"content", "Be brief."}}}}};
  EXPECT_EQ(post(bare).json().at("output_text"),
            "Test reply: received 1 input item; last user text: none; instructions: absent; "
            "reasoning effort: not set.");
}

TEST_F(OpenAiTestEndpointTest, RefusesRequestsOpenAiWouldRefuse) {
  auto without = [](const char* key) {
    nlohmann::json body = validRequest();
    body.erase(key);
    return body;
  };
  auto with = [](const char* key, nlohmann::json value) {
    nlohmann::json body = validRequest();
    body[key] = std::move(value);
    return body;
  };
  expectInvalid(without("model"), "Missing required parameter: 'model'.", "model");
  expectInvalid(with("model", ""), "Invalid value for 'model': expected a non-empty string.",
                "model");
  expectInvalid(without("input"), "Missing required parameter: 'input'.", "input");
  for (const nlohmann::json& input : {nlohmann::json("Hello"), nlohmann::json::array()}) {
    expectInvalid(with("input", input),
                  "Invalid value for 'input': expected a non-empty array of messages.", "input");
  }
  const std::string badItem =
      "Invalid value for 'input[1]': expected {\"role\", \"content\"} with a known role and text "
      "content.";
  for (const nlohmann::json& item :
       {nlohmann::json({{"role", "tool"}, {"content", "x"}}), nlohmann::json({{"role", "user"}})}) {
    expectInvalid(with("input", {{{"role", "user"}, {"content", "a"}}, item}), badItem, "input[1]");
  }
  expectInvalid(with("instructions", 3), "Invalid type for 'instructions': expected a string.",
                "instructions");
  expectInvalid(with("reasoning", "high"), "Invalid type for 'reasoning': expected an object.",
                "reasoning");
  expectInvalid(with("reasoning", {{"effort", "extreme"}}),
                "Invalid value for 'reasoning.effort': expected one of none, minimal, low, "
                "medium, high or xhigh.",
                "reasoning.effort");
  for (const char* body : {"not json", "[1, 2]"}) {
    const HttpReply reply = postText(body);
    EXPECT_EQ(reply.status, 400u);
    EXPECT_EQ(reply.json().at("error").at("message"),
              "We could not parse the JSON body of your request.");
  }
}

TEST_F(OpenAiTestEndpointTest, MarkedInputsFailOnPurpose) {
  const HttpReply html = post(validRequest("please [[fail:502-html]] now"));
  EXPECT_EQ(html.status, 502u);
  EXPECT_EQ(html.headerValues("Content-Type"),
            std::vector<std::string>{"text/html; charset=utf-8"});
  EXPECT_FALSE(nlohmann::json::accept(html.body));

  const HttpReply json = post(validRequest("[[fail:500-json]]"));
  EXPECT_EQ(json.status, 500u);
  EXPECT_EQ(
      json.json(),
      nlohmann::json(
          {{"error", {{"message", "The server had an error while processing your request."}}}}));

  const HttpReply empty = post(validRequest("[[empty]]"));
  ASSERT_EQ(empty.status, 200u);
  EXPECT_EQ(empty.json().at("output_text"), "");
  EXPECT_EQ(empty.json().at("output")[0].at("content"), nlohmann::json::array());

  // Only the last user text is read for the marks.
  nlohmann::json earlier = validRequest();
  earlier["input"][0]["content"] = "[[fail:500-json]]";
  EXPECT_EQ(post(earlier).status, 200u);
}

TEST_F(OpenAiTestEndpointTest, RecordsTheLastBodyItReceived) {
  const nlohmann::json first = validRequest("first");
  ASSERT_EQ(post(first).status, 200u);
  EXPECT_EQ(client_.send("GET", "/v1/test/last-request").json(), first);

  // Refused requests are recorded too, so that a test can see what went wrong.
  nlohmann::json second = validRequest("second");
  second["input"][0]["role"] = "tool";
  ASSERT_EQ(post(second, "wrong").status, 401u);
  EXPECT_EQ(client_.send("GET", "/v1/test/last-request").json(), second);
}

TEST(OpenAiTestEndpointFlagTest, ServedOnlyWithTheFlagAndWithTheDefaultKey) {
  {
    const OndiServerProcess server;
    const HttpTestClient client(server.baseURL());
    EXPECT_EQ(client
                  .send("POST", "/v1/responses", validRequest().dump(),
                        {{"Authorization", "Bearer sk-test-ondi"}})
                  .status,
              404u);
    EXPECT_EQ(client.send("GET", "/v1/test/last-request").status, 404u);
  }
  const OndiServerProcess server(
      OndiServerProcess::Options{.extraArguments = {"--openai-test-endpoint"}});
  const HttpTestClient client(server.baseURL());
  const HttpReply nothingYet = client.send("GET", "/v1/test/last-request");
  EXPECT_EQ(nothingYet.status, 404u);
  EXPECT_EQ(nothingYet.json().at("error").at("message"),
            "No request has reached /v1/responses yet.");
  EXPECT_EQ(client
                .send("POST", "/v1/responses", validRequest().dump(),
                      {{"Authorization", "Bearer sk-test-ondi"}})
                .status,
            200u);
}

}  // namespace
