#pragma once

#include <string>

#include "auth/AuthSettings.h"

namespace ondi::server {

// The person the Google stand-in signs in: its name, e-mail address and a stable subject (the
// account id Google would report), derived from the address so that it survives restarts.
struct GoogleIdentity {
  std::string name;
  std::string email;
  std::string subject;
};

GoogleIdentity standInGoogleIdentity(const AuthSettings& settings);

}  // namespace ondi::server
