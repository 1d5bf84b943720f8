// Purchases the stand-in agent is asked for in chat, decided by the stand-in card issuer against
// the account's spending policy and balance.
#include <gtest/gtest.h>

#include <string>

#include "AccountSteps.h"
#include "AgentSteps.h"
#include "HttpTestClient.h"
#include "OndiServerProcess.h"
#include "PaymentSteps.h"
#include "payments/PurchaseRequest.h"

namespace {

using Json = nlohmann::json;
using ondi::server::PaymentCategory;
using ondi::server::readPurchaseRequest;

class AgentPurchasesTest : public ::testing::Test {
 protected:
  AgentPurchasesTest() {
    EXPECT_EQ(signUp(client_, "ada@example.com").status, 200u);
    const HttpTestClient browser(server_.baseURL(), HttpTestClient::Cookies::ignore,
                                 HttpTestClient::Caller::page);
    EXPECT_EQ(completeOnboarding(browser, onboardingPath(client_, server_.baseURL())).status, 200u);
  }

  // Funds the balance and lets the top-up settle.
  void fund(std::int64_t cents) {
    ASSERT_EQ(addTopup(client_, cents, "0f8fad5b-d9cb-469f-a165-70867728950e").status, 200u);
    advanceClock(client_, 20);
  }

  void usePolicy(const Json& changes) {
    Json policy = initialPolicy();
    policy.update(changes);
    ASSERT_EQ(putPolicy(client_, policy).status, 200u);
  }

  // The "Purchase decision" paragraph of the agent's answer to the prompt.
  std::string decision(const std::string& prompt) {
    const HttpReply reply = sendPrompt(client_, prompt);
    EXPECT_EQ(reply.status, 200u) << reply.body;
    const std::string answer = reply.json()["state"]["messages"].back()["content"];
    const std::string heading = "**Purchase decision**\n\n";
    const std::size_t start = answer.find(heading);
    if (start == std::string::npos) return "";
    const std::size_t from = start + heading.size();
    return answer.substr(from, answer.find("\n\n", from) - from);
  }

  OndiServerProcess server_{{.extraArguments = {"--test-routes"}}};
  HttpTestClient client_{server_.baseURL(), HttpTestClient::Cookies::keep};
};

TEST_F(AgentPurchasesTest, TheLongestPromptOfFourByteCharactersIsAnswered) {
  std::string emoji;
  for (int i = 0; i < 7986; ++i) emoji += "\xF0\x9F\x98\x80";
  EXPECT_EQ(decision("buy travel: " + emoji), "");
  EXPECT_EQ(sendPrompt(client_, "ping").status, 200u);
}

TEST_F(AgentPurchasesTest, APurchaseOverThePerPurchaseLimitIsRefusedWithTheReason) {
  fund(50000);
  usePolicy({{"isPaused", false}, {"allowsAutomaticPurchases", true}});
  EXPECT_EQ(decision("buy software for $120"),
            "**Declined:** $120 of software for the agent \"main\". $120 is over the "
            "per-purchase limit of $100.");
  EXPECT_EQ(paymentState(client_)["availableBalanceCents"], 50000);
}

TEST_F(AgentPurchasesTest, DecisionsFollowThePolicyInOrderAndOnlyApprovalsSpend) {
  // Paused comes first, whatever else is wrong.
  EXPECT_EQ(decision("buy travel for $999"),
            "**Declined:** $999 of travel for the agent \"main\". The wallet is paused.");
  usePolicy({{"isPaused", false},
             {"allowsAutomaticPurchases", true},
             {"monthlyLimitCents", 10000},
             {"perPurchaseLimitCents", 8000},
             {"approvalThresholdCents", 8000}});
  EXPECT_EQ(decision("buy software for $40"),
            "**Declined:** $40 of software for the agent \"main\". The available balance of $0 "
            "does not cover $40.");
  fund(10000);
  EXPECT_EQ(decision("Buy travel: train ticket for $120"),
            "**Declined:** $120 of travel (train ticket) for the agent \"main\". Travel purchases "
            "are not allowed by the policy.");
  EXPECT_EQ(decision("buy software for $80.01"),
            "**Declined:** $80.01 of software for the agent \"main\". $80.01 is over the "
            "per-purchase limit of $80.");
  const std::string card = paymentState(client_)["cardLast4"];
  EXPECT_EQ(decision("please purchase supplies: printer paper for 40 dollars"),
            "**Approved:** $40 of supplies (printer paper) for the agent \"main\". Within the "
            "policy; charged to the virtual card ending " +
                card + ".");
  EXPECT_EQ(decision("buy software for $70"),
            "**Declined:** $70 of software for the agent \"main\". $70 would take this month's "
            "spending to $110, over the monthly limit of $100.");

  usePolicy({{"isPaused", false},
             {"allowsAutomaticPurchases", true},
             {"monthlyLimitCents", 10000},
             {"perPurchaseLimitCents", 8000},
             {"approvalThresholdCents", 3000}});
  EXPECT_EQ(decision("buy software for $35"),
            "**Needs your approval:** $35 of software for the agent \"main\". $35 is above the "
            "approval threshold of $30.");
  usePolicy({{"isPaused", false}});
  EXPECT_EQ(decision("buy software for $5"),
            "**Needs your approval:** $5 of software for the agent \"main\". Automatic purchases "
            "are off, so every purchase waits for your approval.");

  // Only the policy's agent spends; the workspace names the agent that asks.
  const std::string fromAds =
      "[[VELMORA_WORKSPACE_CONTEXT]]\nCurrently selected agent: Ads Agent.\n"
      "[[END_VELMORA_WORKSPACE_CONTEXT]]\nUser request:\nbuy advertising for $5";
  EXPECT_EQ(decision(fromAds),
            "**Declined:** $5 of advertising for the agent \"ads\". Only the agent \"main\" may "
            "spend from this wallet, and this request came from \"ads\".");
  EXPECT_NE(decision("buy coffee for $5")
                .find("The categories are advertising, software, "
                      "supplies, travel and services"),
            std::string::npos);
  EXPECT_EQ(paymentState(client_)["availableBalanceCents"], 6000);
}

TEST(PurchaseRequestTest, ReadsTheCategoryTheItemAndTheAmountOfABuyRequest) {
  const auto plain = readPurchaseRequest("  Buy SOFTWARE for $1,250.5!");
  ASSERT_TRUE(plain);
  EXPECT_EQ(plain->category, PaymentCategory::software);
  EXPECT_EQ(plain->item, "");
  EXPECT_EQ(plain->amountCents, 125050);

  const auto described = readPurchaseRequest("purchase travel:  train to Lyon for 120 USD");
  ASSERT_TRUE(described);
  EXPECT_EQ(described->category, PaymentCategory::travel);
  EXPECT_EQ(described->item, "train to Lyon");
  EXPECT_EQ(described->amountCents, 12000);

  const auto unknown = readPurchaseRequest("buy Coffee for $4.05");
  ASSERT_TRUE(unknown);
  EXPECT_EQ(unknown->categoryWord, "coffee");
  EXPECT_FALSE(unknown->category);
  EXPECT_EQ(unknown->amountCents, 405);

  const auto empty = readPurchaseRequest("please BUY travel: for 12 dollars.");
  ASSERT_TRUE(empty);
  EXPECT_EQ(empty->item, "");
  EXPECT_EQ(empty->amountCents, 1200);
  const auto twice = readPurchaseRequest("buy travel: a ticket for two for $ 1,250,000.05");
  ASSERT_TRUE(twice);
  EXPECT_EQ(twice->item, "a ticket for two");
  EXPECT_EQ(twice->amountCents, 125000005);

  for (const char* text :
       {"buy software", "buy software for free", "buy software for $0",
        "should I buy software for $40?", "buy software for $1,2345", "buy software for $40.123",
        "buy software for $12345678901", "buy software for$40", "buy softwarefor $40",
        "buyer x for $4", "buy soft-ware for $4", "buy x for $1,250,000,000", "buy x for 5.."}) {
    EXPECT_FALSE(readPurchaseRequest(text)) << text;
  }
}

// The longest chat message of four-byte characters is read in time proportional to it and
// without running out of stack, as a request and as ordinary text.
TEST(PurchaseRequestTest, TheLongestMessageOfFourByteCharactersIsReadSafely) {
  std::string emoji;
  for (int i = 0; i < 7980; ++i) emoji += "\xF0\x9F\x98\x80";
  const auto request = readPurchaseRequest("buy travel: " + emoji + " for $5");
  ASSERT_TRUE(request);
  EXPECT_EQ(request->item, emoji);
  EXPECT_EQ(request->amountCents, 500);
  EXPECT_FALSE(readPurchaseRequest("buy travel: " + emoji));
  EXPECT_FALSE(readPurchaseRequest(emoji + emoji));
}

}  // namespace
