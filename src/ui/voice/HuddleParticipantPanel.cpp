#include "ui/voice/HuddleParticipantPanel.h"

#include <gtkmm/scrolledwindow.h>
#include <gtkmm/separator.h>

#include "core/voice/HuddleController.h"
#include "ui/app/AccessibleName.h"
#include "ui/theme/PanelClasses.h"
#include "ui/voice/HuddleParticipantRow.h"
#include "ui/voice/HuddleStyle.h"

namespace ondi::ui {
namespace {
constexpr int kPanelWidth = 340;
}  // namespace

HuddleParticipantPanel::HuddleParticipantPanel(HuddleController& huddle)
    : Gtk::Box(Gtk::Orientation::VERTICAL, 4), huddle_(huddle) {
  set_name("huddle.participants");
  setAccessibleName(*this, "Participants");
  applyPanelStyle(*this, 14, false);
  set_size_request(kPanelWidth, -1);

  append(huddleLabel("Participants", "title-4", false));
  append(huddleLabel("Choose agents and their reasoning model", "dim-label"));

  auto* list = Gtk::make_managed<Gtk::Box>(Gtk::Orientation::VERTICAL, 2);
  list->set_margin_top(8);
  for (const HuddleParticipant& participant : huddle_.participants().get()) {
    auto* row = Gtk::make_managed<HuddleParticipantRow>(huddle_, participant);
    rows_.push_back(row);
    list->append(*row);
  }
  auto* bridge = Gtk::make_managed<Gtk::Box>(Gtk::Orientation::VERTICAL, 4);
  bridge->set_name("huddle.bridge");
  bridge->set_margin_top(12);
  bridge->append(*Gtk::make_managed<Gtk::Separator>(Gtk::Orientation::HORIZONTAL));
  auto& heading = huddleLabel("How the bridge works", "heading", false);
  heading.set_margin_top(8);
  bridge->append(heading);
  bridge->append(
      huddleLabel("Realtime 2.1 handles the live microphone, then renders every "
                  "selected specialist with the distinct voice shown beside that agent.",
                  "dim-label"));
  list->append(*bridge);

  auto* scroller = Gtk::make_managed<Gtk::ScrolledWindow>();
  scroller->set_policy(Gtk::PolicyType::NEVER, Gtk::PolicyType::AUTOMATIC);
  scroller->set_vexpand(true);
  scroller->set_child(*list);
  nameScrollBars(*scroller, "Participants");
  append(*scroller);

  connections_.add(
      huddle_.participants().changed().connect([this](const auto&) { showParticipants(); }));
  connections_.add(
      huddle_.callState().changed().connect([this](const auto&) { showParticipants(); }));
  connections_.add(
      huddle_.snapshot().changed().connect([this](const auto&) { showParticipants(); }));
  showParticipants();
}

void HuddleParticipantPanel::showParticipants() {
  const auto& participants = huddle_.participants().get();
  const bool locked = huddle_.callState().get().isInCall();
  const std::string& speaking = huddle_.snapshot().get().activeAgentId;
  for (std::size_t index = 0; index < rows_.size() && index < participants.size(); ++index) {
    const HuddleParticipant& participant = participants[index];
    rows_[index]->show(participant, locked, !speaking.empty() && participant.id == speaking);
  }
}

}  // namespace ondi::ui
