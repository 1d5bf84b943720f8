#pragma once

#include <functional>
#include <optional>
#include <string>

#include <gtkmm/box.h>
#include <gtkmm/button.h>
#include <gtkmm/label.h>

#include "core/util/ScopedConnections.h"
#include "ui/messaging/QRCodeImage.h"

namespace ondi {
class IMessageBridgeModel;
}

namespace ondi::ui {

// The route to scan or copy: its QR code, the secure link, the Messages address and the agent
// code with copy buttons, regenerating the code, and handing the code to Messages.
class MessagingScanCard : public Gtk::Box {
 public:
  MessagingScanCard(IMessageBridgeModel& bridge, std::function<void(const std::string&)> openURL,
                    std::function<void(const std::string&)> report);

  void showRoute();

 private:
  enum class Copied { recipient, code };

  Gtk::Box& copyRow(const std::string& name, const std::string& title, Gtk::Label& value,
                    Gtk::Button& copy, Copied which);
  void copy(Copied which);

  IMessageBridgeModel& bridge_;
  std::function<void(const std::string&)> openURL_;
  std::function<void(const std::string&)> report_;
  QRCodeImage code_;
  Gtk::Label placeholder_;
  Gtk::Label kind_;
  Gtk::Button link_;
  Gtk::Label address_;
  Gtk::Button copyAddress_;
  Gtk::Label routeCode_;
  Gtk::Button copyCode_;
  Gtk::Button regenerate_{"Regenerate code"};
  Gtk::Button openMessages_{"Copy code & open Messages"};
  std::optional<Copied> copied_;
  sigc::connection copiedTimer_;
  ScopedConnections connections_;
};

}  // namespace ondi::ui
