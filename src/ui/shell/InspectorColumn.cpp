#include "ui/shell/InspectorColumn.h"

#include <gtkmm/image.h>
#include <gtkmm/label.h>

#include "core/shell/SymbolIcons.h"
#include "ui/app/AccessibleName.h"
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

InspectorColumn::InspectorColumn() : Gtk::Box(Gtk::Orientation::VERTICAL, 12) {
  set_name("shell.inspector");
  add_css_class("ondi-inspector");
  set_size_request(kInspectorWidth, -1);

  auto* content = Gtk::make_managed<Gtk::Box>(Gtk::Orientation::VERTICAL, 12);
  content->set_margin(16);
  content->append(text("Inspector", "title-4"));

  auto* live = Gtk::make_managed<Gtk::Box>(Gtk::Orientation::VERTICAL, 8);
  live->set_name("inspector.live-workspace");
  applyPanelStyle(*live, 12, false);
  auto* icon = Gtk::make_managed<Gtk::Image>();
  icon->set_from_icon_name(iconName("safari"));
  hideFromAssistiveTechnology(*icon);
  icon->set_pixel_size(24);
  icon->set_halign(Gtk::Align::START);
  icon->add_css_class("dim-label");
  live->append(*icon);
  live->append(text("Live workspace", "heading"));
  live->append(
      text("The live browser of cloud agent runs will show here. This view is not "
           "available yet.",
           "dim-label"));
  content->append(*live);
  append(*content);
}

}  // namespace ondi::ui
