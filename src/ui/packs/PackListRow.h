#pragma once

#include <gtkmm/label.h>
#include <gtkmm/listboxrow.h>

#include <string>

namespace ondi {
struct AgentUseCasePack;
}

namespace ondi::ui {

// One pack in the browser's list: its symbol, title and subtitle, and the "Active pack" badge
// while it is the pack last activated.
class PackListRow : public Gtk::ListBoxRow {
 public:
  explicit PackListRow(const AgentUseCasePack& pack);

  const std::string& packID() const { return packID_; }
  void setActive(bool active) { badge_.set_visible(active); }

 private:
  std::string packID_;
  Gtk::Label badge_{"Active pack"};
};

}  // namespace ondi::ui
