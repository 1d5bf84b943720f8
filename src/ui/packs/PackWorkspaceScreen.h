#pragma once

#include <gtkmm/box.h>
#include <gtkmm/button.h>
#include <gtkmm/flowbox.h>
#include <gtkmm/label.h>
#include <gtkmm/listbox.h>

#include <string>

#include "core/util/ScopedConnections.h"

namespace ondi {
struct AgentUseCasePack;
class NavigationState;
class PackWorkspaceController;
}  // namespace ondi

namespace ondi::ui {

// A pack opened as a dedicated workspace: the pack's team in a rail beside the agent page,
// a bar with the pack and its approval rule, and the pack's starter workflows. The agent page
// itself is placed into `surfaceSlot()` by the content area while this screen is shown.
class PackWorkspaceScreen : public Gtk::Box {
 public:
  PackWorkspaceScreen(PackWorkspaceController& packs, const NavigationState& navigation);

  Gtk::Box& surfaceSlot() { return surfaceSlot_; }
  // Asked of "Manage pack": open the pack browser on this pack.
  sigc::signal<void(const AgentUseCasePack&)> managePackRequested;

 private:
  void showPack();
  void showSelectedHelper();
  void fillRail(const AgentUseCasePack& pack);
  void fillWorkflows(const AgentUseCasePack& pack);

  PackWorkspaceController& packs_;
  const NavigationState& navigation_;
  std::string shownPackID_;
  Gtk::Label dedication_;
  Gtk::ListBox rail_;
  Gtk::Label workspaceTitle_;
  Gtk::Label agentCount_;
  Gtk::Button managePack_;
  Gtk::FlowBox workflows_;
  Gtk::Box surfaceSlot_;
  ScopedConnections connections_;
};

}  // namespace ondi::ui
