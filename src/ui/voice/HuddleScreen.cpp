#include "ui/voice/HuddleScreen.h"

#include "core/voice/HuddleController.h"
#include "ui/app/AccessibleName.h"
#include "ui/voice/HuddleCallBar.h"
#include "ui/voice/HuddleConversation.h"
#include "ui/voice/HuddleHeader.h"
#include "ui/voice/HuddleModePicker.h"
#include "ui/voice/HuddleParticipantPanel.h"
#include "ui/voice/HuddleStyle.h"

namespace ondi::ui {
namespace {
constexpr int kMargin = 24;
}  // namespace

HuddleScreen::HuddleScreen(HuddleController& huddle)
    : Gtk::Box(Gtk::Orientation::VERTICAL), huddle_(huddle) {
  installHuddleStyle();
  set_name("screen.voice");
  setAccessibleName(*this, "Ondi Huddle");
  // The window's background, so nothing of the console behind shows through.
  add_css_class("background");
  set_hexpand(true);
  set_vexpand(true);

  auto* header = Gtk::make_managed<HuddleHeader>(huddle_);
  header->set_margin_top(20);
  header->set_margin_start(kMargin);
  header->set_margin_end(kMargin);
  append(*header);
  auto* mode = Gtk::make_managed<HuddleModePicker>(huddle_);
  mode->set_margin(kMargin);
  mode->set_margin_top(14);
  mode->set_margin_bottom(10);
  append(*mode);

  auto* body = Gtk::make_managed<Gtk::Box>(Gtk::Orientation::HORIZONTAL, 16);
  body->set_vexpand(true);
  body->set_margin_start(kMargin);
  body->set_margin_end(kMargin);
  body->set_margin_bottom(14);
  body->append(*Gtk::make_managed<HuddleConversation>(huddle_));
  participants_ = Gtk::make_managed<HuddleParticipantPanel>(huddle_);
  body->append(*participants_);
  append(*body);
  append(*Gtk::make_managed<HuddleCallBar>(huddle_));

  connections_.add(huddle_.isParticipantsVisible().changed().connect(
      [this](bool visible) { participants_->set_visible(visible); }));
  participants_->set_visible(huddle_.isParticipantsVisible().get());
}

}  // namespace ondi::ui
