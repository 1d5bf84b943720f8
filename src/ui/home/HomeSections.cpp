#include "ui/home/HomeSections.h"

#include <gtkmm/drawingarea.h>
#include <gtkmm/image.h>
#include <gtkmm/progressbar.h>

#include <numbers>

#include "core/home/HomeOverview.h"
#include "core/shell/SymbolIcons.h"
#include "ui/app/AccessibleName.h"
#include "ui/theme/PanelClasses.h"

namespace ondi::ui {
namespace {

Gtk::Label& wrappedLabel(const std::string& text, const char* cssClass) {
  auto* label = Gtk::make_managed<Gtk::Label>(text);
  label->set_xalign(0);
  label->set_wrap(true);
  if (cssClass) label->add_css_class(cssClass);
  return *label;
}

}  // namespace

Gtk::Box& homeSection(const std::string& name, const std::string& title, Gtk::Widget& content) {
  auto* section = Gtk::make_managed<Gtk::Box>(Gtk::Orientation::VERTICAL, 8);
  section->set_name(name);
  auto& heading = wrappedLabel(title, "title-4");
  heading.set_name(name + ".title");
  section->append(heading);
  section->append(content);
  return *section;
}

Gtk::Widget& metricTile(const std::string& name, const HomeMetric& metric) {
  auto* tile = Gtk::make_managed<Gtk::Box>(Gtk::Orientation::VERTICAL, 4);
  tile->set_name(name);
  applyPanelStyle(*tile, 12, false);
  auto* icon = Gtk::make_managed<Gtk::Image>();
  icon->set_from_icon_name(iconName(metric.symbol));
  hideFromAssistiveTechnology(*icon);
  icon->set_pixel_size(18);
  icon->set_halign(Gtk::Align::START);
  icon->add_css_class("dim-label");
  auto& value = wrappedLabel(metric.value, "title-2");
  value.set_name(name + ".value");
  tile->append(*icon);
  tile->append(value);
  tile->append(wrappedLabel(metric.title, "dim-label"));
  return *tile;
}

Gtk::Widget& readinessLine() {
  constexpr int kDotSize = 8;
  auto* dot = Gtk::make_managed<Gtk::DrawingArea>();
  dot->set_content_width(kDotSize);
  dot->set_content_height(kDotSize);
  dot->set_valign(Gtk::Align::CENTER);
  hideFromAssistiveTechnology(*dot);
  dot->set_draw_func([](const Cairo::RefPtr<Cairo::Context>& cairo, int width, int height) {
    cairo->set_source_rgb(0.275, 0.424, 0.3);
    cairo->arc(width / 2.0, height / 2.0, kDotSize / 2.0, 0, 2 * std::numbers::pi);
    cairo->fill();
  });
  auto* line = Gtk::make_managed<Gtk::Box>(Gtk::Orientation::HORIZONTAL, 8);
  line->set_name("home.readiness");
  line->append(*dot);
  line->append(wrappedLabel("Ondi is ready", "heading"));
  line->append(wrappedLabel("All systems operational.", "dim-label"));
  return *line;
}

Gtk::Widget& requestSummary(const RequestItem& request) {
  auto* box = Gtk::make_managed<Gtk::Box>(Gtk::Orientation::VERTICAL, 4);
  box->set_hexpand(true);
  box->append(wrappedLabel(request.title, "heading"));
  box->append(wrappedLabel(
      request.agent + " · " + rawValue(request.status) + " · " + request.lastUpdated, "caption"));
  box->append(wrappedLabel(request.summary, nullptr));
  auto* progress = Gtk::make_managed<Gtk::ProgressBar>();
  progress->set_fraction(request.progress);
  progress->set_margin_top(4);
  setAccessibleName(*progress, "Progress of " + request.title);
  box->append(*progress);
  return *box;
}

Gtk::Widget& activityRow(const std::string& name, const ActivityItem& item) {
  auto* row = Gtk::make_managed<Gtk::Box>(Gtk::Orientation::HORIZONTAL, 12);
  row->set_name(name);
  auto* text = Gtk::make_managed<Gtk::Box>(Gtk::Orientation::VERTICAL, 2);
  text->set_hexpand(true);
  text->append(wrappedLabel(item.title, "heading"));
  text->append(wrappedLabel(item.detail, "dim-label"));
  auto& time = wrappedLabel(item.timestamp, "caption");
  time.set_valign(Gtk::Align::START);
  row->append(*text);
  row->append(time);
  setAccessibleName(*row, item.title + ". " + item.detail + ". " + item.timestamp);
  return *row;
}

void removeChildren(Gtk::Box& box) {
  while (Gtk::Widget* child = box.get_first_child()) box.remove(*child);
}

}  // namespace ondi::ui
