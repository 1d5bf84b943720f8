#include "ui/phone/AgentPhoneCallRow.h"

#include <gtkmm/image.h>
#include <gtkmm/label.h>

#include "core/phone/AgentPhoneRecords.h"
#include "core/shell/SymbolIcons.h"
#include "ui/app/AccessibleName.h"

namespace ondi::ui {
namespace {

Gtk::Label& line(Gtk::Box& box, const std::string& text, const char* style) {
  auto* label = Gtk::make_managed<Gtk::Label>(text);
  label->set_xalign(0);
  label->set_ellipsize(Pango::EllipsizeMode::END);
  label->add_css_class(style);
  box.append(*label);
  return *label;
}

}  // namespace

AgentPhoneCallRow::AgentPhoneCallRow(const AgentPhoneCall& call)
    : Gtk::Box(Gtk::Orientation::HORIZONTAL, 12) {
  set_name("phone.call." + call.id);
  add_css_class("ondi-phone-call");
  auto* icon = Gtk::make_managed<Gtk::Image>();
  icon->set_from_icon_name(
      iconName(call.isInbound() ? "phone.arrow.down.left" : "phone.arrow.up.right"));
  icon->set_valign(Gtk::Align::START);
  hideFromAssistiveTechnology(*icon);
  append(*icon);

  auto* texts = Gtk::make_managed<Gtk::Box>(Gtk::Orientation::VERTICAL, 2);
  texts->set_hexpand(true);
  line(*texts, call.maskedRemoteNumber, "heading").set_name("phone.call.number");
  line(*texts, call.agentName, "caption");
  if (!call.purpose.empty()) line(*texts, call.purpose, "dim-label").set_name("phone.call.purpose");
  append(*texts);

  auto* facts = Gtk::make_managed<Gtk::Box>(Gtk::Orientation::VERTICAL, 2);
  line(*facts, call.status, "caption").set_name("phone.call.status");
  const std::string when = call.timestampLabel();
  line(*facts, when, "dim-label").set_name("phone.call.time");
  for (Gtk::Widget* child = facts->get_first_child(); child; child = child->get_next_sibling()) {
    dynamic_cast<Gtk::Label&>(*child).set_xalign(1);
  }
  append(*facts);

  setAccessibleName(*this,
                    std::string(call.isInbound() ? "Inbound call from " : "Outbound call to ") +
                        call.maskedRemoteNumber + ", " + call.status + ", " + when);
}

}  // namespace ondi::ui
