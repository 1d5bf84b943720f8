#pragma once

#include <gtkmm/box.h>

#include <sigc++/connection.h>

#include <vector>

#include "ui/browser/BrowserTabStrip.h"
#include "ui/browser/BrowserToolbar.h"

namespace ondi {
class DesktopBrowserModel;
}

namespace ondi::ui {

// The in-app browser: the toolbar, the tab strip and the selected tab's page.
class BrowserWorkspace : public Gtk::Box {
 public:
  explicit BrowserWorkspace(DesktopBrowserModel& model);
  ~BrowserWorkspace() override;

 private:
  void showSelectedTab();

  DesktopBrowserModel& model_;
  BrowserToolbar toolbar_;
  BrowserTabStrip tabStrip_;
  Gtk::Box page_{Gtk::Orientation::VERTICAL};
  std::vector<sigc::connection> connections_;
};

}  // namespace ondi::ui
