#include "ui/voice/HuddleHeader.h"

#include "core/voice/HuddleController.h"
#include "ui/app/AccessibleName.h"
#include "ui/voice/HuddleStyle.h"

namespace ondi::ui {

HuddleHeader::HuddleHeader(HuddleController& huddle)
    : Gtk::Box(Gtk::Orientation::HORIZONTAL, 12), huddle_(huddle) {
  set_name("huddle.header");
  auto* titles = Gtk::make_managed<Gtk::Box>(Gtk::Orientation::VERTICAL, 2);
  titles->set_hexpand(true);
  auto* titleRow = Gtk::make_managed<Gtk::Box>(Gtk::Orientation::HORIZONTAL, 10);
  auto& title = huddleLabel("Ondi Huddle", "title-1", false);
  titleRow->append(title);
  badge_.set_name("huddle.badge");
  badge_.add_css_class("ondi-huddle-badge");
  badge_.set_valign(Gtk::Align::CENTER);
  titleRow->append(badge_);
  titles->append(*titleRow);
  titles->append(huddleLabel(
      "GPT Realtime 2.1 · seven distinct voices · GPT-5.6 and Fable 5 agents", "dim-label"));
  append(*titles);

  toggle_.set_name("huddle.participants-toggle");
  toggle_.set_valign(Gtk::Align::CENTER);
  toggle_.signal_clicked().connect([this] { huddle_.toggleParticipantsVisible(); });
  append(toggle_);

  connections_.add(huddle_.callState().changed().connect([this](const auto&) { showBadge(); }));
  connections_.add(
      huddle_.isParticipantsVisible().changed().connect([this](bool) { showToggle(); }));
  showBadge();
  showToggle();
}

void HuddleHeader::showBadge() {
  const HuddleCallState& state = huddle_.callState().get();
  const auto text = callBadge(state);
  badge_.set_visible(text.has_value());
  badge_.set_text(text.value_or(""));
  setAccessibleName(badge_, "Call: " + stateLabel(state));
  for (const char* kind : {"live", "joining"}) badge_.remove_css_class(kind);
  if (state.kind() == HuddleCallState::Kind::live) badge_.add_css_class("live");
  if (state.kind() == HuddleCallState::Kind::connecting) badge_.add_css_class("joining");
}

void HuddleHeader::showToggle() {
  toggle_.set_label(huddle_.isParticipantsVisible().get() ? "Hide participants"
                                                          : "Show participants");
}

}  // namespace ondi::ui
