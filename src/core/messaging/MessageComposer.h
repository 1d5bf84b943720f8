#pragma once

#include <string>

#include "core/messaging/MessageLinks.h"
#include "core/published/Published.h"

namespace ondi {

class SystemServices;

// The compose sheet's state: a message handed to Messages or WhatsApp, never sent from here.
class MessageComposer {
 public:
  explicit MessageComposer(SystemServices& system) : system_(system) {}

  Published<MessagingChannel> channel{MessagingChannel::iMessage};
  Published<std::string> recipient;
  Published<std::string> message;
  // What the last "Open" did.
  Published<std::string> status;

  void open() { status.set(openMessage(system_, channel.get(), recipient.get(), message.get())); }

 private:
  SystemServices& system_;
};

}  // namespace ondi
