#include "ui/phone/AgentPhoneOutboundSheet.h"

#include <gtkmm/box.h>
#include <gtkmm/label.h>

#include "core/phone/AgentPhoneController.h"
#include "core/phone/AgentPhoneDisplay.h"
#include "core/shell/SymbolIcons.h"
#include "core/util/Text.h"
#include "ui/app/AccessibleName.h"
#include "ui/phone/PhoneStyle.h"

namespace ondi::ui {
namespace {

void appendCaption(Gtk::Box& box, const std::string& text) {
  auto* caption = Gtk::make_managed<Gtk::Label>(text);
  caption->set_xalign(0);
  caption->add_css_class("caption");
  box.append(*caption);
}

}  // namespace

AgentPhoneOutboundSheet::AgentPhoneOutboundSheet(AgentPhoneController& phone)
    : phone_(phone),
      error_("phone.outbound.error", iconName("exclamationmark.triangle"), "error"),
      confirmation_("phone.outbound.confirmation", {"Place this external call?", "Place call"}) {
  installPhoneStyle();
  set_name("phone.outbound");
  set_title("Place outbound call");
  set_modal(true);
  set_hide_on_close(true);
  set_default_size(460, -1);

  auto* content = Gtk::make_managed<Gtk::Box>(Gtk::Orientation::VERTICAL, 10);
  content->set_margin(20);
  auto* title = Gtk::make_managed<Gtk::Label>("Place outbound call");
  title->set_xalign(0);
  title->add_css_class("title-3");
  content->append(*title);

  appendCaption(*content, "Destination");
  destination_.set_name("phone.outbound.destination");
  destination_.set_placeholder_text("+14155550101");
  setAccessibleName(destination_, "Destination");
  content->append(destination_);
  appendCaption(*content, "Purpose");
  purpose_.set_name("phone.outbound.purpose");
  purpose_.set_wrap_mode(Gtk::WrapMode::WORD_CHAR);
  purpose_.set_size_request(-1, 96);
  purpose_.add_css_class("card");
  setAccessibleName(purpose_, "Purpose");
  content->append(purpose_);
  appendPhoneNote(*content,
                  "The assigned agent receives this as its call objective and introduces itself "
                  "when the call is answered.");
  appendPhoneNote(*content,
                  "This places a real external call through Twilio. Provider and OpenAI usage "
                  "charges may apply.");
  content->append(error_);

  auto* buttons = Gtk::make_managed<Gtk::Box>(Gtk::Orientation::HORIZONTAL, 8);
  buttons->set_halign(Gtk::Align::END);
  buttons->set_margin_top(8);
  cancel_.set_name("phone.outbound.cancel");
  cancel_.set_label("Cancel");
  cancel_.signal_clicked().connect([this] { set_visible(false); });
  review_.set_name("phone.outbound.review");
  review_.set_label("Review call…");
  review_.add_css_class("suggested-action");
  review_.signal_clicked().connect([this] { review(); });
  buttons->append(cancel_);
  buttons->append(review_);
  content->append(*buttons);
  set_child(*content);

  destination_.signal_changed().connect([this] { updateReview(); });
  purpose_.get_buffer()->signal_changed().connect([this] { updateReview(); });
  connections_.add(
      phone_.isAgentPhoneActionInFlight.changed().connect([this](bool) { updateReview(); }));
}

void AgentPhoneOutboundSheet::present(Gtk::Window& parent) {
  destination_.set_text("");
  purpose_.get_buffer()->set_text("");
  error_.setText("");
  updateReview();
  set_transient_for(parent);
  Gtk::Window::present();
}

std::string AgentPhoneOutboundSheet::destination() const {
  return trimmedWhitespace(destination_.get_text().raw());
}

std::string AgentPhoneOutboundSheet::purpose() const {
  return trimmedWhitespace(purpose_.get_buffer()->get_text().raw());
}

void AgentPhoneOutboundSheet::updateReview() {
  review_.set_sensitive(!phone_.isAgentPhoneActionInFlight.get() && !destination().empty() &&
                        !purpose().empty());
}

void AgentPhoneOutboundSheet::review() {
  const auto& line = phone_.agentPhoneState.get().line;
  const std::string agent = line ? line->agentName : "The assigned agent";
  confirmation_.ask(*this, AgentPhoneDisplay::outboundConfirmation(agent, destination()),
                    [this] { place(); });
}

void AgentPhoneOutboundSheet::place() {
  error_.setText("");
  phone_.placeAgentPhoneCall({destination(), purpose()},
                             whileAlive(lifetime_, [this](const auto& result) {
                               if (result) return set_visible(false);
                               error_.setText(result.error().description());
                             }));
}

}  // namespace ondi::ui
