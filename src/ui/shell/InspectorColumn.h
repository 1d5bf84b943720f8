#pragma once

#include <gtkmm/box.h>

#include "core/theme/VelmoraTheme.h"

namespace ondi {
class DesktopBrowserModel;
}

namespace ondi::ui {

// The studio inspector column. Its live-workspace slot holds the run monitor with a cloud
// run's live browser.
class InspectorColumn : public Gtk::Box {
 public:
  InspectorColumn(DesktopBrowserModel& model, VelmoraTheme theme);
};

}  // namespace ondi::ui
