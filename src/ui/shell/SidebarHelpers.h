#pragma once

#include <gtkmm/box.h>
#include <gtkmm/listbox.h>

#include <string>
#include <vector>

#include "core/published/Published.h"
#include "core/util/ScopedConnections.h"

namespace ondi {
class AgentPromptPreparation;
}

namespace ondi::ui {

// The sidebar's "Helpers": the helpers activated packs added, each starting a conversation
// with that helper on the agent page. Hidden while there are none.
class SidebarHelpers : public Gtk::Box {
 public:
  SidebarHelpers(const Published<std::vector<std::string>>& titles,
                 AgentPromptPreparation& prompts);

 private:
  void showTitles(const std::vector<std::string>& titles);

  AgentPromptPreparation& prompts_;
  std::vector<std::string> titles_;
  Gtk::ListBox list_;
  ScopedConnections connections_;
};

}  // namespace ondi::ui
