#pragma once

#include <gtkmm/box.h>

namespace ondi::ui {

// The studio inspector column. Its live-workspace slot, where the run monitor will show a
// cloud run's live browser, is a labelled placeholder for now.
class InspectorColumn : public Gtk::Box {
 public:
  InspectorColumn();
};

}  // namespace ondi::ui
