#include "ui/voice/HuddleConversation.h"

#include "core/voice/HuddleController.h"
#include "ui/app/AccessibleName.h"
#include "ui/theme/PanelClasses.h"
#include "ui/voice/HuddleStyle.h"

namespace ondi::ui {
namespace {

using Kind = HuddleCallState::Kind;

// The avatar of a turn: a person for the user, else the symbol of the agent who spoke.
std::string turnSymbol(const HuddleTurn& turn, const std::vector<HuddleParticipant>& roster) {
  if (turn.kind == "user") return "person.crop.circle";
  for (const HuddleParticipant& participant : roster) {
    if (participant.id == turn.agentId) return participant.symbol;
  }
  return "sparkles";
}

Gtk::Widget& turnRow(const HuddleTurn& turn, const std::string& symbol, bool active) {
  auto* row = Gtk::make_managed<Gtk::Box>(Gtk::Orientation::HORIZONTAL, 12);
  row->set_name("huddle.turn." + turn.id);
  row->add_css_class("ondi-huddle-turn");
  markActive(*row, active);
  auto& avatar = huddleAvatar(symbol, 18);
  markActive(avatar, active);
  row->append(avatar);
  auto* texts = Gtk::make_managed<Gtk::Box>(Gtk::Orientation::VERTICAL, 3);
  texts->set_hexpand(true);
  texts->append(huddleLabel(turn.speaker, "heading", false));
  auto& text = huddleLabel(turn.text, nullptr);
  text.set_selectable(true);
  texts->append(text);
  row->append(*texts);
  setAccessibleName(*row, turn.speaker + ": " + turn.text);
  return *row;
}

}  // namespace

HuddleConversation::HuddleConversation(HuddleController& huddle)
    : Gtk::Box(Gtk::Orientation::VERTICAL, 10),
      huddle_(huddle),
      activity_(Gtk::Orientation::HORIZONTAL, 8),
      turns_(Gtk::Orientation::VERTICAL, 6) {
  set_name("huddle.conversation");
  set_hexpand(true);
  set_vexpand(true);

  activity_.set_name("huddle.activity");
  activityText_.set_name("huddle.activity.text");
  activityText_.add_css_class("dim-label");
  activity_.append(waveform_);
  activity_.append(activityText_);
  append(activity_);

  turns_.set_name("huddle.turns");
  setAccessibleName(turns_, "Huddle transcript");
  turns_.set_valign(Gtk::Align::START);
  scroller_.set_policy(Gtk::PolicyType::NEVER, Gtk::PolicyType::AUTOMATIC);
  scroller_.set_vexpand(true);
  scroller_.set_child(turns_);
  nameScrollBars(scroller_, "Huddle transcript");
  append(scroller_);
  append(buildEmptyState());

  connections_.add(huddle_.snapshot().changed().connect([this](const auto&) {
    showTurns();
    showActivity();
    showEmptyState();
  }));
  connections_.add(
      huddle_.callState().changed().connect([this](const auto&) { showEmptyState(); }));
  connections_.add(
      huddle_.participants().changed().connect([this](const auto&) { showEmptyState(); }));
  showTurns();
  showActivity();
  showEmptyState();
}

Gtk::Widget& HuddleConversation::buildEmptyState() {
  empty_ = Gtk::make_managed<Gtk::Box>(Gtk::Orientation::VERTICAL, 10);
  empty_->set_name("huddle.empty");
  applyPanelStyle(*empty_, 14, true);
  empty_->set_halign(Gtk::Align::CENTER);
  empty_->set_valign(Gtk::Align::CENTER);
  empty_->set_vexpand(true);
  empty_->set_size_request(360, -1);
  auto& symbol = huddleAvatar("waveform.and.mic", 28);
  symbol.set_halign(Gtk::Align::CENTER);
  empty_->append(symbol);
  emptyTitle_.set_name("huddle.empty.title");
  emptyTitle_.add_css_class("title-2");
  emptyTitle_.set_wrap(true);
  emptyTitle_.set_justify(Gtk::Justification::CENTER);
  emptyDetail_.set_name("huddle.empty.detail");
  emptyDetail_.add_css_class("dim-label");
  emptyDetail_.set_wrap(true);
  emptyDetail_.set_justify(Gtk::Justification::CENTER);
  emptyDetail_.set_max_width_chars(40);
  start_.set_name("huddle.empty.start");
  start_.add_css_class("suggested-action");
  start_.set_halign(Gtk::Align::CENTER);
  start_.signal_clicked().connect([this] { huddle_.startCall(); });
  signIn_.set_name("huddle.empty.sign-in");
  signIn_.set_label("Sign in to use Huddle");
  signIn_.set_halign(Gtk::Align::CENTER);
  signIn_.signal_clicked().connect([this] { huddle_.signIn(); });
  empty_->append(emptyTitle_);
  empty_->append(emptyDetail_);
  empty_->append(start_);
  empty_->append(signIn_);
  return *empty_;
}

void HuddleConversation::showTurns() {
  while (Gtk::Widget* row = turns_.get_first_child()) turns_.remove(*row);
  const HuddleSnapshot& snapshot = huddle_.snapshot().get();
  const auto& roster = huddle_.participants().get();
  for (const HuddleTurn& turn : snapshot.turns) {
    const bool active = turn.kind != "user" && !snapshot.activeAgentId.empty() &&
                        turn.agentId == snapshot.activeAgentId;
    turns_.append(turnRow(turn, turnSymbol(turn, roster), active));
  }
}

void HuddleConversation::showActivity() {
  const std::string& status = huddle_.snapshot().get().status;
  const bool thinking = status == "thinking";
  const bool speaking = status == "speaking";
  activity_.set_visible(thinking || speaking);
  waveform_.set_visible(speaking);
  activityText_.set_text(speaking ? "Agents speaking" : "Agents are thinking");
}

void HuddleConversation::showEmptyState() {
  const bool empty = huddle_.snapshot().get().turns.empty();
  scroller_.set_visible(!empty);
  empty_->set_visible(empty);
  const HuddleCallState& state = huddle_.callState().get();
  const bool live = state.kind() == Kind::live;
  emptyTitle_.set_text(live ? "The huddle is listening" : "Talk with your agent team");
  emptyDetail_.set_text(live ? "Ask a question, name an agent, or let Ondi invite the relevant "
                               "specialists."
                             : "Choose the agents on the right, start the huddle, and speak "
                               "naturally.");
  const std::size_t active = huddle_.activeParticipants().size();
  start_.set_label("Start with " + std::to_string(active) + " agents");
  start_.set_visible(!state.isInCall());
  start_.set_sensitive(state.kind() == Kind::ready && active > 0);
  signIn_.set_visible(state.kind() == Kind::signInRequired);
}

}  // namespace ondi::ui
