#include "ui/monitor/MonitorPane.h"

#include <gtkmm/label.h>

#include "ui/app/IconLabel.h"

namespace ondi::ui {
namespace {
constexpr int kPaneWidth = 360;
}  // namespace

MonitorPane::MonitorPane(DesktopBrowserModel& model)
    : Gtk::Box(Gtk::Orientation::VERTICAL, 8), screen_(model, VelmoraTheme::unifiedWorkspace) {
  set_name("unified.monitor-pane");
  add_css_class("ondi-inspector");
  set_size_request(kPaneWidth, -1);
  set_hexpand(false);

  auto* heading = Gtk::make_managed<Gtk::Box>(Gtk::Orientation::HORIZONTAL, 8);
  auto* title = Gtk::make_managed<Gtk::Label>("Live workspace");
  title->add_css_class("heading");
  title->set_xalign(0);
  title->set_hexpand(true);
  heading->append(*title);
  styleIconButton(close_, "unified.monitor-pane.close", "xmark", "Close the live workspace");
  heading->append(close_);

  auto* content = Gtk::make_managed<Gtk::Box>(Gtk::Orientation::VERTICAL, 12);
  content->set_margin_start(16);
  content->set_margin_end(8);
  content->set_margin_top(12);
  content->set_margin_bottom(16);
  content->set_vexpand(true);
  screen_.set_margin_end(8);
  content->append(*heading);
  content->append(screen_);
  append(*content);
}

}  // namespace ondi::ui
