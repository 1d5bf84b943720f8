#include "ui/phone/AgentPhoneLineCard.h"

#include <gtkmm/image.h>

#include <tuple>

#include "core/phone/AgentPhoneDisplay.h"
#include "core/phone/AgentPhoneRecords.h"
#include "core/shell/SymbolIcons.h"
#include "ui/app/AccessibleName.h"
#include "ui/app/IconLabel.h"
#include "ui/phone/AgentPhoneCallRow.h"
#include "ui/phone/PhoneStyle.h"
#include "ui/theme/PanelClasses.h"

namespace ondi::ui {

AgentPhoneLineCard::AgentPhoneLineCard(Actions actions)
    : Gtk::Box(Gtk::Orientation::VERTICAL, 12),
      syncError_("phone.line.sync-error", iconName("exclamationmark.triangle"), "error"),
      readiness_("phone.line.readiness", "Ready") {
  set_name("phone.line");
  applyPanelStyle(*this, 14, false);
  append(header());
  append(syncError_);

  auto* assigned = Gtk::make_managed<Gtk::Box>(Gtk::Orientation::HORIZONTAL, 12);
  auto* assignedTitle = Gtk::make_managed<Gtk::Label>("Assigned agent");
  assignedTitle->set_xalign(0);
  assignedTitle->set_hexpand(true);
  assigned->append(*assignedTitle);
  agent_.set_name("phone.line.agent");
  agent_.add_css_class("heading");
  assigned->append(agent_);
  append(*assigned);
  append(capability("phone.line.inbound", "Inbound", inboundState_, inboundDetail_));
  append(capability("phone.line.outbound", "Outbound", outboundState_, outboundDetail_));
  append(readiness_);
  append(actionRows(actions));

  appendPhoneHeading(*this, "Recent calls");
  calls_.set_name("phone.calls");
  append(calls_);
  noCalls_.set_name("phone.calls.empty");
  noCalls_.set_text(
      "No calls yet. Inbound and outbound calls will appear here after Twilio sends a receipt.");
  noCalls_.set_xalign(0);
  noCalls_.set_wrap(true);
  noCalls_.set_max_width_chars(1);  // wraps to the card's width
  noCalls_.set_hexpand(true);
  noCalls_.add_css_class("dim-label");
  append(noCalls_);
  appendPhoneNote(*this,
                  "Twilio credentials are encrypted on the Ondi server and are never displayed "
                  "again. Every callback is signature-checked before an agent answers.");
}

Gtk::Box& AgentPhoneLineCard::header() {
  auto* header = Gtk::make_managed<Gtk::Box>(Gtk::Orientation::HORIZONTAL, 10);
  auto* symbol = Gtk::make_managed<Gtk::Image>();
  symbol->set_from_icon_name(iconName("phone.connection.fill"));
  symbol->set_pixel_size(24);
  hideFromAssistiveTechnology(*symbol);
  header->append(*symbol);
  auto* texts = Gtk::make_managed<Gtk::Box>(Gtk::Orientation::VERTICAL, 2);
  texts->set_hexpand(true);
  label_.set_name("phone.line.label");
  label_.set_xalign(0);
  label_.add_css_class("title-4");
  texts->append(label_);
  number_.set_name("phone.line.number");
  number_.set_xalign(0);
  number_.add_css_class("dim-label");
  texts->append(number_);
  header->append(*texts);
  status_.set_name("phone.line.status");
  status_.set_valign(Gtk::Align::CENTER);
  status_.add_css_class("ondi-phone-pill");
  header->append(status_);
  return *header;
}

Gtk::Box& AgentPhoneLineCard::capability(const std::string& name, const std::string& title,
                                         Gtk::Label*& state, Gtk::Label*& detail) {
  auto* row = Gtk::make_managed<Gtk::Box>(Gtk::Orientation::VERTICAL, 2);
  row->set_name(name);
  auto* top = Gtk::make_managed<Gtk::Box>(Gtk::Orientation::HORIZONTAL, 12);
  auto* heading = Gtk::make_managed<Gtk::Label>(title);
  heading->set_xalign(0);
  heading->set_hexpand(true);
  top->append(*heading);
  state = Gtk::make_managed<Gtk::Label>();
  state->set_name(name + ".state");
  state->add_css_class("heading");
  top->append(*state);
  row->append(*top);
  detail = &appendPhoneNote(*row, "");
  detail->set_name(name + ".detail");
  return *row;
}

// The actions in two rows, so that none of their labels is cut at the section's width.
Gtk::Box& AgentPhoneLineCard::actionRows(const Actions& actions) {
  auto* rows = Gtk::make_managed<Gtk::Box>(Gtk::Orientation::VERTICAL, 8);
  Gtk::Box* row = nullptr;
  const std::tuple<Gtk::Button*, const char*, const char*, const char*,
                   const std::function<void()>*>
      actionButtons[] = {
          {&placeCall_, "phone.place-call", "phone.arrow.up.right", "Place outbound call…",
           &actions.placeCall},
          {&edit_, "phone.edit", "square.and.pencil", "Edit routing…", &actions.editRouting},
          {&refresh_, "phone.line.refresh", "arrow.clockwise", "Refresh phone status",
           &actions.refresh},
          {&disconnect_, "phone.disconnect", "xmark", "Disconnect…", &actions.disconnect},
      };
  for (std::size_t index = 0; index < std::size(actionButtons); ++index) {
    const auto& [button, name, symbol, label, action] = actionButtons[index];
    if (index % 2 == 0) {
      row = Gtk::make_managed<Gtk::Box>(Gtk::Orientation::HORIZONTAL, 8);
      rows->append(*row);
    }
    button->set_name(name);
    setIconAndLabel(*button, symbol, label);
    button->signal_clicked().connect(*action);
    row->append(*button);
  }
  disconnect_.add_css_class("destructive-action");
  return *rows;
}

void AgentPhoneLineCard::show(const AgentPhoneState& state) {
  const AgentPhoneLine& line = *state.line;
  label_.set_text(line.label);
  number_.set_text(line.maskedPhoneNumber);
  status_.set_text(AgentPhoneDisplay::lineStatus(line));
  if (line.status == "active") {
    status_.add_css_class("active");
  } else {
    status_.remove_css_class("active");
  }
  syncError_.setText(line.syncError);
  agent_.set_text(line.agentName + " · " + line.voice + " voice");
  inboundState_->set_text(line.inboundEnabled ? "Enabled" : "Off");
  inboundDetail_->set_text(AgentPhoneDisplay::inboundDetail(line));
  outboundState_->set_text(line.outboundEnabled ? "Enabled" : "Off");
  outboundDetail_->set_text(AgentPhoneDisplay::outboundDetail(line));
  readiness_.show(state.configuration);
  outboundEnabled_ = line.outboundEnabled;
  setActionsEnabled(enabled_);
  showCalls(state);
}

void AgentPhoneLineCard::showCalls(const AgentPhoneState& state) {
  while (Gtk::Widget* child = calls_.get_first_child()) calls_.remove(*child);
  for (const AgentPhoneCall& call : state.calls) {
    calls_.append(*Gtk::make_managed<AgentPhoneCallRow>(call));
  }
  calls_.set_visible(!state.calls.empty());
  noCalls_.set_visible(state.calls.empty());
}

// A line without outbound calling offers no call to place.
void AgentPhoneLineCard::setActionsEnabled(bool enabled) {
  enabled_ = enabled;
  placeCall_.set_sensitive(enabled && outboundEnabled_);
  edit_.set_sensitive(enabled);
  disconnect_.set_sensitive(enabled);
  refresh_.set_sensitive(enabled);
}

}  // namespace ondi::ui
