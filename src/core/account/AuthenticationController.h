#pragma once

#include <string>

#include "core/account/AccountState.h"
#include "core/account/DesktopAPI.h"
#include "core/util/Lifetime.h"

namespace ondi {

class RouteNavigation;
class DesktopPreferencesController;
class SecureRandom;
class WebAuthenticator;
class WorkspaceAPIClient;
class WorkspaceSessionController;

// Signing in and up with e-mail and password or with Google (PKCE through the system's
// web-authentication session), and signing out.
class AuthenticationController {
 public:
  struct Dependencies {
    AccountState& state;
    WorkspaceAPIClient& api;
    WorkspaceSessionController& session;
    DesktopPreferencesController& preferences;
    SecureRandom& random;
    WebAuthenticator& webAuthenticator;
    RouteNavigation& navigation;
  };

  explicit AuthenticationController(Dependencies dependencies) : d_(dependencies) {}

  AccountState& state() { return d_.state; }

  void presentAuthentication(DesktopAuthIntent intent);
  void dismissAuthentication() { d_.state.isAuthenticationPresented.set(false); }
  void setAuthenticationIntent(DesktopAuthIntent intent);
  void submitPasswordAuthentication(DesktopAuthIntent intent, const std::string& name,
                                    const std::string& email, const std::string& password,
                                    const std::string& passwordConfirmation);
  void continueWithGoogle(DesktopAuthIntent intent);
  void signOutWorkspace(bool openSignInAfter);

  // An error's text for the sheet: trimmed, never empty, at most 238 characters.
  static std::string authenticationMessage(const std::string& description);

 private:
  void handleMutation(const DesktopAPIResult& result, bool passwordFlow);
  void exchangeGoogleCallback(const std::string& callback, const std::string& verifier);
  void completeAuthentication(const DesktopAuthUser& user);
  void fail(const std::string& description);

  Dependencies d_;
  Lifetime lifetime_;
};

}  // namespace ondi
