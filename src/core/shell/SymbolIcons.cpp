#include "core/shell/SymbolIcons.h"

#include <map>

namespace ondi {

std::string iconName(const std::string& symbol) {
  static const std::map<std::string, std::string> icons{
      {"house", "go-home-symbolic"},
      {"message", "chat-message-new-symbolic"},
      {"bubble.left.and.bubble.right", "mail-send-receive-symbolic"},
      {"point.3.connected.trianglepath.dotted", "network-workgroup-symbolic"},
      {"wand.and.stars", "starred-symbolic"},
      {"safari", "web-browser-symbolic"},
      {"phone", "call-start-symbolic"},
      {"creditcard", "auth-smartcard-symbolic"},
      {"checkmark", "object-select-symbolic"},
      {"questionmark.circle", "dialog-question-symbolic"},
      {"plus", "list-add-symbolic"},
      {"sidebar.right", "sidebar-show-right-symbolic"},
      {"clock", "document-open-recent-symbolic"},
  };
  const auto found = icons.find(symbol);
  return found != icons.end() ? found->second : "image-missing-symbolic";
}

}  // namespace ondi
