#include "ui/shell/InspectorColumn.h"

#include <gtkmm/label.h>

#include "ui/monitor/MonitorScreen.h"
#include "ui/theme/PanelClasses.h"

namespace ondi::ui {
namespace {

constexpr int kInspectorWidth = 260;

Gtk::Label& text(const std::string& value, const char* style) {
  auto* label = Gtk::make_managed<Gtk::Label>(value);
  label->set_xalign(0);
  label->set_wrap(true);
  label->set_max_width_chars(1);  // wraps to the column's width
  label->set_hexpand(true);
  if (style) label->add_css_class(style);
  return *label;
}

}  // namespace

InspectorColumn::InspectorColumn(DesktopBrowserModel& model, VelmoraTheme theme)
    : Gtk::Box(Gtk::Orientation::VERTICAL, 12) {
  set_name("shell.inspector");
  add_css_class("ondi-inspector");
  set_size_request(kInspectorWidth, -1);

  auto* content = Gtk::make_managed<Gtk::Box>(Gtk::Orientation::VERTICAL, 12);
  content->set_margin(16);
  content->set_vexpand(true);
  content->append(text("Inspector", "title-4"));

  auto* live = Gtk::make_managed<Gtk::Box>(Gtk::Orientation::VERTICAL, 8);
  live->set_name("inspector.live-workspace");
  live->set_vexpand(true);
  applyPanelStyle(*live, 12, false);
  live->append(text("Live workspace", "heading"));
  live->append(*Gtk::make_managed<MonitorScreen>(model, theme));
  content->append(*live);
  append(*content);
}

}  // namespace ondi::ui
