#pragma once

#include <gtkmm/revealer.h>

#include "core/util/ScopedConnections.h"
#include "ui/account/MessageRow.h"

namespace ondi {
class DesktopBrowserModel;
}

namespace ondi::ui {

// A strip at the top of the content that reveals the last account action's failure (a sign-out,
// a settings or instructions sync) while the model reports one.
class AccountActionBanner : public Gtk::Revealer {
 public:
  explicit AccountActionBanner(DesktopBrowserModel& model);

 private:
  void showError();

  DesktopBrowserModel& model_;
  MessageRow message_;
  ScopedConnections connections_;
};

}  // namespace ondi::ui
