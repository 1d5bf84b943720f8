#pragma once

#include <functional>
#include <string>
#include <vector>

#include <gtkmm/box.h>
#include <gtkmm/image.h>
#include <gtkmm/label.h>

#include "core/account/WorkspaceSessionState.h"
#include "core/published/Published.h"
#include "core/util/ScopedConnections.h"
#include "core/workspace/OperationsRecords.h"

namespace ondi {
class AgentPaymentStore;
}

namespace ondi::ui {

// The agent payment screen: onboarding with the card issuer, the funds and adding credit, and
// the server-enforced spending policy of one agent. Every action is a call into the store; the
// screen asks the store for the account's state when it appears while signed in and whenever
// the user signs in while it is shown.
class AgentPaymentView : public Gtk::Box {
 public:
  struct Inputs {
    AgentPaymentStore& store;
    const Published<std::vector<AgentProfile>>& agents;
    const Published<WorkspaceSessionState>& session;
    std::function<void(const std::string&)> openSecureURL;
  };

  explicit AgentPaymentView(Inputs inputs);

 private:
  void showMessage();
  void refreshIfSignedIn();

  AgentPaymentStore& store_;
  const Published<WorkspaceSessionState>& session_;
  Gtk::Box banner_{Gtk::Orientation::HORIZONTAL, 10};
  Gtk::Image bannerIcon_;
  Gtk::Label bannerText_;
  ScopedConnections connections_;
};

}  // namespace ondi::ui
