#pragma once

#include <gtkmm/box.h>
#include <gtkmm/listbox.h>
#include <gtkmm/searchentry.h>

#include <vector>

#include "core/navigation/NavigationState.h"
#include "core/util/ScopedConnections.h"
#include "ui/shell/RecentThreads.h"
#include "ui/shell/SidebarEntryRow.h"
#include "ui/shell/SidebarHelpers.h"

namespace ondi {
class AgentPromptPreparation;
class PackBrowserSelection;
class ShellController;
}  // namespace ondi

namespace ondi::ui {

// The studio sidebar: the search field, the nine destinations (the current route's marked),
// the helpers activated packs added, and the recent conversations. Rows are reached with Tab and
// the arrow keys and chosen with Enter, Space or a click.
class Sidebar : public Gtk::Box {
 public:
  Sidebar(ShellController& shell, const NavigationState& navigation,
          ConversationThreadController& threads, const PackBrowserSelection& packs,
          AgentPromptPreparation& prompts);

 private:
  void filter();
  void markCurrent(const VelmoraRoute& route);

  ShellController& shell_;
  Gtk::SearchEntry search_;
  Gtk::ListBox entries_;
  std::vector<SidebarEntryRow*> rows_;
  SidebarHelpers helpers_;
  RecentThreads recent_;
  ScopedConnections connections_;
};

}  // namespace ondi::ui
