#pragma once

#include <gtkmm/box.h>
#include <gtkmm/flowbox.h>

#include "core/util/ScopedConnections.h"

namespace ondi {
class BillingController;
class WorkspaceStore;
}  // namespace ondi

namespace ondi::ui {

// The plans on offer, one card each, and how Ondi compares with other kinds of tools.
class PlansSection : public Gtk::Box {
 public:
  PlansSection(BillingController& billing, const WorkspaceStore& workspace);

 private:
  void showPlans();

  BillingController& billing_;
  const WorkspaceStore& workspace_;
  Gtk::FlowBox cards_;
  ScopedConnections connections_;
};

}  // namespace ondi::ui
