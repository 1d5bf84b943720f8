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

// The agent page, and around it, while a pack is open as a dedicated workspace, the pack's team
// in a rail, a bar with the pack and its approval rule, and the pack's starter workflows. The
// page stays where it is when a pack opens or closes: a web view taken out of its place stops
// drawing until its page changes.
class PackWorkspaceScreen : public Gtk::Box {
 public:
  PackWorkspaceScreen(PackWorkspaceController& packs, const NavigationState& navigation,
                      Gtk::Widget& surface);

  // Asked of "Manage pack": open the pack browser on this pack.
  sigc::signal<void(const AgentUseCasePack&)> managePackRequested;

 private:
  // Shows the pack of the active route around the page, or the page alone.
  void showPack();
  void showSelectedHelper();
  void fillRail(const AgentUseCasePack& pack);
  void fillWorkflows(const AgentUseCasePack& pack);

  PackWorkspaceController& packs_;
  const NavigationState& navigation_;
  std::string shownPackID_;
  Gtk::Box railColumn_;
  Gtk::Label dedication_;
  Gtk::ListBox rail_;
  Gtk::Box packBar_;
  Gtk::Label workspaceTitle_;
  Gtk::Label agentCount_;
  Gtk::Button managePack_;
  Gtk::Label startersHeading_;
  Gtk::FlowBox workflows_;
  ScopedConnections connections_;
};

}  // namespace ondi::ui
