#pragma once

#include <optional>
#include <string>

namespace ondi {

// Services of the desktop around the program.
class SystemServices {
 public:
  virtual ~SystemServices() = default;
  // Hands an address (mailto:, tel:, https:) to the system's default handler.
  virtual void openWithDefaultHandler(const std::string& url) = 0;
  // Whether the desktop names an application for the address's scheme. A launch through the
  // desktop portal reports success even when nothing handles the scheme, so callers ask first.
  virtual bool hasDefaultHandler(const std::string& url) const = 0;
  // Puts plain text on the clipboard, or empties it when there is none.
  virtual void setClipboardText(const std::optional<std::string>& text) = 0;
};

}  // namespace ondi
