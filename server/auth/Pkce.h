#pragma once

#include <string_view>

namespace ondi::server {

// Proof Key for Code Exchange (RFC 7636) with the "S256" method.

// A challenge is the URL-safe Base64 of a SHA-256 without padding: exactly 43 characters of
// letters, digits, "-" and "_".
bool isCodeChallenge(std::string_view challenge);

// A verifier is 43 to 128 characters of letters, digits, "-", ".", "_" and "~".
bool isCodeVerifier(std::string_view verifier);

// Whether a well-formed verifier is the one the challenge was made from.
bool verifierMatches(std::string_view verifier, std::string_view challenge);

}  // namespace ondi::server
