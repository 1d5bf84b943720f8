#pragma once

#include <gtkmm/box.h>
#include <gtkmm/label.h>

#include "core/util/ScopedConnections.h"
#include "ui/settings/AccountBoundContent.h"

namespace ondi {
struct AccountState;
}

namespace ondi::ui {

// The "Conversation history" settings section: where the signed-in account's chats are kept,
// and whether they are isolated to the account and can be resumed.
class ConversationHistorySection : public Gtk::Box {
 public:
  explicit ConversationHistorySection(const AccountState& account);

 private:
  void showStatus();

  const AccountState& account_;
  AccountBoundContent bound_;
  Gtk::Label* storage_ = nullptr;
  Gtk::Label* isolation_ = nullptr;
  Gtk::Label* resume_ = nullptr;
  ScopedConnections connections_;
};

}  // namespace ondi::ui
