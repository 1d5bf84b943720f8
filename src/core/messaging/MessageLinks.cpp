#include "core/messaging/MessageLinks.h"

#include <glib.h>

#include "core/ports/SystemServices.h"
#include "core/util/GlibHandles.h"
#include "core/util/Text.h"

namespace ondi {
namespace {

// Characters left as they are: a path's sub-delimiters for the recipient; for a query value the
// same without "&", "=", "+" and "#", which would end or change it.
constexpr const char* kPathAllowed = "!$&'()*+,;=:@/";
constexpr const char* kQueryValueAllowed = "!$'()*,;:@/?";

std::string escaped(const std::string& text, const char* allowed) {
  return glib::takeString(g_uri_escape_string(text.c_str(), allowed, FALSE));
}

std::string digitsOf(const std::string& text) {
  std::string digits;
  for (char c : text) {
    if (c >= '0' && c <= '9') digits += c;
  }
  return digits;
}

// The first of the addresses this computer can open, opened; false when none can be.
bool openFirstHandled(SystemServices& system, std::initializer_list<std::string> urls) {
  for (const std::string& url : urls) {
    if (system.hasDefaultHandler(url)) {
      system.openWithDefaultHandler(url);
      return true;
    }
  }
  return false;
}

}  // namespace

std::string rawValue(MessagingChannel channel) {
  switch (channel) {
    case MessagingChannel::iMessage:
      return "iMessage";
    case MessagingChannel::sms:
      return "SMS";
    case MessagingChannel::whatsApp:
      break;
  }
  return "WhatsApp";
}

std::string channelSymbol(MessagingChannel channel) {
  switch (channel) {
    case MessagingChannel::iMessage:
      return "message";
    case MessagingChannel::sms:
      return "text.bubble";
    case MessagingChannel::whatsApp:
      break;
  }
  return "phone.bubble.left";
}

std::string messagesURL(const std::string& scheme, const std::string& recipient,
                        const std::string& message) {
  std::string url = scheme + ":" + escaped(recipient, kPathAllowed);
  if (!message.empty()) url += "?body=" + escaped(message, kQueryValueAllowed);
  return url;
}

std::string openMessage(SystemServices& system, MessagingChannel channel,
                        const std::string& recipient, const std::string& message) {
  const std::string to = trimmedWhitespace(recipient);
  if (to.empty()) return "";
  system.setClipboardText(std::nullopt);
  if (!message.empty()) system.setClipboardText(message);

  bool opened = false;
  if (channel == MessagingChannel::whatsApp) {
    const std::string digits = digitsOf(to);
    const std::string text = escaped(message, kQueryValueAllowed);
    opened = openFirstHandled(system, {"whatsapp://send?phone=" + digits + "&text=" + text,
                                       "https://wa.me/" + digits + "?text=" + text});
  } else {
    opened = openFirstHandled(
        system,
        {messagesURL(channel == MessagingChannel::iMessage ? "imessage" : "sms", to, message)});
  }
  const std::string name = rawValue(channel);
  return opened ? "Opened " + name + ". The message was also copied to the clipboard."
                : "Could not open " + name +
                      ". Check that the app is installed and the recipient is valid.";
}

}  // namespace ondi
