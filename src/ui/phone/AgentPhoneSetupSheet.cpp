#include "ui/phone/AgentPhoneSetupSheet.h"

#include <gtkmm/scrolledwindow.h>
#include <gtkmm/stringlist.h>

#include <algorithm>

#include "core/phone/AgentPhoneController.h"
#include "core/shell/SymbolIcons.h"
#include "ui/app/AccessibleName.h"
#include "ui/phone/PhoneStyle.h"
#include "ui/theme/PanelClasses.h"

namespace ondi::ui {
namespace {

constexpr const char* kNewTitle = "Connect a Twilio number";
constexpr const char* kEditTitle = "Edit agent phone";

// A panel of the sheet with its heading; `box` is the sheet's own when it shows or hides.
Gtk::Box& group(Gtk::Box& box, const std::string& name, const std::string& heading) {
  box.set_name(name);
  applyPanelStyle(box, 12, false);
  appendPhoneHeading(box, heading);
  return box;
}

Gtk::Box& group(const std::string& name, const std::string& heading) {
  return group(*Gtk::make_managed<Gtk::Box>(Gtk::Orientation::VERTICAL, 8), name, heading);
}

// A caption above its control; the caption names the control for screen readers.
void appendField(Gtk::Box& box, const std::string& title, Gtk::Widget& control) {
  auto* caption = Gtk::make_managed<Gtk::Label>(title);
  caption->set_xalign(0);
  caption->add_css_class("caption");
  box.append(*caption);
  setAccessibleName(control, title);
  box.append(control);
}

void appendSwitch(Gtk::Box& box, const std::string& title, Gtk::Switch& control) {
  auto* row = Gtk::make_managed<Gtk::Box>(Gtk::Orientation::HORIZONTAL, 12);
  auto* caption = Gtk::make_managed<Gtk::Label>(title);
  caption->set_xalign(0);
  caption->set_hexpand(true);
  row->append(*caption);
  control.set_valign(Gtk::Align::CENTER);
  setAccessibleName(control, title);
  row->append(control);
  box.append(*row);
}

void appendValue(Gtk::Box& box, const std::string& title, Gtk::Label& value) {
  auto* row = Gtk::make_managed<Gtk::Box>(Gtk::Orientation::HORIZONTAL, 12);
  auto* caption = Gtk::make_managed<Gtk::Label>(title);
  caption->set_xalign(0);
  caption->set_hexpand(true);
  row->append(*caption);
  value.add_css_class("heading");
  row->append(value);
  box.append(*row);
}

std::string textOf(const Gtk::TextView& view) {
  return view.get_buffer()->get_text().raw();
}

}  // namespace

AgentPhoneSetupSheet::AgentPhoneSetupSheet(AgentPhoneController& phone)
    : phone_(phone), error_("phone.setup.error", iconName("exclamationmark.triangle"), "error") {
  installPhoneStyle();
  set_name("phone.setup");
  set_modal(true);
  set_hide_on_close(true);
  set_default_size(520, 720);

  auto* content = Gtk::make_managed<Gtk::Box>(Gtk::Orientation::VERTICAL, 14);
  content->set_margin(20);
  title_.set_name("phone.setup.title");
  title_.set_xalign(0);
  title_.add_css_class("title-3");
  content->append(title_);
  content->append(credentialsGroup());
  content->append(connectedGroup());
  content->append(routingGroup());
  content->append(callingGroup());
  content->append(error_);

  auto* scroller = Gtk::make_managed<Gtk::ScrolledWindow>();
  scroller->set_policy(Gtk::PolicyType::NEVER, Gtk::PolicyType::AUTOMATIC);
  scroller->set_vexpand(true);
  scroller->set_child(*content);
  nameScrollBars(*scroller, "Agent phone setup");
  auto* window = Gtk::make_managed<Gtk::Box>(Gtk::Orientation::VERTICAL, 0);
  window->append(*scroller);
  window->append(buttonRow());
  set_child(*window);

  for (Gtk::Editable* field :
       {static_cast<Gtk::Editable*>(&accountSid_), static_cast<Gtk::Editable*>(&authToken_),
        static_cast<Gtk::Editable*>(&phoneNumber_), static_cast<Gtk::Editable*>(&label_)}) {
    field->signal_changed().connect([this] { updateSave(); });
  }
  agent_.property_selected().signal_changed().connect([this] { updateSave(); });
  inbound_.property_active().signal_changed().connect([this] { updateSave(); });
  outbound_.property_active().signal_changed().connect([this] { updateSave(); });
  connections_.add(phone_.agentPhoneState.changed().connect([this](const auto&) { showAgents(); }));
  connections_.add(
      phone_.isAgentPhoneActionInFlight.changed().connect([this](bool) { updateSave(); }));
  // The token never outlives the sheet's visit.
  signal_hide().connect([this] { authToken_.set_text(""); });
}

Gtk::Box& AgentPhoneSetupSheet::credentialsGroup() {
  group(credentials_, "phone.setup.credentials", "Twilio number");
  accountSid_.set_name("phone.setup.account-sid");
  appendField(credentials_, "Account SID", accountSid_);
  authToken_.set_name("phone.setup.auth-token");
  appendField(credentials_, "Auth Token", authToken_);
  phoneNumber_.set_name("phone.setup.phone-number");
  phoneNumber_.set_placeholder_text("+14155550101");
  appendField(credentials_, "Phone number", phoneNumber_);
  appendPhoneNote(credentials_,
                  "Ondi verifies that this number belongs to the Twilio account, then configures "
                  "its Voice URL automatically.");
  return credentials_;
}

Gtk::Box& AgentPhoneSetupSheet::connectedGroup() {
  group(connected_, "phone.setup.connected", "Connected number");
  auto* provider = Gtk::make_managed<Gtk::Label>("Twilio");
  appendValue(connected_, "Provider", *provider);
  maskedNumber_.set_name("phone.setup.number");
  appendValue(connected_, "Number", maskedNumber_);
  appendPhoneNote(connected_,
                  "Credentials stay encrypted on the server. Reconnect the number if the Twilio "
                  "Auth Token changes.");
  return connected_;
}

Gtk::Box& AgentPhoneSetupSheet::routingGroup() {
  Gtk::Box& box = group("phone.setup.routing", "Agent routing");
  label_.set_name("phone.setup.label");
  label_.set_placeholder_text("Customer line");
  appendField(box, "Label", label_);
  agent_.set_name("phone.setup.agent");
  appendField(box, "Agent", agent_);
  nameDropDown(agent_, "Agent");
  appendPhoneNote(box,
                  "The agent answers with OpenAI Realtime voice and follows this account's saved "
                  "agent instructions.");
  return box;
}

Gtk::Box& AgentPhoneSetupSheet::callingGroup() {
  Gtk::Box& box = group("phone.setup.calling", "Calling");
  inbound_.set_name("phone.setup.inbound");
  appendSwitch(box, "Accept inbound calls", inbound_);
  outbound_.set_name("phone.setup.outbound");
  appendSwitch(box, "Allow outbound calls", outbound_);
  appendPhoneNote(box,
                  "Outbound calls require an explicit confirmation in Ondi and are limited per "
                  "hour. Twilio and OpenAI usage charges may apply.");
  callers_.set_name("phone.setup.callers");
  callers_.set_wrap_mode(Gtk::WrapMode::WORD_CHAR);
  callers_.set_size_request(-1, 72);
  callers_.add_css_class("card");
  appendField(box, "Approved inbound callers", callers_);
  appendPhoneNote(box,
                  "Optional. Enter one E.164 number per line. Leave empty to accept any caller "
                  "while inbound calling is on.");
  return box;
}

Gtk::Box& AgentPhoneSetupSheet::buttonRow() {
  auto* buttons = Gtk::make_managed<Gtk::Box>(Gtk::Orientation::HORIZONTAL, 8);
  buttons->set_halign(Gtk::Align::END);
  buttons->set_margin(16);
  cancel_.set_name("phone.setup.cancel");
  cancel_.set_label("Cancel");
  cancel_.signal_clicked().connect([this] { set_visible(false); });
  save_.set_name("phone.setup.save");
  save_.set_label("Connect");
  save_.add_css_class("suggested-action");
  save_.signal_clicked().connect([this] { save(); });
  buttons->append(cancel_);
  buttons->append(save_);
  return *buttons;
}

void AgentPhoneSetupSheet::present(Gtk::Window& parent, const std::optional<AgentPhoneLine>& line) {
  line_ = line;
  const AgentPhoneSetupDraft start =
      line ? AgentPhoneSetupDraft::forLine(*line) : AgentPhoneSetupDraft{};
  const char* title = line ? kEditTitle : kNewTitle;
  set_title(title);
  title_.set_text(title);
  credentials_.set_visible(!line);
  connected_.set_visible(line.has_value());
  maskedNumber_.set_text(line ? line->maskedPhoneNumber : "");
  accountSid_.set_text("");
  authToken_.set_text("");
  phoneNumber_.set_text("");
  label_.set_text(start.label);
  inbound_.set_active(start.inboundEnabled);
  outbound_.set_active(start.outboundEnabled);
  callers_.get_buffer()->set_text(start.allowedCallersText);
  agentIDs_.clear();
  showAgents();
  if (line) {
    const auto chosen = std::ranges::find(agentIDs_, line->agentId);
    if (chosen != agentIDs_.end()) agent_.set_selected(chosen - agentIDs_.begin());
  }
  error_.setText("");
  updateSave();
  set_transient_for(parent);
  Gtk::Window::present();
}

// The agents the service offers, keeping the one chosen while the list changes.
void AgentPhoneSetupSheet::showAgents() {
  const auto& agents = phone_.agentPhoneState.get().agents;
  std::vector<std::string> ids;
  std::vector<Glib::ustring> titles;
  for (const AgentPhoneAgent& agent : agents) {
    ids.push_back(agent.id);
    titles.push_back(agent.name + " (" + agent.voice + " voice)");
  }
  if (ids == agentIDs_) return;
  const std::string chosen = draft().agentId;
  agentIDs_ = std::move(ids);
  agent_.set_model(Gtk::StringList::create(titles));
  const auto found = std::ranges::find(agentIDs_, chosen);
  agent_.set_selected(found != agentIDs_.end() ? found - agentIDs_.begin() : 0);
  updateSave();
}

AgentPhoneSetupDraft AgentPhoneSetupSheet::draft() const {
  AgentPhoneSetupDraft draft;
  draft.editing = line_.has_value();
  draft.accountSid = accountSid_.get_text();
  draft.phoneNumber = phoneNumber_.get_text();
  draft.label = label_.get_text();
  if (const auto index = agent_.get_selected(); index < agentIDs_.size()) {
    draft.agentId = agentIDs_[index];
  }
  draft.inboundEnabled = inbound_.get_active();
  draft.outboundEnabled = outbound_.get_active();
  draft.allowedCallersText = textOf(callers_);
  return draft;
}

void AgentPhoneSetupSheet::updateSave() {
  save_.set_sensitive(!phone_.isAgentPhoneActionInFlight.get() &&
                      draft().canSave(authToken_.get_text().raw()));
}

void AgentPhoneSetupSheet::save() {
  const AgentPhoneSetupDraft current = draft();
  if (!current.canSave(authToken_.get_text().raw())) return;
  error_.setText("");
  auto finished = whileAlive(lifetime_, [this](const auto& result) {
    if (result) return set_visible(false);
    error_.setText(result.error().description());
  });
  if (current.editing) return phone_.updateAgentPhoneRouting(current.routingRequest(), finished);
  const AgentPhoneLinkRequest request = current.linkRequest(authToken_.get_text().raw());
  authToken_.set_text("");
  phone_.connectAgentPhone(request, finished);
}

}  // namespace ondi::ui
