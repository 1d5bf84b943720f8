#pragma once

#include <functional>
#include <string>

#include <gtkmm/box.h>
#include <gtkmm/button.h>

#include "core/account/WorkspaceSessionState.h"
#include "core/published/Published.h"
#include "core/util/ScopedConnections.h"

namespace ondi {
class AgentPaymentStore;
}

namespace ondi::ui {

// Starting or continuing the card issuer's onboarding, which happens in the user's browser.
class PaymentSetupCard : public Gtk::Box {
 public:
  PaymentSetupCard(AgentPaymentStore& store, const Published<WorkspaceSessionState>& session,
                   std::function<void(const std::string&)> openSecureURL);

 private:
  void showAction();

  AgentPaymentStore& store_;
  const Published<WorkspaceSessionState>& session_;
  Gtk::Button setUp_;
  ScopedConnections connections_;
};

}  // namespace ondi::ui
