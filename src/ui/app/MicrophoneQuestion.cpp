#include "ui/app/MicrophoneQuestion.h"

#include <gtkmm/box.h>
#include <gtkmm/label.h>

#include "core/voice/MicrophoneConsent.h"
#include "ui/app/AccessibleName.h"

namespace ondi::ui {

MicrophoneQuestion::MicrophoneQuestion(MicrophoneConsent& consent, Gtk::Window& parent)
    : consent_(consent) {
  set_name("microphone-question");
  set_title("Microphone");
  set_transient_for(parent);
  set_modal(true);
  set_hide_on_close(true);
  set_resizable(false);
  set_default_size(420, -1);

  auto* content = Gtk::make_managed<Gtk::Box>(Gtk::Orientation::VERTICAL, 12);
  content->set_margin(24);
  auto* title = Gtk::make_managed<Gtk::Label>("Allow Ondi to use the microphone?");
  title->set_xalign(0);
  title->add_css_class("title-3");
  content->append(*title);
  auto* detail = Gtk::make_managed<Gtk::Label>(
      "Huddles and dictation listen through your microphone, only while they run. You can "
      "change this at any time in Settings → Privacy → Microphone.");
  detail->set_xalign(0);
  detail->set_wrap(true);
  detail->set_max_width_chars(48);
  content->append(*detail);

  auto* buttons = Gtk::make_managed<Gtk::Box>(Gtk::Orientation::HORIZONTAL, 8);
  buttons->set_halign(Gtk::Align::END);
  buttons->set_margin_top(8);
  deny_.set_name("microphone-question.deny");
  deny_.set_label("Don't Allow");
  allow_.set_name("microphone-question.allow");
  allow_.set_label("Allow");
  allow_.add_css_class("suggested-action");
  deny_.signal_clicked().connect([this] { finish(false); });
  allow_.signal_clicked().connect([this] { finish(true); });
  buttons->append(deny_);
  buttons->append(allow_);
  content->append(*buttons);
  set_child(*content);
  set_default_widget(allow_);

  signal_close_request().connect(
      [this] {
        finish(std::nullopt);
        return false;
      },
      false);
  consent_.setQuestion([this](auto answer) { ask(std::move(answer)); });
}

MicrophoneQuestion::~MicrophoneQuestion() {
  consent_.setQuestion({});
}

void MicrophoneQuestion::ask(std::function<void(std::optional<bool>)> answer) {
  answer_ = std::move(answer);
  present();
}

void MicrophoneQuestion::finish(std::optional<bool> allowed) {
  auto answer = std::move(answer_);
  answer_ = nullptr;
  set_visible(false);
  if (answer) answer(allowed);
}

}  // namespace ondi::ui
