#pragma once

#include <gtkmm/box.h>
#include <gtkmm/label.h>

#include <string>

#include "core/util/ScopedConnections.h"

namespace ondi {
struct AccountState;
}

namespace ondi::ui {

// The part of a settings section that belongs to the signed-in account: its controls while an
// account is confirmed, and only the section's sign-in line otherwise.
class AccountBoundContent : public Gtk::Box {
 public:
  AccountBoundContent(const AccountState& account, const std::string& name,
                      const std::string& signInLine);

  // Where the section puts its controls.
  Gtk::Box& content() { return content_; }

 private:
  void showState();

  const AccountState& account_;
  Gtk::Label signInLine_;
  Gtk::Box content_{Gtk::Orientation::VERTICAL, 12};
  ScopedConnections connections_;
};

}  // namespace ondi::ui
