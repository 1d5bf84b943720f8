#pragma once

#include <gtkmm/box.h>
#include <gtkmm/button.h>
#include <gtkmm/label.h>
#include <gtkmm/revealer.h>

#include "core/util/ScopedConnections.h"

namespace ondi {
class PackBrowserSelection;
}

namespace ondi::ui {

// The selected pack's approval gate: its title and rule, and "Review policy", which unfolds
// the three rules every pack keeps. Whether they show is the selection's to say, so choosing
// another pack folds them again.
class PackPolicyPanel : public Gtk::Box {
 public:
  explicit PackPolicyPanel(PackBrowserSelection& selection);

  void show(const std::string& title, const std::string& detail);

 private:
  void showExpanded();

  PackBrowserSelection& selection_;
  Gtk::Label title_;
  Gtk::Label detail_;
  Gtk::Button toggle_;
  Gtk::Revealer rules_;
  ScopedConnections connections_;
};

}  // namespace ondi::ui
