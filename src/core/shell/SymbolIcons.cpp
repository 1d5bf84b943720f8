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
      {"sidebar.left", "sidebar-show-symbolic"},
      {"sidebar.right", "sidebar-show-right-symbolic"},
      {"clock", "document-open-recent-symbolic"},
      {"arrow.clockwise", "view-refresh-symbolic"},
      {"gearshape", "emblem-system-symbolic"},
      {"magnifyingglass", "system-search-symbolic"},
      {"line.3.horizontal.decrease", "view-list-symbolic"},
      {"ellipsis", "view-more-symbolic"},
      {"xmark", "window-close-symbolic"},
      {"checkmark.circle", "emblem-ok-symbolic"},
      {"link", "insert-link-symbolic"},
      {"envelope.fill", "mail-unread-symbolic"},
      {"calendar", "x-office-calendar-symbolic"},
      {"folder.fill", "folder-symbolic"},
      {"tablecells.fill", "x-office-spreadsheet-symbolic"},
      {"chevron.left.forwardslash.chevron.right", "applications-engineering-symbolic"},
      {"bubble.left.and.bubble.right.fill", "mail-send-receive-symbolic"},
      {"doc.text.fill", "x-office-document-symbolic"},
      {"checkmark.circle.fill", "emblem-ok-symbolic"},
      {"person.2.fill", "system-users-symbolic"},
      {"person.crop.circle.badge.checkmark", "avatar-default-symbolic"},
      {"note.text", "accessories-text-editor-symbolic"},
      {"cart.fill", "emblem-shared-symbolic"},
      {"creditcard.fill", "auth-smartcard-symbolic"},
      {"paintbrush.fill", "applications-graphics-symbolic"},
      {"cloud.fill", "weather-overcast-symbolic"},
      {"cylinder.fill", "drive-harddisk-symbolic"},
      {"chart.bar.fill", "x-office-presentation-symbolic"},
      {"chart.line.uptrend.xyaxis", "x-office-presentation-symbolic"},
      {"exclamationmark.triangle.fill", "dialog-warning-symbolic"},
      {"terminal.fill", "utilities-terminal-symbolic"},
      {"globe", "web-browser-symbolic"},
      {"video.fill", "camera-video-symbolic"},
      {"checkmark.seal", "emblem-ok-symbolic"},
      {"tray.full", "mail-unread-symbolic"},
      {"person.2", "system-users-symbolic"},
      {"doc.on.doc", "edit-copy-symbolic"},
      {"chevron.left", "go-previous-symbolic"},
      {"square.and.pencil", "document-edit-symbolic"},
      {"person.crop.circle", "avatar-default-symbolic"},
      {"square.grid.2x2", "view-grid-symbolic"},
      {"rectangle.split.2x1", "view-dual-symbolic"},
      {"doc.text.magnifyingglass", "edit-find-symbolic"},
      {"storefront", "system-software-install-symbolic"},
      {"text.magnifyingglass", "edit-find-replace-symbolic"},
      {"paperplane", "mail-send-symbolic"},
  };
  const auto found = icons.find(symbol);
  return found != icons.end() ? found->second : "image-missing-symbolic";
}

}  // namespace ondi
