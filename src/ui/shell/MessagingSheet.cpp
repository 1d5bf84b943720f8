#include "ui/shell/MessagingSheet.h"

#include <gtkmm/box.h>

#include "core/shell/ShellController.h"
#include "ui/shell/UnavailableScreen.h"

namespace ondi::ui {

MessagingSheet::MessagingSheet(ShellController& shell, Gtk::Window& parent) : shell_(shell) {
  set_name("messaging-sheet");
  set_title("Messaging");
  set_transient_for(parent);
  set_modal(true);
  set_hide_on_close(true);
  set_default_size(560, 420);

  auto* content = Gtk::make_managed<Gtk::Box>(Gtk::Orientation::VERTICAL, 12);
  content->append(*Gtk::make_managed<UnavailableScreen>(
      "messaging-sheet.screen", "Messaging", "iMessage agent", "bubble.left.and.bubble.right"));
  done_.set_name("messaging-sheet.done");
  done_.set_label("Done");
  done_.set_halign(Gtk::Align::END);
  done_.set_margin(16);
  done_.signal_clicked().connect([this] { shell_.isMessagingPresented.set(false); });
  content->append(done_);
  set_child(*content);

  signal_close_request().connect(
      [this] {
        shell_.isMessagingPresented.set(false);
        return false;
      },
      false);
  connections_.add(shell_.isMessagingPresented.changed().connect([this](bool presented) {
    if (presented) {
      present();
    } else {
      set_visible(false);
    }
  }));
}

}  // namespace ondi::ui
