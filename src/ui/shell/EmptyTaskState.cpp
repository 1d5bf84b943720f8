#include "ui/shell/EmptyTaskState.h"

#include <gtkmm/label.h>

namespace ondi::ui {
namespace {

Gtk::Label& centred(const char* text, const char* style) {
  auto* label = Gtk::make_managed<Gtk::Label>(text);
  label->set_wrap(true);
  label->set_justify(Gtk::Justification::CENTER);
  label->set_max_width_chars(44);
  label->add_css_class(style);
  return *label;
}

}  // namespace

EmptyTaskState::EmptyTaskState() : Gtk::Box(Gtk::Orientation::VERTICAL, 12) {
  set_name("unified.empty-task");
  add_css_class("ondi-unavailable");
  set_hexpand(true);
  set_vexpand(true);
  auto* centre = Gtk::make_managed<Gtk::Box>(Gtk::Orientation::VERTICAL, 12);
  centre->set_valign(Gtk::Align::CENTER);
  centre->set_halign(Gtk::Align::CENTER);
  centre->set_vexpand(true);
  centre->set_margin(24);
  centre->append(centred("What would you like to move forward?", "title-1"));
  centre->append(
      centred("Start a task. Your connected apps and specialist agents are available in Tools.",
              "dim-label"));
  start_.set_name("unified.start-request");
  start_.set_label("Start a request");
  start_.add_css_class("suggested-action");
  start_.add_css_class("pill");
  start_.set_halign(Gtk::Align::CENTER);
  start_.set_margin_top(8);
  centre->append(start_);
  append(*centre);
}

}  // namespace ondi::ui
