#pragma once

#include <gtkmm/button.h>
#include <gtkmm/dropdown.h>
#include <gtkmm/entry.h>
#include <gtkmm/label.h>
#include <gtkmm/textview.h>
#include <gtkmm/window.h>

#include "core/util/ScopedConnections.h"

namespace ondi {
class MessageComposer;
class ShellController;
}  // namespace ondi

namespace ondi::ui {

// The compose sheet over the main window, shown while the shell presents it: a recipient and a
// message handed to iMessage, SMS or WhatsApp through the apps this computer has.
class MessagingSheet : public Gtk::Window {
 public:
  MessagingSheet(ShellController& shell, MessageComposer& composer, Gtk::Window& parent);

 private:
  void showChannel();

  ShellController& shell_;
  MessageComposer& composer_;
  Gtk::DropDown channel_;
  Gtk::Entry recipient_;
  Gtk::TextView message_;
  Gtk::Label status_;
  Gtk::Button cancel_{"Cancel"};
  Gtk::Button open_;
  ScopedConnections connections_;
};

}  // namespace ondi::ui
