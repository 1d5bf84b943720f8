#include "auth/AuthSettings.h"

namespace ondi::server {

nlohmann::json authProvidersJson(const AuthSettings& settings) {
  return {
      {"googleConfigured", settings.googleEnabled},
      {"emailPasswordEnabled", settings.emailPasswordEnabled},
      {"emailVerificationRequired", settings.emailVerificationRequired},
      // Verification "mail" goes to the server log, which is always there.
      {"verificationEmailConfigured", settings.emailVerificationRequired},
      {"passwordMinimumLength", settings.passwordMinimumLength},
  };
}

}  // namespace ondi::server
