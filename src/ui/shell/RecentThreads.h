#pragma once

#include <gtkmm/box.h>
#include <gtkmm/button.h>
#include <gtkmm/label.h>

#include <string>

#include "core/util/ScopedConnections.h"

namespace ondi {
class ConversationThreadController;
}

namespace ondi::ui {

// The "Recent" list of the studio sidebar or the unified task column: the saved conversation
// threads the operator page published, buttons that ask the page for a fresh list and start a
// new chat, and a note while
// there are none. Choosing a thread shows it in the agent page. Widget names start with
// `namePrefix`, the place the list is in.
class RecentThreads : public Gtk::Box {
 public:
  RecentThreads(ConversationThreadController& threads, const std::string& namePrefix);

 private:
  void showThreads();

  ConversationThreadController& threads_;
  const std::string namePrefix_;
  Gtk::Button refresh_;
  Gtk::Button newChat_;
  Gtk::Box list_{Gtk::Orientation::VERTICAL, 2};
  Gtk::Box empty_{Gtk::Orientation::VERTICAL, 2};
  ScopedConnections connections_;
};

}  // namespace ondi::ui
