#pragma once

#include <functional>
#include <string>

#include <gtkmm/box.h>
#include <gtkmm/button.h>
#include <gtkmm/label.h>

#include "core/util/ScopedConnections.h"
#include "ui/messaging/MessagingConversationCard.h"
#include "ui/messaging/MessagingScanCard.h"
#include "ui/messaging/MessagingStatusCard.h"

namespace ondi {
class IMessageBridgeModel;
}

namespace ondi::ui {

// The messaging workspace: the account's private route to its agent through Messages, the
// relay's state, and the ways to share or regenerate the route. It refreshes on appearing.
class MessagingWorkspaceView : public Gtk::Box {
 public:
  struct Actions {
    std::function<void()> compose;
    std::function<void()> signIn;
    std::function<void(const std::string&)> openURL;
  };

  MessagingWorkspaceView(IMessageBridgeModel& bridge, Actions actions);

 private:
  void showState();

  IMessageBridgeModel& bridge_;
  Actions actions_;
  Gtk::Box problem_{Gtk::Orientation::HORIZONTAL, 10};
  Gtk::Label problemText_;
  Gtk::Button problemAction_;
  MessagingStatusCard relay_{"messaging.relay"};
  MessagingStatusCard route_{"messaging.route"};
  MessagingStatusCard agent_{"messaging.agent"};
  MessagingScanCard scan_;
  MessagingConversationCard conversation_;
  Gtk::Label recovery_;
  ScopedConnections connections_;
};

}  // namespace ondi::ui
