#include "ui/settings/ConversationHistorySection.h"

#include "core/account/AccountState.h"
#include "ui/settings/SettingsText.h"

namespace ondi::ui {
namespace {
const char* availability(bool available) {
  return available ? "Enabled" : "Unavailable";
}
}  // namespace

ConversationHistorySection::ConversationHistorySection(const AccountState& account)
    : Gtk::Box(Gtk::Orientation::VERTICAL, 12),
      account_(account),
      bound_(account, "conversation-history",
             "Sign in to save and resume account-specific chat and huddle sessions.") {
  set_name("conversation-history-section");
  appendSectionHeading(*this, "Conversation history");
  Gtk::Box& content = bound_.content();
  storage_ = &appendValueRow(content, "Storage", "conversation-history.storage");
  isolation_ = &appendValueRow(content, "Account isolation", "conversation-history.isolation");
  resume_ = &appendValueRow(content, "Resume old sessions", "conversation-history.resume");
  appendExplanation(content,
                    "Every chat and huddle transcript is saved to this signed-in Ondi account. "
                    "Select an earlier conversation in the Agent sidebar to reopen it and "
                    "continue with its existing context.");
  append(bound_);
  connections_.add(
      account_.conversationHistoryStatus.changed().connect([this](const auto&) { showStatus(); }));
  showStatus();
}

void ConversationHistorySection::showStatus() {
  const ConversationHistoryStatus& status = account_.conversationHistoryStatus.get();
  storage_->set_text(status.enabled ? status.providerLabel() : "Unavailable");
  isolation_->set_text(availability(status.enabled && status.accountScoped));
  resume_->set_text(availability(status.enabled && status.resumable));
}

}  // namespace ondi::ui
