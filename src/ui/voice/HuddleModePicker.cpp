#include "ui/voice/HuddleModePicker.h"

#include "core/voice/HuddleController.h"
#include "ui/app/AccessibleName.h"
#include "ui/voice/HuddleStyle.h"

namespace ondi::ui {
namespace {

struct Segment {
  HuddleSelectionMode mode;
  const char* title;
};
constexpr Segment kSegments[] = {{HuddleSelectionMode::relevant, "Relevant"},
                                 {HuddleSelectionMode::all, "Everyone"}};

}  // namespace

HuddleModePicker::HuddleModePicker(HuddleController& huddle)
    : Gtk::Box(Gtk::Orientation::HORIZONTAL, 12), huddle_(huddle) {
  set_name("huddle.mode");
  auto& title = huddleLabel("Who answers", "heading", false);
  title.set_valign(Gtk::Align::CENTER);
  append(title);
  auto* segments = Gtk::make_managed<Gtk::Box>(Gtk::Orientation::HORIZONTAL);
  segments->add_css_class("linked");
  segments->add_css_class("ondi-huddle-modes");
  segments->set_valign(Gtk::Align::CENTER);
  setAccessibleName(*segments, "Who answers");
  for (std::size_t index = 0; index < segments_.size(); ++index) {
    const Segment segment = kSegments[index];
    Gtk::ToggleButton& button = segments_[index];
    button.set_name("huddle.mode." + rawValue(segment.mode));
    button.set_label(segment.title);
    button.set_tooltip_text(meaning(segment.mode));
    if (index > 0) button.set_group(segments_[0]);
    button.signal_toggled().connect([this, &button, mode = segment.mode] {
      if (button.get_active()) huddle_.setSelectionMode(mode);
    });
    segments->append(button);
  }
  append(*segments);
  meaning_.set_name("huddle.mode.meaning");
  meaning_.add_css_class("dim-label");
  meaning_.set_xalign(0);
  meaning_.set_wrap(true);
  meaning_.set_hexpand(true);
  meaning_.set_valign(Gtk::Align::CENTER);
  append(meaning_);

  connections_.add(huddle_.selectionMode().changed().connect([this](auto) { showMode(); }));
  connections_.add(huddle_.callState().changed().connect([this](const auto&) { showMode(); }));
  showMode();
}

void HuddleModePicker::showMode() {
  const HuddleSelectionMode mode = huddle_.selectionMode().get();
  for (std::size_t index = 0; index < segments_.size(); ++index) {
    if (kSegments[index].mode == mode) segments_[index].set_active(true);
    segments_[index].set_sensitive(!huddle_.callState().get().isInCall());
  }
  meaning_.set_text(meaning(mode));
}

}  // namespace ondi::ui
