#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include "core/assist/OpenAIResponseText.h"
#include "core/assist/OpenAIResponsesClient.h"
#include "fakes/FakeEnvironment.h"
#include "fakes/FakeHttpTransport.h"

namespace ondi {
namespace {

using ::testing::AllOf;
using ::testing::HasSubstr;
using ::testing::Not;
using ::testing::StartsWith;
using json = nlohmann::json;

TEST(OpenAIText, PrefersTheTrimmedOutputText) {
  EXPECT_EQ(extractOpenAIText(
                {{"output_text", "  Done.\n"}, {"output", {{{"type", "text"}, {"text", "x"}}}}}),
            "Done.");
}

TEST(OpenAIText, OtherwiseJoinsEveryTextPartInOrder) {
  const json response = {{"output_text", "  "},
                         {"output",
                          {{{"type", "reasoning"},
                            {"text", "hidden"},
                            {"content", {{{"type", "text"}, {"text", "A"}}}}},
                           {{"type", "message"},
                            {"content",
                             {{{"type", "output_text"}, {"text", " B "}},
                              {{"type", "output_text"}, {"text", " "}},
                              {{"type", "refusal"}, {"text", "no"}},
                              {{"type", "text"}, {"text", 3}}}}}}},
                         {"content", {{"type", "text"}, {"text", "C"}}}};
  EXPECT_EQ(extractOpenAIText(response), "A\n\nB\n\nC");
}

TEST(OpenAIText, NothingToSayIsNone) {
  EXPECT_EQ(extractOpenAIText(json::array({{{"type", "text"}, {"text", " "}}})), std::nullopt);
  EXPECT_EQ(extractOpenAIText("just a string"), std::nullopt);
  EXPECT_EQ(extractOpenAIText({{"output", json::array()}}), std::nullopt);
}

TEST(OpenAIErrorMessage, ReadsOnlyTheErrorObjectsMessage) {
  EXPECT_EQ(extractOpenAIErrorMessage({{"error", {{"message", "Quota exceeded."}}}}),
            "Quota exceeded.");
  EXPECT_EQ(extractOpenAIErrorMessage({{"error", "Quota exceeded."}}), std::nullopt);
  EXPECT_EQ(extractOpenAIErrorMessage({{"error", {{"message", " "}}}}), std::nullopt);
  EXPECT_EQ(extractOpenAIErrorMessage({{"message", "top level"}}), std::nullopt);
  EXPECT_EQ(extractOpenAIErrorMessage(json::array()), std::nullopt);
}

std::string failureOf(int status, const std::string& body, const std::string& key = "sk-k") {
  HttpResponse response;
  response.statusCode = status;
  response.body = body;
  const auto answer = openAIAnswer(response, key);
  return answer ? "answered: " + *answer : answer.error().description();
}

TEST(OpenAIAnswer, EachFailureHasItsSentence) {
  EXPECT_THAT(failureOf(502, "<html><h1>502 Bad Gateway</h1></html>"),
              AllOf(StartsWith("Parse error at line 1, column 1: syntax error"),
                    Not(HasSubstr("HTTP")), Not(HasSubstr("json.exception"))));
  EXPECT_EQ(failureOf(500, R"({"error":{"message":"The server had an error."}})"),
            "The server had an error.");
  EXPECT_EQ(failureOf(404, R"({"detail":"missing"})"), "OpenAI request failed with HTTP 404.");
  EXPECT_EQ(failureOf(200, R"({"output":[]})"), "OpenAI returned an empty response.");
  EXPECT_EQ(failureOf(200, R"({"output_text":"Hi"})"), "answered: Hi");
  const auto transport =
      openAIAnswer(std::unexpected(TransportError{"The request timed out."}), "k");
  EXPECT_EQ(transport.error().description(), "The request timed out.");
}

TEST(OpenAIAnswer, NeverRepeatsTheKey) {
  EXPECT_EQ(failureOf(401, R"({"error":{"message":"Incorrect API key provided: sk-live-123."}})",
                      "sk-live-123"),
            "Incorrect API key provided: [redacted].");
}

class OpenAIEndpoint : public ::testing::Test {
 protected:
  std::optional<std::string> endpointFor(const std::string& base) {
    environment.values["ONDI_OPENAI_BASE_URL"] = base;
    return client.endpointURL();
  }

  fakes::FakeEnvironment environment;
  fakes::FakeHttpTransport transport;
  OpenAIResponsesClient client{environment, transport};
};

TEST_F(OpenAIEndpoint, IsOpenAIUnlessOverridden) {
  EXPECT_EQ(client.endpointURL(), "https://api.openai.com/v1/responses");
  EXPECT_EQ(endpointFor(" "), "https://api.openai.com/v1/responses");
  EXPECT_EQ(endpointFor("http://127.0.0.1:8787/"), "http://127.0.0.1:8787/v1/responses");
  EXPECT_EQ(endpointFor("https://proxy.example/openai"),
            "https://proxy.example/openai/v1/responses");
}

TEST_F(OpenAIEndpoint, RefusesAddressesThatWouldExposeTheKey) {
  EXPECT_EQ(endpointFor("http://proxy.example"), std::nullopt);
  EXPECT_EQ(endpointFor("https://user:pw@proxy.example"), std::nullopt);
  EXPECT_EQ(endpointFor("https://proxy.example/?to=elsewhere"), std::nullopt);
  EXPECT_EQ(endpointFor("not a url"), std::nullopt);

  std::optional<std::string> failure;
  client.send({}, "sk-k", [&](auto answer) { failure = answer.error().description(); });
  EXPECT_EQ(failure, "The OpenAI API URL is invalid.");
  EXPECT_TRUE(transport.requests.empty());
}

}  // namespace
}  // namespace ondi
