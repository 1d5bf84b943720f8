#pragma once

#include <gtkmm/label.h>
#include <gtkmm/togglebutton.h>

#include "core/util/ScopedConnections.h"
#include "ui/packs/ModelProviderPicker.h"
#include "ui/shell/HeaderBadge.h"
#include "ui/shell/InspectorColumn.h"
#include "ui/shell/ShellLayout.h"
#include "ui/shell/Sidebar.h"

namespace ondi {
class DesktopBrowserModel;
}

namespace ondi::ui {

// The studio layout: the sidebar while it is to be shown, a header with the sidebar switch, the
// screen's title, the status badge and the inspector switch over the content, and the inspector
// column while it is to be shown and the window has room for it.
class StudioLayout : public ShellLayout {
 public:
  StudioLayout(DesktopBrowserModel& model, Gtk::Widget& content, VelmoraTheme theme);

 private:
  void showSignal();
  void showInspector(bool shown);
  void showSidebar(bool shown);

  DesktopBrowserModel& model_;
  Sidebar sidebar_;
  Gtk::ToggleButton sidebarSwitch_;
  Gtk::Label title_;
  ModelProviderPicker modelPicker_;
  HeaderBadge badge_;
  Gtk::ToggleButton inspectorSwitch_;
  InspectorColumn inspector_;
  ScopedConnections connections_;
};

}  // namespace ondi::ui
