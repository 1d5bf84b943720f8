#include "ui/phone/AgentPhoneEmptyState.h"

#include <gtkmm/image.h>
#include <gtkmm/label.h>

#include "core/phone/AgentPhoneRecords.h"
#include "core/shell/SymbolIcons.h"
#include "ui/app/AccessibleName.h"
#include "ui/app/IconLabel.h"
#include "ui/phone/PhoneStyle.h"
#include "ui/theme/PanelClasses.h"

namespace ondi::ui {
namespace {
constexpr const char* kTwilioConsole = "https://console.twilio.com";
}

AgentPhoneEmptyState::AgentPhoneEmptyState(Actions actions)
    : Gtk::Box(Gtk::Orientation::VERTICAL, 10),
      readiness_("phone.empty.readiness", "Voice backend ready") {
  set_name("phone.empty");
  applyPanelStyle(*this, 14, false);
  auto* symbol = Gtk::make_managed<Gtk::Image>();
  symbol->set_from_icon_name(iconName("phone.badge.plus"));
  symbol->set_pixel_size(32);
  symbol->set_halign(Gtk::Align::START);
  symbol->add_css_class("ondi-phone-empty-symbol");
  hideFromAssistiveTechnology(*symbol);
  append(*symbol);
  auto* title = Gtk::make_managed<Gtk::Label>("Give an agent a real phone number");
  title->set_xalign(0);
  title->set_wrap(true);
  title->add_css_class("title-4");
  append(*title);
  appendPhoneNote(*this,
                  "Connect a Twilio number for signed inbound routing and user-approved outbound "
                  "calls through OpenAI Realtime.");

  console_.set_name("phone.twilio-console");
  console_.set_label("Open the Twilio console");
  console_.add_css_class("link");
  console_.set_halign(Gtk::Align::START);
  console_.set_tooltip_text(kTwilioConsole);
  console_.signal_clicked().connect([open = actions.openURL] { open(kTwilioConsole); });
  append(console_);
  append(readiness_);

  auto* buttons = Gtk::make_managed<Gtk::Box>(Gtk::Orientation::HORIZONTAL, 8);
  refresh_.set_name("phone.empty.refresh");
  setIconAndLabel(refresh_, "arrow.clockwise", "Refresh phone status");
  refresh_.signal_clicked().connect(actions.refresh);
  connect_.set_name("phone.connect");
  setIconAndLabel(connect_, "plus", "Connect Twilio number…");
  connect_.add_css_class("suggested-action");
  connect_.signal_clicked().connect(actions.connect);
  buttons->append(refresh_);
  buttons->append(connect_);
  append(*buttons);
}

void AgentPhoneEmptyState::show(const AgentPhoneState& state) {
  readiness_.show(state.configuration);
}

void AgentPhoneEmptyState::setActionsEnabled(bool enabled) {
  refresh_.set_sensitive(enabled);
  connect_.set_sensitive(enabled);
}

}  // namespace ondi::ui
