#pragma once

#include <gtkmm/box.h>
#include <gtkmm/button.h>
#include <gtkmm/image.h>
#include <gtkmm/label.h>
#include <gtkmm/revealer.h>

#include "core/util/ScopedConnections.h"
#include "ui/packs/PackPolicyPanel.h"

namespace ondi {
class PackBrowserSelection;
class PackWorkspaceController;
class RouteNavigation;
struct AgentUseCasePack;
}  // namespace ondi

namespace ondi::ui {

// The selected pack in full: its header, "Open workspace" and "Activate pack", the status of
// the last activation, its helper team, its starter workflows and its approval gate. Every
// action that starts work activates the pack first.
class PackDetailPanel : public Gtk::Box {
 public:
  PackDetailPanel(PackBrowserSelection& selection, PackWorkspaceController& workspace,
                  RouteNavigation& navigation);

  // Shows `pack`, or nothing when the audience has no packs.
  void show(const AgentUseCasePack* pack);

 private:
  Gtk::Widget& header();
  Gtk::Widget& actions();
  Gtk::Label& sectionHeading(const char* text);
  void showHelpers(const AgentUseCasePack& pack);
  void showWorkflows(const AgentUseCasePack& pack);
  void showActivation();
  void showStatus();

  PackBrowserSelection& selection_;
  PackWorkspaceController& workspace_;
  RouteNavigation& navigation_;
  const AgentUseCasePack* pack_ = nullptr;
  Gtk::Image symbol_;
  Gtk::Label title_;
  Gtk::Label subtitle_;
  Gtk::Label overview_;
  Gtk::Label workspaceLine_;
  Gtk::Button open_;
  Gtk::Button activate_;
  Gtk::Revealer statusRevealer_;
  Gtk::Label status_;
  Gtk::Box helpers_;
  Gtk::Box workflows_;
  PackPolicyPanel policy_;
  ScopedConnections connections_;
};

}  // namespace ondi::ui
