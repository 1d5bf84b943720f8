#pragma once

#include <string>

namespace ondi {

// Whether the onboarding address the service names may be handed to the user's browser: https
// with a host and no user name or password in it, or plain http on this computer only.
bool isSecureOnboardingAddress(const std::string& address);

}  // namespace ondi
