#pragma once

#include <gtkmm/box.h>
#include <gtkmm/label.h>

#include <functional>
#include <memory>
#include <string>

#include "core/util/ScopedConnections.h"
#include "ui/account/MessageRow.h"
#include "ui/phone/AgentPhoneEmptyState.h"
#include "ui/phone/AgentPhoneLineCard.h"
#include "ui/settings/AccountBoundContent.h"

namespace ondi {
class AgentPhoneController;
}

namespace ondi::ui {

class AgentPhoneConfirmation;
class AgentPhoneOutboundSheet;
class AgentPhoneSetupSheet;

// The settings section of the agent phone: the connected number and its calls, or the way to
// connect one, with the sheets that connect, re-route and call and the question before a
// disconnect. It loads the phone when it appears before anything has been loaded.
class AgentPhoneSettingsSection : public Gtk::Box {
 public:
  // `openURL` shows an address in the user's own browser.
  AgentPhoneSettingsSection(AgentPhoneController& phone,
                            std::function<void(const std::string&)> openURL);
  ~AgentPhoneSettingsSection() override;

 private:
  void showState();
  void showActions();
  Gtk::Window* window();
  void presentSetup(bool editing);
  void presentOutbound();
  void confirmDisconnect();

  AgentPhoneController& phone_;
  AccountBoundContent bound_;
  Gtk::Box loading_{Gtk::Orientation::HORIZONTAL, 8};
  MessageRow error_;
  AgentPhoneEmptyState empty_;
  AgentPhoneLineCard card_;
  std::unique_ptr<AgentPhoneSetupSheet> setup_;
  std::unique_ptr<AgentPhoneOutboundSheet> outbound_;
  std::unique_ptr<AgentPhoneConfirmation> disconnect_;
  ScopedConnections connections_;
};

}  // namespace ondi::ui
