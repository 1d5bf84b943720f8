#pragma once

#include <optional>
#include <string>
#include <vector>

#include "core/account/AuthRecords.h"

namespace ondi {

class SecureRandom;

// Base64 with the URL alphabet and no padding.
std::string base64URL(const std::vector<unsigned char>& bytes);
// `byteCount` secure random bytes in the URL alphabet; none when the source fails.
std::optional<std::string> randomBase64URL(SecureRandom& random, std::size_t byteCount);
// The S256 challenge of a verifier.
std::string codeChallenge(const std::string& verifier);

// "/api/auth/google/start" on `base` with the native flow's query, only for a challenge of
// exactly 43 URL-alphabet characters.
std::optional<std::string> googleAuthorizationURL(const std::string& base, DesktopAuthIntent intent,
                                                  const std::string& challenge);
// The website's account page, "/auth.html" with the mode and the agent page to return to.
std::optional<std::string> workspaceAuthURL(const std::string& mode, const std::string& base);

inline constexpr const char* kAuthCallbackScheme = "com.velmora.desktop.auth";

}  // namespace ondi
