#pragma once

#include <gtkmm/listboxrow.h>

#include "core/shell/SidebarEntries.h"

namespace ondi::ui {

// One sidebar destination: its icon, title and subtitle. The row is named with the entry's
// accessibility identifier and is said as its title and subtitle.
class SidebarEntryRow : public Gtk::ListBoxRow {
 public:
  explicit SidebarEntryRow(const SidebarEntry& entry);

  const SidebarEntry& entry() const { return entry_; }

 private:
  const SidebarEntry& entry_;
};

}  // namespace ondi::ui
