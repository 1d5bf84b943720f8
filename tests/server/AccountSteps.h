#pragma once

#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include <nlohmann/json.hpp>

#include "HttpTestClient.h"

// The requests the desktop sends to sign in, as the account tests repeat them.

inline constexpr char kPassword[] = "correct horse battery staple";

// RFC 7636 appendix B: this verifier's S256 challenge.
inline constexpr char kRfcVerifier[] = "dBjftJeZ4CVP-mB92K27uhbUJU1p1r_wW1gFWFOEjXk";
inline constexpr char kRfcChallenge[] = "E9Melhoa2OwvFrEMTJguCHaoeK1t8URWbuGJSstw-cM";

HttpReply signUp(const HttpTestClient& client, std::string_view email,
                 std::string_view password = kPassword, std::string_view name = "Ada Lovelace");
HttpReply signIn(const HttpTestClient& client, std::string_view email,
                 std::string_view password = kPassword);
nlohmann::json sessionOf(const HttpTestClient& client);

// The single Set-Cookie value of the reply split at ";" and trimmed: the "name=value" pair first,
// then the attributes. Empty when the reply sets no cookie.
std::vector<std::string> setCookieParts(const HttpReply& reply);
// The session token the reply sets, if it sets one.
std::optional<std::string> sessionTokenSetBy(const HttpReply& reply);
HttpTestClient::Headers sessionHeader(std::string_view token);

// Opens the Google stand-in's consent page and returns the request id its form carries.
std::string startGoogle(const HttpTestClient& client, std::string_view intent,
                        std::string_view challenge = kRfcChallenge);
// Submits the consent form with "continue" or "cancel".
HttpReply submitConsent(const HttpTestClient& client, std::string_view requestId,
                        std::string_view decision);
// One query item of the app callback address a redirect leads to; nothing when the reply does not
// redirect to the callback or lacks the item.
std::optional<std::string> callbackItem(const HttpReply& reply, std::string_view name);
// Start, continue and return the code of the callback (empty when there is none).
std::string googleCode(const HttpTestClient& client, std::string_view intent);
HttpReply exchangeCode(const HttpTestClient& client, std::string_view code,
                       std::string_view verifier = kRfcVerifier);

// Moves the server's clock forward; the server must run with --test-routes.
void advanceClock(const HttpTestClient& client, long long seconds);
