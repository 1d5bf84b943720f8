#include "ui/messaging/MessagingScanCard.h"

#include <gdkmm/clipboard.h>
#include <glibmm/main.h>

#include "core/messaging/IMessageBridgeModel.h"
#include "ui/app/AccessibleName.h"
#include "ui/theme/PanelClasses.h"

namespace ondi::ui {
namespace {

constexpr unsigned kCopiedMilliseconds = 1500;

Gtk::Label& note(const std::string& text) {
  auto* label = Gtk::make_managed<Gtk::Label>(text);
  label->set_xalign(0);
  label->set_wrap(true);
  label->set_max_width_chars(1);
  label->set_hexpand(true);
  label->add_css_class("dim-label");
  return *label;
}

}  // namespace

MessagingScanCard::MessagingScanCard(IMessageBridgeModel& bridge,
                                     std::function<void(const std::string&)> openURL,
                                     std::function<void(const std::string&)> report)
    : Gtk::Box(Gtk::Orientation::VERTICAL, 10),
      bridge_(bridge),
      openURL_(std::move(openURL)),
      report_(std::move(report)) {
  set_name("messaging.scan");
  applyPanelStyle(*this, 12, false);
  code_.set_name("messaging.qr");
  code_.set_halign(Gtk::Align::CENTER);
  setAccessibleName(code_, "QR code of this agent route");
  append(code_);
  placeholder_.set_text("Loading your private agent code");
  placeholder_.add_css_class("dim-label");
  append(placeholder_);
  auto* caption = Gtk::make_managed<Gtk::Label>("Scan this agent route");
  caption->add_css_class("heading");
  append(*caption);
  kind_.set_name("messaging.qr-kind");
  kind_.add_css_class("dim-label");
  append(kind_);
  link_.set_name("messaging.secure-link");
  link_.set_halign(Gtk::Align::CENTER);
  link_.signal_clicked().connect([this] {
    if (const auto url = bridge_.qrURL()) openURL_(*url);
  });
  append(link_);

  append(
      copyRow("messaging.address", "Messages address", address_, copyAddress_, Copied::recipient));
  append(copyRow("messaging.code", "Agent code", routeCode_, copyCode_, Copied::code));

  auto* actions = Gtk::make_managed<Gtk::Box>(Gtk::Orientation::HORIZONTAL, 8);
  regenerate_.set_name("messaging.regenerate");
  regenerate_.signal_clicked().connect([this] { bridge_.rotateCode(); });
  actions->append(regenerate_);
  openMessages_.set_name("messaging.open-messages");
  openMessages_.add_css_class("suggested-action");
  openMessages_.signal_clicked().connect([this] {
    if (const auto problem = bridge_.openMessages()) report_(*problem);
  });
  actions->append(openMessages_);
  append(*actions);
  append(
      note("Regenerating immediately invalidates the old QR, code, and sender bindings. The "
           "sender still chooses Send in Messages."));

  const auto show = [this](const auto&) { showRoute(); };
  connections_.add(bridge_.route.changed().connect(show));
  connections_.add(bridge_.routeState.changed().connect(show));
  showRoute();
}

Gtk::Box& MessagingScanCard::copyRow(const std::string& name, const std::string& title,
                                     Gtk::Label& value, Gtk::Button& copy, Copied which) {
  auto* row = Gtk::make_managed<Gtk::Box>(Gtk::Orientation::HORIZONTAL, 8);
  auto* label = Gtk::make_managed<Gtk::Label>(title);
  label->set_xalign(0);
  label->add_css_class("dim-label");
  row->append(*label);
  value.set_name(name);
  value.set_xalign(1);
  value.set_hexpand(true);
  value.set_selectable(true);
  row->append(value);
  copy.set_name(name + ".copy");
  copy.signal_clicked().connect([this, which] { this->copy(which); });
  row->append(copy);
  return *row;
}

void MessagingScanCard::copy(Copied which) {
  const auto value = which == Copied::code ? bridge_.routeCode() : bridge_.recipient();
  if (!value) return;
  get_clipboard()->set_text(*value);
  copied_ = which;
  copiedTimer_.disconnect();
  copiedTimer_ = Glib::signal_timeout().connect(
      [this] {
        copied_.reset();
        showRoute();
        return false;
      },
      kCopiedMilliseconds);
  showRoute();
}

void MessagingScanCard::showRoute() {
  const auto payload = bridge_.qrPayload();
  if (payload) code_.show(*payload);
  code_.set_visible(payload.has_value());
  placeholder_.set_visible(!payload);

  const bool ready = bridge_.routeState.get().kind == IMessageRouteState::Kind::ready;
  const bool ownRoute = bridge_.hasPrivateRouteQRCode();
  kind_.set_visible(!ownRoute);
  if (ownRoute) {
    link_.set_label(ready ? "Open secure agent route"
                          : "Private route issued — relay setup incomplete");
    link_.set_tooltip_text(ready ? "Open this private route in your browser"
                                 : "Opens this account's private route and explains that "
                                   "Messages setup is incomplete");
  } else {
    kind_.set_text("Setup status QR — not an active route");
    link_.set_label("Open secure messaging handoff");
    link_.set_tooltip_text("Opens Messaging status; this QR is not an active private route");
  }
  link_.set_sensitive(bridge_.qrURL().has_value());

  address_.set_text(bridge_.maskedRecipient());
  routeCode_.set_text(bridge_.routeCode().value_or("Not issued"));
  for (auto [button, which, value, title] :
       {std::tuple{&copyAddress_, Copied::recipient, bridge_.recipient(), "Messages address"},
        std::tuple{&copyCode_, Copied::code, bridge_.routeCode(), "Agent code"}}) {
    const std::string label = copied_ == which ? "Copied" : "Copy";
    button->set_label(label);
    // Set after the label, which would otherwise become the name.
    setAccessibleName(*button, label + " " + title);
    button->set_sensitive(value.has_value());
  }
  regenerate_.set_sensitive(bridge_.route.get() &&
                            bridge_.routeState.get().kind != IMessageRouteState::Kind::rotating);
  openMessages_.set_sensitive(bridge_.recipient() && bridge_.routeCode());
}

}  // namespace ondi::ui
