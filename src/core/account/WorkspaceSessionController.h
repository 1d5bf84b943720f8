#pragma once

#include <string>

#include <sigc++/signal.h>

#include "core/account/AccountState.h"
#include "core/account/DesktopAPI.h"
#include "core/util/Lifetime.h"

namespace ondi {

class DesktopPreferencesController;
class WorkspaceAPIClient;

// Keeps the model's view of the account in step with the service's "/api/auth/session".
class WorkspaceSessionController {
 public:
  WorkspaceSessionController(AccountState& state, WorkspaceAPIClient& api,
                             DesktopPreferencesController& preferences);

  AccountState& state() { return state_; }

  // Starts a check unless one is running; an authenticated user keeps the workspace meanwhile.
  void refresh();
  // Emitted after every answer to a check, also when it leaves the state as it was.
  sigc::signal<void()> checked;
  // The message shown while the account service is unavailable.
  static std::string shortSessionError(const std::string& description);

 private:
  void handle(const DesktopAPIResult& result, const std::string& previousUserID);
  void apply(const DesktopAPIResult& result, const std::string& previousUserID);

  AccountState& state_;
  WorkspaceAPIClient& api_;
  DesktopPreferencesController& preferences_;
  Lifetime lifetime_;
};

}  // namespace ondi
