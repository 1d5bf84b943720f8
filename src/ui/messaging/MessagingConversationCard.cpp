#include "ui/messaging/MessagingConversationCard.h"

#include "ui/messaging/MessagingStyle.h"
#include "ui/theme/PanelClasses.h"

namespace ondi::ui {
namespace {

Gtk::Label& line(const std::string& text, const char* style) {
  auto* label = Gtk::make_managed<Gtk::Label>(text);
  label->set_xalign(0);
  label->set_wrap(true);
  label->set_max_width_chars(1);
  label->set_hexpand(true);
  if (style) label->add_css_class(style);
  return *label;
}

Gtk::Label& bubble(const std::string& text, bool fromSender) {
  auto* label = Gtk::make_managed<Gtk::Label>(text);
  label->set_wrap(true);
  label->set_max_width_chars(28);
  label->add_css_class("ondi-bubble");
  label->add_css_class(fromSender ? "sender" : "agent");
  label->set_halign(fromSender ? Gtk::Align::END : Gtk::Align::START);
  return *label;
}

}  // namespace

MessagingConversationCard::MessagingConversationCard() : Gtk::Box(Gtk::Orientation::VERTICAL, 8) {
  installMessagingStyle();
  set_name("messaging.conversation");
  applyPanelStyle(*this, 12, false);
  auto* header = Gtk::make_managed<Gtk::Box>(Gtk::Orientation::HORIZONTAL, 8);
  header->append(line("How it appears in Messages", "heading"));
  relay_.set_name("messaging.relay-chip");
  relay_.add_css_class("ondi-chip");
  relay_.set_valign(Gtk::Align::START);
  header->append(relay_);
  append(*header);
  append(bubble("Connect me to TELVORIX", true));
  append(bubble("You're connected to TELVORIX. What should I handle?", false));
  append(line("The sender's iMessage is blue; TELVORIX replies as the incoming conversation.",
              "dim-label"));
  append(
      line("Blue delivery is real only when the configured address is registered with "
           "iMessage and the Mac relay is online. A Twilio SMS number will remain green.",
           "dim-label"));
  showRelay(false);
}

void MessagingConversationCard::showRelay(bool online) {
  relay_.set_text(online ? "Relay online" : "Relay check");
}

}  // namespace ondi::ui
