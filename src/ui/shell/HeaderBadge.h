#pragma once

#include <gtkmm/box.h>
#include <gtkmm/drawingarea.h>
#include <gtkmm/label.h>

#include "core/shell/DesktopSurfaceSignal.h"

namespace ondi::ui {

// The workspace header's status badge: a small coloured dot and the signal's text.
class HeaderBadge : public Gtk::Box {
 public:
  explicit HeaderBadge(VelmoraTheme theme);

  void show(DesktopSurfaceSignal signal);
  const Gtk::Label& text() const { return text_; }

 private:
  VelmoraTheme theme_;
  ThemeColor dotColor_;
  Gtk::DrawingArea dot_;
  Gtk::Label text_;
};

}  // namespace ondi::ui
