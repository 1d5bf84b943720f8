// The Google stand-in as the desktop's web-authentication window drives it: the consent page,
// the redirect to the app's callback address, and the PKCE code exchange.
#include <gtest/gtest.h>

#include <string>

#include "AccountSteps.h"
#include "HttpTestClient.h"
#include "OndiServerProcess.h"

namespace {

constexpr char kNotCompleted[] = "Google sign-in could not be completed. Please try again.";
constexpr char kGoodQuery[] =
    "intent=sign-up&source=macos_app&returnTo=/agent.html&native=macos"
    "&code_challenge=E9Melhoa2OwvFrEMTJguCHaoeK1t8URWbuGJSstw-cM&code_challenge_method=S256";

class GoogleSignInTest : public ::testing::Test {
 protected:
  void expectRefused(const HttpReply& reply) {
    EXPECT_EQ(reply.status, 400u);
    EXPECT_EQ(reply.json(), nlohmann::json({{"ok", false}, {"error", kNotCompleted}}));
    EXPECT_TRUE(reply.headerValues("Set-Cookie").empty());
  }

  OndiServerProcess server_{{.extraArguments = {"--test-routes"}}};
  // The web-authentication window, and the app's own requests with their cookie jar.
  HttpTestClient browser_{server_.baseURL()};
  HttpTestClient app_{server_.baseURL(), HttpTestClient::Cookies::keep};
};

TEST_F(GoogleSignInTest, StartShowsTheStandInConsentPage) {
  const HttpReply page = browser_.send("GET", std::string("/api/auth/google/start?") + kGoodQuery);
  ASSERT_EQ(page.status, 200u);
  EXPECT_EQ(page.headerValues("Content-Type"),
            std::vector<std::string>{"text/html; charset=utf-8"});
  EXPECT_EQ(page.headerValues("X-Frame-Options"), std::vector<std::string>{"DENY"});
  for (const char* text : {"local stand-in of Google's consent page", "Test Person",
                           "test.person@gmail.example", "id=\"continue\"", "id=\"cancel\"",
                           "action=\"/api/auth/google/consent\"", "name=\"request\""}) {
    EXPECT_NE(page.body.find(text), std::string::npos) << text;
  }
}

TEST_F(GoogleSignInTest, StartRefusesEveryMalformedItem) {
  const std::string challenge = "code_challenge=E9Melhoa2OwvFrEMTJguCHaoeK1t8URWbuGJSstw-cM";
  const std::string rest = "&source=macos_app&returnTo=/agent.html&native=macos";
  const std::string queries[] = {
      "",
      "intent=login" + rest + "&" + challenge + "&code_challenge_method=S256",
      "intent=sign-in&returnTo=/agent.html&" + challenge + "&code_challenge_method=S256",
      "intent=sign-in&source=macos_app&returnTo=https://evil.example/&" + challenge +
          "&code_challenge_method=S256",
      "intent=sign-in&source=macos_app&returnTo=//evil.example/&" + challenge +
          "&code_challenge_method=S256",
      "intent=sign-in&source=macos_app&returnTo=/agent.html&native=windows&" + challenge +
          "&code_challenge_method=S256",
      "intent=sign-in" + rest + "&" + challenge + "&code_challenge_method=plain",
      "intent=sign-in" + rest + "&" + challenge,
      "intent=sign-in" + rest + "&code_challenge_method=S256",
      // 42 and 44 characters, and a character outside the alphabet.
      "intent=sign-in" + rest + "&code_challenge=E9Melhoa2OwvFrEMTJguCHaoeK1t8URWbuGJSstw-c" +
          "&code_challenge_method=S256",
      "intent=sign-in" + rest + "&code_challenge=E9Melhoa2OwvFrEMTJguCHaoeK1t8URWbuGJSstw-cMM" +
          "&code_challenge_method=S256",
      "intent=sign-in" + rest + "&code_challenge=E9Melhoa2OwvFrEMTJguCHaoeK1t8URWbuGJSstw+cM" +
          "&code_challenge_method=S256",
  };
  for (const std::string& query : queries) {
    SCOPED_TRACE(query);
    const HttpReply reply = browser_.send("GET", "/api/auth/google/start?" + query);
    EXPECT_EQ(reply.status, 400u);
    EXPECT_EQ(reply.headerValues("Content-Type"),
              std::vector<std::string>{"text/html; charset=utf-8"});
    EXPECT_EQ(reply.body.find("name=\"request\""), std::string::npos);
  }
}

TEST_F(GoogleSignInTest, ACodeWithTheRightVerifierSignsInOnce) {
  const HttpReply consent = submitConsent(browser_, startGoogle(browser_, "sign-up"), "continue");
  const std::string code = callbackItem(consent, "code").value_or("");
  ASSERT_EQ(code.size(), 43u) << consent.body;
  EXPECT_TRUE(consent.headerValues("Set-Cookie").empty());

  const HttpReply signedIn = exchangeCode(app_, code, kRfcVerifier);
  ASSERT_EQ(signedIn.status, 200u) << signedIn.body;
  const auto body = signedIn.json();
  EXPECT_EQ(body.at("ok"), true);
  EXPECT_EQ(body.at("authenticated"), true);
  EXPECT_EQ(body.at("user").at("authProvider"), "google");
  EXPECT_EQ(body.at("user").at("email"), "test.person@gmail.example");
  EXPECT_EQ(body.at("user").at("name"), "Test Person");
  EXPECT_EQ(body.at("authProviders").at("googleConfigured"), true);
  EXPECT_EQ(sessionOf(app_).at("user").at("id"), body.at("user").at("id"));

  expectRefused(exchangeCode(browser_, code, kRfcVerifier));

  // Signing up again with the same identity reaches the same account; so does signing in.
  for (const char* intent : {"sign-up", "sign-in"}) {
    const HttpReply again = exchangeCode(browser_, googleCode(browser_, intent));
    EXPECT_EQ(again.json().at("user").at("id"), body.at("user").at("id")) << intent;
  }
}

TEST_F(GoogleSignInTest, AWrongVerifierUsesTheCodeUp) {
  const std::string code = googleCode(browser_, "sign-up");
  ASSERT_FALSE(code.empty());
  // Well-formed, but not the verifier of this challenge.
  expectRefused(exchangeCode(app_, code, std::string(43, 'A')));
  expectRefused(exchangeCode(app_, code, kRfcVerifier));

  const std::string next = googleCode(browser_, "sign-in");
  for (const std::string& malformed :
       {std::string(42, 'A'), std::string(129, 'A'), std::string(kRfcVerifier) + "!"}) {
    expectRefused(exchangeCode(app_, next, malformed));
  }
  expectRefused(exchangeCode(app_, next, kRfcVerifier));
  expectRefused(exchangeCode(app_, "not-a-code", kRfcVerifier));
  expectRefused(app_.send("POST", "/api/auth/native/exchange", R"({"code": 5, "verifier": []})"));
  EXPECT_EQ(sessionOf(app_).at("authenticated"), false);
}

TEST_F(GoogleSignInTest, CodesExpireAfterFiveMinutes) {
  const std::string code = googleCode(browser_, "sign-up");
  advanceClock(browser_, 5 * 60 + 1);
  expectRefused(exchangeCode(app_, code));

  const std::string fresh = googleCode(browser_, "sign-in");
  advanceClock(browser_, 5 * 60 - 30);
  EXPECT_EQ(exchangeCode(app_, fresh).status, 200u);
}

TEST_F(GoogleSignInTest, CancelAndUnknownIdentitiesReturnErrorsToTheApp) {
  EXPECT_EQ(
      callbackItem(submitConsent(browser_, startGoogle(browser_, "sign-up"), "cancel"), "error"),
      "google_cancelled");
  // Nobody has signed up with this identity yet.
  const HttpReply unknown = submitConsent(browser_, startGoogle(browser_, "sign-in"), "continue");
  EXPECT_EQ(callbackItem(unknown, "error"), "account_not_found");
  EXPECT_EQ(callbackItem(unknown, "code"), std::nullopt);
}

TEST_F(GoogleSignInTest, AConsentFormCountsOnce) {
  const std::string request = startGoogle(browser_, "sign-up");
  ASSERT_TRUE(callbackItem(submitConsent(browser_, request, "continue"), "code"));
  EXPECT_EQ(callbackItem(submitConsent(browser_, request, "continue"), "error"), "request_expired");
  EXPECT_EQ(callbackItem(submitConsent(browser_, "made-up", "continue"), "error"),
            "request_expired");

  const std::string stale = startGoogle(browser_, "sign-in");
  advanceClock(browser_, 10 * 60 + 1);
  EXPECT_EQ(callbackItem(submitConsent(browser_, stale, "continue"), "error"), "request_expired");
  // The consent address takes only its form.
  EXPECT_EQ(browser_.send("POST", "/api/auth/google/consent", R"({"decision": "continue"})").status,
            400u);
}

TEST_F(GoogleSignInTest, AnAddressWithAPasswordAccountIsNotTakenOver) {
  // Someone signed up with the Google identity's address and a password of their own.
  ASSERT_EQ(signUp(browser_, "test.person@gmail.example").status, 200u);
  const HttpReply consent = submitConsent(browser_, startGoogle(browser_, "sign-up"), "continue");
  EXPECT_EQ(callbackItem(consent, "error"), "email_in_use");
}

}  // namespace
