#pragma once

#include <string>

namespace ondi {

class SystemServices;

// The apps the compose sheet hands a message to, in the order it offers them.
enum class MessagingChannel { iMessage, sms, whatsApp };

inline constexpr MessagingChannel kMessagingChannels[] = {
    MessagingChannel::iMessage, MessagingChannel::sms, MessagingChannel::whatsApp};

// "iMessage", "SMS" or "WhatsApp": the channel's stored value and its shown name.
std::string rawValue(MessagingChannel channel);
std::string channelSymbol(MessagingChannel channel);

// "<scheme>:<recipient>" with "?body=<message>" when there is a message, both percent-encoded.
// The body is encoded as one query value, so an "&", "=" or "#" in it stays part of it.
std::string messagesURL(const std::string& scheme, const std::string& recipient,
                        const std::string& message);

// Hands a message to the channel's app: the message goes on the clipboard (which is emptied
// first), then the app's address is opened when this computer has an app for it; WhatsApp
// falls back to its public web link. Returns the sentence the sheet shows, or nothing when the
// recipient is empty.
std::string openMessage(SystemServices& system, MessagingChannel channel,
                        const std::string& recipient, const std::string& message);

}  // namespace ondi
