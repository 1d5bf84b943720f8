#pragma once

#include <gtkmm/box.h>
#include <gtkmm/label.h>

namespace ondi::ui {

// How the route looks in Messages: the sender's first message and the agent's reply, with
// what makes delivery blue, and a chip saying whether the relay is online.
class MessagingConversationCard : public Gtk::Box {
 public:
  MessagingConversationCard();
  void showRelay(bool online);

 private:
  Gtk::Label relay_;
};

}  // namespace ondi::ui
