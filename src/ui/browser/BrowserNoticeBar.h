#pragma once

#include <gtkmm/box.h>
#include <gtkmm/button.h>
#include <gtkmm/label.h>

#include "core/util/ScopedConnections.h"

namespace ondi {
class BrowserTabs;
}

namespace ondi::ui {

// A line under the tab strip that says why the browser refused what a page asked of it,
// shown while the tab list carries a notice.
class BrowserNoticeBar : public Gtk::Box {
 public:
  explicit BrowserNoticeBar(BrowserTabs& tabs);

 private:
  void refresh();

  BrowserTabs& tabs_;
  Gtk::Label text_;
  Gtk::Button dismiss_;
  ScopedConnections connections_;
};

}  // namespace ondi::ui
