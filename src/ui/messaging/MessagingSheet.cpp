#include "ui/messaging/MessagingSheet.h"

#include <gtkmm/box.h>
#include <gtkmm/scrolledwindow.h>
#include <gtkmm/stringlist.h>

#include "core/messaging/MessageComposer.h"
#include "core/shell/ShellController.h"
#include "ui/app/AccessibleName.h"

namespace ondi::ui {
namespace {

Glib::RefPtr<Gtk::StringList> channelNames() {
  auto names = Gtk::StringList::create({});
  for (const MessagingChannel channel : kMessagingChannels) names->append(rawValue(channel));
  return names;
}

// The field's heading; the field carries the same words as its own accessible name.
Gtk::Label& fieldLabel(const std::string& text) {
  auto* label = Gtk::make_managed<Gtk::Label>(text);
  label->set_xalign(0);
  label->add_css_class("heading");
  return *label;
}

}  // namespace

MessagingSheet::MessagingSheet(ShellController& shell, MessageComposer& composer,
                               Gtk::Window& parent)
    : shell_(shell), composer_(composer), channel_(channelNames()) {
  set_name("messaging-sheet");
  set_title("Messaging");
  set_transient_for(parent);
  set_modal(true);
  set_hide_on_close(true);
  set_default_size(480, -1);

  auto* content = Gtk::make_managed<Gtk::Box>(Gtk::Orientation::VERTICAL, 10);
  content->set_margin(20);
  auto* title = Gtk::make_managed<Gtk::Label>("Messaging");
  title->set_xalign(0);
  title->add_css_class("title-3");
  content->append(*title);
  auto* subtitle = Gtk::make_managed<Gtk::Label>("iMessage, SMS, and WhatsApp");
  subtitle->set_xalign(0);
  subtitle->add_css_class("dim-label");
  content->append(*subtitle);

  channel_.set_name("messaging-sheet.channel");
  nameDropDown(channel_, "Channel");
  channel_.property_selected().signal_changed().connect([this] {
    const auto index = channel_.get_selected();
    if (index < std::size(kMessagingChannels)) composer_.channel.set(kMessagingChannels[index]);
  });
  content->append(fieldLabel("Channel"));
  content->append(channel_);

  recipient_.set_name("messaging-sheet.recipient");
  recipient_.set_placeholder_text("Phone number or Apple ID");
  setAccessibleName(recipient_, "Recipient");
  recipient_.signal_changed().connect([this] { composer_.recipient.set(recipient_.get_text()); });
  recipient_.signal_activate().connect([this] { composer_.open(); });
  content->append(fieldLabel("Recipient"));
  content->append(recipient_);

  message_.set_name("messaging-sheet.message");
  message_.set_wrap_mode(Gtk::WrapMode::WORD_CHAR);
  setAccessibleName(message_, "Message");
  message_.get_buffer()->signal_changed().connect(
      [this] { composer_.message.set(message_.get_buffer()->get_text()); });
  auto* scroller = Gtk::make_managed<Gtk::ScrolledWindow>();
  scroller->set_min_content_height(96);
  scroller->set_child(message_);
  scroller->add_css_class("frame");
  nameScrollBars(*scroller, "Message");
  content->append(fieldLabel("Message"));
  content->append(*scroller);

  status_.set_name("messaging-sheet.status");
  status_.set_xalign(0);
  status_.set_wrap(true);
  status_.set_max_width_chars(1);
  status_.add_css_class("dim-label");
  content->append(status_);

  auto* buttons = Gtk::make_managed<Gtk::Box>(Gtk::Orientation::HORIZONTAL, 8);
  buttons->set_halign(Gtk::Align::END);
  cancel_.set_name("messaging-sheet.cancel");
  cancel_.signal_clicked().connect([this] { shell_.isMessagingPresented.set(false); });
  buttons->append(cancel_);
  open_.set_name("messaging-sheet.open");
  open_.add_css_class("suggested-action");
  open_.signal_clicked().connect([this] { composer_.open(); });
  buttons->append(open_);
  content->append(*buttons);
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
  connections_.add(composer_.channel.changed().connect([this](auto) { showChannel(); }));
  connections_.add(composer_.recipient.changed().connect([this](auto&) { showChannel(); }));
  connections_.add(composer_.status.changed().connect([this](const std::string& status) {
    status_.set_text(status);
    status_.set_visible(!status.empty());
  }));
  status_.set_visible(false);
  showChannel();
}

void MessagingSheet::showChannel() {
  const MessagingChannel channel = composer_.channel.get();
  open_.set_label("Open " + rawValue(channel));
  open_.set_sensitive(composer_.recipient.get().find_first_not_of(" \t\r\n") != std::string::npos);
}

}  // namespace ondi::ui
