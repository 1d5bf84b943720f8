#pragma once

#include <giomm/menu.h>
#include <gtkmm/application.h>

#include <vector>

#include "core/util/ScopedConnections.h"

namespace ondi {
class DesktopBrowserModel;
}

namespace ondi::ui {

// The "Ondi" command menu: application actions, their shortcuts and the menu model that
// the header bar's menu button shows.
class CommandMenu {
 public:
  CommandMenu(Gtk::Application& application, DesktopBrowserModel& model);
  CommandMenu(const CommandMenu&) = delete;
  CommandMenu& operator=(const CommandMenu&) = delete;

  Glib::RefPtr<Gio::Menu> menuModel() const { return menu_; }

 private:
  void addAction(const char* name, const char* accelerator, std::function<void()> activate);
  // Control and 1 to 9 choose the sidebar's entries in their order, in either layout.
  void addSidebarShortcuts();
  // The "Model" choice, shared by the menu and the toolbar's picker.
  void addModelProviderChoice();

  Gtk::Application& application_;
  DesktopBrowserModel& model_;
  Glib::RefPtr<Gio::Menu> menu_;
  ScopedConnections connections_;
};

}  // namespace ondi::ui
