#pragma once

#include <string>

#include <nlohmann/json.hpp>

namespace ondi::server {

// How people may sign in to this server, from its command line.
struct AuthSettings {
  bool googleEnabled = true;
  bool emailPasswordEnabled = true;
  // New e-mail accounts must open a link (written to the server log) before they can log in.
  bool emailVerificationRequired = false;
  unsigned passwordMinimumLength = 15;
  // The e-mail address of the Google identity the stand-in consent page offers.
  std::string googleIdentityEmail = "test.person@gmail.example";
};

// The "authProviders" object that the session answer and every sign-in answer carry.
nlohmann::json authProvidersJson(const AuthSettings& settings);

}  // namespace ondi::server
