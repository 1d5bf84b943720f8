#pragma once

#include <gtkmm/revealer.h>

#include <sigc++/connection.h>

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
  ~AccountActionBanner() override;

 private:
  void showError();

  DesktopBrowserModel& model_;
  MessageRow message_;
  sigc::connection errorChanged_;
};

}  // namespace ondi::ui
