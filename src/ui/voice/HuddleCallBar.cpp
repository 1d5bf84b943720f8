#include "ui/voice/HuddleCallBar.h"

#include "core/voice/HuddleController.h"
#include "ui/app/AccessibleName.h"
#include "ui/app/IconLabel.h"
#include "ui/voice/HuddleStyle.h"

namespace ondi::ui {

HuddleCallBar::HuddleCallBar(HuddleController& huddle)
    : Gtk::Box(Gtk::Orientation::VERTICAL, 8), huddle_(huddle) {
  set_name("huddle.call-bar");
  add_css_class("ondi-huddle-callbar");

  auto* status = Gtk::make_managed<Gtk::Box>(Gtk::Orientation::HORIZONTAL, 10);
  auto* texts = Gtk::make_managed<Gtk::Box>(Gtk::Orientation::VERTICAL, 2);
  texts->set_hexpand(true);
  auto* stateRow = Gtk::make_managed<Gtk::Box>(Gtk::Orientation::HORIZONTAL, 8);
  state_.set_name("huddle.state");
  state_.add_css_class("heading");
  agents_.set_name("huddle.agent-count");
  agents_.add_css_class("dim-label");
  stateRow->append(state_);
  stateRow->append(agents_);
  texts->append(*stateRow);
  lastAction_.set_name("huddle.last-action");
  lastAction_.add_css_class("dim-label");
  lastAction_.set_xalign(0);
  lastAction_.set_ellipsize(Pango::EllipsizeMode::END);
  texts->append(lastAction_);
  status->append(*texts);
  call_.set_name("huddle.call");
  call_.set_valign(Gtk::Align::CENTER);
  call_.signal_clicked().connect([this] {
    if (huddle_.callState().get().isInCall()) {
      huddle_.stopCall();
    } else {
      huddle_.startCall();
    }
  });
  status->append(call_);
  append(*status);

  auto* controls = Gtk::make_managed<Gtk::Box>(Gtk::Orientation::HORIZONTAL, 6);
  mute_.set_name("huddle.mute");
  mute_.signal_clicked().connect([this] { huddle_.toggleMute(); });
  interrupt_.set_name("huddle.interrupt");
  setIconAndLabel(interrupt_, "stop.circle", "Interrupt");
  interrupt_.signal_clicked().connect([this] { huddle_.interrupt(); });
  auto* spacer = Gtk::make_managed<Gtk::Box>();
  spacer->set_hexpand(true);
  reload_.set_name("huddle.reload");
  setIconAndLabel(reload_, "arrow.clockwise", "Reload voice service");
  reload_.add_css_class("flat");
  reload_.signal_clicked().connect([this] { huddle_.reload(); });
  openWeb_.set_name("huddle.open-web");
  setIconAndLabel(openWeb_, "arrow.up.right.square", "Open web voice console");
  openWeb_.add_css_class("flat");
  openWeb_.signal_clicked().connect([this] { huddle_.openExternally(); });
  for (Gtk::Widget* part :
       std::initializer_list<Gtk::Widget*>{&mute_, &interrupt_, spacer, &reload_, &openWeb_}) {
    controls->append(*part);
  }
  append(*controls);

  connections_.add(huddle_.callState().changed().connect([this](const auto&) { showCall(); }));
  connections_.add(huddle_.lastAction().changed().connect([this](const auto&) { showCall(); }));
  connections_.add(huddle_.participants().changed().connect([this](const auto&) { showCall(); }));
  connections_.add(huddle_.isMicrophoneMuted().changed().connect([this](bool) { showCall(); }));
  showCall();
}

void HuddleCallBar::showCall() {
  const HuddleCallState& state = huddle_.callState().get();
  const bool inCall = state.isInCall();
  const std::size_t active = huddle_.activeParticipants().size();
  state_.set_text(stateLabel(state));
  lastAction_.set_text(huddle_.lastAction().get());
  lastAction_.set_tooltip_text(huddle_.lastAction().get());
  agents_.set_text(std::to_string(active) + " agents");

  const bool muted = huddle_.isMicrophoneMuted().get();
  setIconAndLabel(mute_, muted ? "mic.slash" : "mic", muted ? "Unmute" : "Mute");
  mute_.set_sensitive(inCall);
  interrupt_.set_sensitive(state.kind() == HuddleCallState::Kind::live);
  setIconAndLabel(call_, inCall ? "phone.down" : "phone", inCall ? "Leave huddle" : "Start huddle");
  for (const char* style : {"suggested-action", "destructive-action"})
    call_.remove_css_class(style);
  call_.add_css_class(inCall ? "destructive-action" : "suggested-action");
  call_.set_sensitive(inCall || (state.kind() == HuddleCallState::Kind::ready && active > 0));
  reload_.set_sensitive(!inCall);
}

}  // namespace ondi::ui
