#pragma once

#include <gtkmm/box.h>

#include <memory>
#include <optional>

#include "core/theme/VelmoraTheme.h"
#include "core/util/ScopedConnections.h"
#include "ui/messaging/MessagingSheet.h"
#include "ui/shell/RoutedContent.h"
#include "ui/shell/ShellLayout.h"

namespace ondi {
class DesktopBrowserModel;
struct DesktopAccountPreferences;
}  // namespace ondi

namespace ondi::ui {

// The root of the main window: the layout of the current theme (studio, or unified) around the
// routed content, rebuilt whenever the theme changes, and the messaging sheet.
class NavigationShell : public Gtk::Box {
 public:
  NavigationShell(DesktopBrowserModel& model, Gtk::Window& window);

  RoutedContent& content() { return content_; }

 private:
  void showTheme(const DesktopAccountPreferences& preferences);

  DesktopBrowserModel& model_;
  RoutedContent content_;
  std::unique_ptr<ShellLayout> layout_;
  std::optional<VelmoraTheme> theme_;
  MessagingSheet messagingSheet_;
  ScopedConnections connections_;
};

}  // namespace ondi::ui
