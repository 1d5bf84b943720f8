#include "ui/phone/AgentPhoneConfirmation.h"

#include <gtkmm/box.h>

namespace ondi::ui {

AgentPhoneConfirmation::AgentPhoneConfirmation(const std::string& name, const Texts& texts) {
  set_name(name);
  set_title(texts.title);
  set_modal(true);
  set_hide_on_close(true);
  set_resizable(false);
  set_default_size(420, -1);

  auto* content = Gtk::make_managed<Gtk::Box>(Gtk::Orientation::VERTICAL, 12);
  content->set_margin(24);
  auto* title = Gtk::make_managed<Gtk::Label>(texts.title);
  title->set_xalign(0);
  title->add_css_class("title-3");
  content->append(*title);
  message_.set_name(name + ".message");
  message_.set_xalign(0);
  message_.set_wrap(true);
  message_.set_max_width_chars(48);
  content->append(message_);

  auto* buttons = Gtk::make_managed<Gtk::Box>(Gtk::Orientation::HORIZONTAL, 8);
  buttons->set_halign(Gtk::Align::END);
  buttons->set_margin_top(8);
  cancel_.set_name(name + ".cancel");
  cancel_.set_label("Cancel");
  confirm_.set_name(name + ".confirm");
  confirm_.set_label(texts.confirmLabel);
  confirm_.add_css_class(texts.destructive ? "destructive-action" : "suggested-action");
  cancel_.signal_clicked().connect([this] { set_visible(false); });
  confirm_.signal_clicked().connect([this] {
    set_visible(false);
    if (auto confirmed = std::move(confirmed_)) confirmed();
  });
  buttons->append(cancel_);
  buttons->append(confirm_);
  content->append(*buttons);
  set_child(*content);
  // The safe answer is the one Enter gives.
  set_default_widget(cancel_);
}

void AgentPhoneConfirmation::ask(Gtk::Window& parent, const std::string& message,
                                 std::function<void()> confirmed) {
  confirmed_ = std::move(confirmed);
  message_.set_text(message);
  set_transient_for(parent);
  present();
}

}  // namespace ondi::ui
