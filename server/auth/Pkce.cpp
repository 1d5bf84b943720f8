#include "auth/Pkce.h"

#include <algorithm>

#include "crypto/Digest.h"

namespace ondi::server {
namespace {

constexpr std::size_t kChallengeLength = 43;
constexpr std::size_t kMinVerifierLength = 43;
constexpr std::size_t kMaxVerifierLength = 128;

bool isAlphanumeric(char c) {
  return (c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z') || (c >= '0' && c <= '9');
}

}  // namespace

bool isCodeChallenge(std::string_view challenge) {
  return challenge.size() == kChallengeLength && std::ranges::all_of(challenge, [](char c) {
           return isAlphanumeric(c) || c == '-' || c == '_';
         });
}

bool isCodeVerifier(std::string_view verifier) {
  return verifier.size() >= kMinVerifierLength && verifier.size() <= kMaxVerifierLength &&
         std::ranges::all_of(verifier, [](char c) {
           return isAlphanumeric(c) || c == '-' || c == '.' || c == '_' || c == '~';
         });
}

bool verifierMatches(std::string_view verifier, std::string_view challenge) {
  return isCodeVerifier(verifier) && constantTimeEquals(sha256Base64Url(verifier), challenge);
}

}  // namespace ondi::server
