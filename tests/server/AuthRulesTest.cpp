// The small rules the account routes rely on, in process: PKCE, e-mail shapes, cookie headers.
#include <gtest/gtest.h>

#include "accounts/EmailAddress.h"
#include "auth/Pkce.h"
#include "auth/SessionCookie.h"
#include "crypto/Sodium.h"

namespace ondi::server {
namespace {

class AuthRulesTest : public ::testing::Test {
 protected:
  static void SetUpTestSuite() { initializeSodium(); }
};

TEST_F(AuthRulesTest, PkceFollowsRfc7636) {
  // Appendix B of the RFC.
  EXPECT_TRUE(verifierMatches("dBjftJeZ4CVP-mB92K27uhbUJU1p1r_wW1gFWFOEjXk",
                              "E9Melhoa2OwvFrEMTJguCHaoeK1t8URWbuGJSstw-cM"));
  EXPECT_FALSE(verifierMatches("dBjftJeZ4CVP-mB92K27uhbUJU1p1r_wW1gFWFOEjXl",
                               "E9Melhoa2OwvFrEMTJguCHaoeK1t8URWbuGJSstw-cM"));
  // Comparing the verifier itself with the challenge (the "plain" method) must not pass.
  EXPECT_FALSE(verifierMatches("E9Melhoa2OwvFrEMTJguCHaoeK1t8URWbuGJSstw-cM",
                               "E9Melhoa2OwvFrEMTJguCHaoeK1t8URWbuGJSstw-cM"));

  EXPECT_TRUE(isCodeVerifier(std::string(43, 'a')));
  EXPECT_TRUE(isCodeVerifier(std::string(128, '~')));
  EXPECT_TRUE(isCodeVerifier("abc.DEF_123-~" + std::string(30, 'x')));
  for (const std::string& bad : {std::string(42, 'a'), std::string(129, 'a'),
                                 std::string(42, 'a') + "+", std::string(42, 'a') + "="}) {
    EXPECT_FALSE(isCodeVerifier(bad)) << bad;
  }
  EXPECT_TRUE(isCodeChallenge("E9Melhoa2OwvFrEMTJguCHaoeK1t8URWbuGJSstw-cM"));
  EXPECT_FALSE(isCodeChallenge("E9Melhoa2OwvFrEMTJguCHaoeK1t8URWbuGJSstw-cM="));
  EXPECT_FALSE(isCodeChallenge("E9Melhoa2OwvFrEMTJguCHaoeK1t8URWbuGJSstw.cM"));
}

TEST_F(AuthRulesTest, EmailAddressesAreNormalisedAndShapeChecked) {
  EXPECT_EQ(normalizedEmail("  Ada.L@Example.COM\n"), "ada.l@example.com");
  for (const char* good : {"a@b.co", "first.last+tag@mail.example.org"}) {
    EXPECT_TRUE(isEmailAddress(good)) << good;
  }
  for (const char* bad : {"", "@b.co", "a@", "a@b", "a@.b.co", "a@b.co.", "a@b..co", "a@b@c.co",
                          "a b@c.co", "a@b.co\n", "\"a\"@b.co", "a<b>@c.co"}) {
    EXPECT_FALSE(isEmailAddress(bad)) << bad;
  }
  EXPECT_FALSE(isEmailAddress(std::string(65, 'a') + "@b.co"));
  EXPECT_FALSE(isEmailAddress("a@" + std::string(250, 'b') + ".co"));
}

TEST_F(AuthRulesTest, TheSessionCookieIsFoundAmongOthers) {
  auto tokenIn = [](std::string header) {
    Request request;
    request.headers.emplace("cookie", std::move(header));
    return sessionToken(request);
  };
  EXPECT_EQ(tokenIn("velmora_session=abc"), "abc");
  EXPECT_EQ(tokenIn("theme=dark; velmora_session=abc; other=1"), "abc");
  // Two Cookie headers arrive joined with ", ".
  EXPECT_EQ(tokenIn("theme=dark, velmora_session=abc"), "abc");
  EXPECT_EQ(tokenIn("xvelmora_session=abc; velmora_sessionx=def"), std::nullopt);
  EXPECT_EQ(tokenIn(""), std::nullopt);
  EXPECT_EQ(sessionToken(Request{}), std::nullopt);

  Request overTls;
  overTls.overTls = true;
  EXPECT_EQ(sessionCookie("tok", overTls),
            "velmora_session=tok; Max-Age=2592000; Path=/; HttpOnly; SameSite=Lax; Secure");
  EXPECT_EQ(expiredSessionCookie(Request{}),
            "velmora_session=; Max-Age=0; Expires=Thu, 01 Jan 1970 00:00:00 GMT; Path=/; HttpOnly; "
            "SameSite=Lax");
}

}  // namespace
}  // namespace ondi::server
