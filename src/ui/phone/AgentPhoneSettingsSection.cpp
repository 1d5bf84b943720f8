#include "ui/phone/AgentPhoneSettingsSection.h"

#include <gtkmm/spinner.h>

#include "core/account/AccountState.h"
#include "core/phone/AgentPhoneController.h"
#include "core/shell/SymbolIcons.h"
#include "ui/app/AccessibleName.h"
#include "ui/phone/AgentPhoneConfirmation.h"
#include "ui/phone/AgentPhoneOutboundSheet.h"
#include "ui/phone/AgentPhoneSetupSheet.h"
#include "ui/phone/PhoneStyle.h"
#include "ui/settings/SettingsText.h"

namespace ondi::ui {

AgentPhoneSettingsSection::AgentPhoneSettingsSection(
    AgentPhoneController& phone, std::function<void(const std::string&)> openURL)
    : Gtk::Box(Gtk::Orientation::VERTICAL, 12),
      phone_(phone),
      bound_(phone.account(), "phone", "Sign in to connect a phone number to an agent."),
      error_("phone.error", iconName("exclamationmark.triangle"), "error"),
      empty_({[this] { phone_.refreshAgentPhone(); }, [this] { presentSetup(false); },
              std::move(openURL)}),
      card_({[this] { presentOutbound(); }, [this] { presentSetup(true); },
             [this] { confirmDisconnect(); }, [this] { phone_.refreshAgentPhone(); }}) {
  installPhoneStyle();
  set_name("agent-phone-section");
  appendSectionHeading(*this, "Agent phone");

  loading_.set_name("phone.loading");
  auto* spinner = Gtk::make_managed<Gtk::Spinner>();
  spinner->start();
  hideFromAssistiveTechnology(*spinner);
  loading_.append(*spinner);
  auto* checking = Gtk::make_managed<Gtk::Label>("Checking agent phone…");
  checking->add_css_class("dim-label");
  loading_.append(*checking);
  Gtk::Box& content = bound_.content();
  content.append(loading_);
  content.append(error_);
  content.append(empty_);
  content.append(card_);
  append(bound_);

  connections_.add(phone_.agentPhoneState.changed().connect([this](const auto&) { showState(); }));
  connections_.add(phone_.agentPhoneError.changed().connect([this](const auto&) { showState(); }));
  connections_.add(
      phone_.isAgentPhoneActionInFlight.changed().connect([this](bool) { showActions(); }));
  connections_.add(phone_.account().workspaceSessionState.changed().connect(
      [this](const auto&) { showState(); }));
  signal_map().connect([this] {
    if (phone_.isSignedIn() && !phone_.agentPhoneState.get().loaded) phone_.refreshAgentPhone();
  });
  showState();
  showActions();
}

AgentPhoneSettingsSection::~AgentPhoneSettingsSection() = default;

void AgentPhoneSettingsSection::showState() {
  const AgentPhoneState& state = phone_.agentPhoneState.get();
  const std::string& error = phone_.agentPhoneError.get();
  error_.setText(error);
  // A first load that failed shows its reason with the empty state, whose button tries again.
  const bool settled = state.loaded || !error.empty();
  loading_.set_visible(!settled);
  empty_.set_visible(settled && !state.line);
  card_.set_visible(settled && state.line.has_value());
  if (!settled) return;
  if (state.line) {
    card_.show(state);
  } else {
    empty_.show(state);
  }
}

void AgentPhoneSettingsSection::showActions() {
  const bool enabled = !phone_.isAgentPhoneActionInFlight.get();
  empty_.setActionsEnabled(enabled);
  card_.setActionsEnabled(enabled);
}

Gtk::Window* AgentPhoneSettingsSection::window() {
  return dynamic_cast<Gtk::Window*>(get_root());
}

void AgentPhoneSettingsSection::presentSetup(bool editing) {
  Gtk::Window* parent = window();
  if (!parent) return;
  if (!setup_) setup_ = std::make_unique<AgentPhoneSetupSheet>(phone_);
  setup_->present(*parent, editing ? phone_.agentPhoneState.get().line : std::nullopt);
}

void AgentPhoneSettingsSection::presentOutbound() {
  Gtk::Window* parent = window();
  if (!parent) return;
  if (!outbound_) outbound_ = std::make_unique<AgentPhoneOutboundSheet>(phone_);
  outbound_->present(*parent);
}

void AgentPhoneSettingsSection::confirmDisconnect() {
  Gtk::Window* parent = window();
  if (!parent) return;
  if (!disconnect_) {
    disconnect_ = std::make_unique<AgentPhoneConfirmation>(
        "phone.disconnect-confirmation",
        AgentPhoneConfirmation::Texts{"Disconnect this agent number?", "Disconnect number", true});
  }
  disconnect_->ask(*parent,
                   "Ondi will remove its Voice URL from Twilio and delete the encrypted "
                   "credential. The Twilio number itself will not be released.",
                   [this] { phone_.disconnectAgentPhone([](const auto&) {}); });
}

}  // namespace ondi::ui
