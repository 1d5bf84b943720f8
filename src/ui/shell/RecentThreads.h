#pragma once

#include <gtkmm/box.h>
#include <gtkmm/button.h>
#include <gtkmm/label.h>

#include "core/util/ScopedConnections.h"

namespace ondi {
class ConversationThreadController;
}

namespace ondi::ui {

// The sidebar's "Recent" list: the saved conversation threads the operator page published,
// a button that starts a new chat, and a note while there are none. Choosing a thread shows
// it in the agent page.
class RecentThreads : public Gtk::Box {
 public:
  explicit RecentThreads(ConversationThreadController& threads);

 private:
  void showThreads();

  ConversationThreadController& threads_;
  Gtk::Button newChat_;
  Gtk::Box list_{Gtk::Orientation::VERTICAL, 2};
  Gtk::Box empty_{Gtk::Orientation::VERTICAL, 2};
  ScopedConnections connections_;
};

}  // namespace ondi::ui
