#include "ui/shell/NavigationShell.h"

#include "core/app/DesktopBrowserModel.h"
#include "core/messaging/MessageComposer.h"
#include "core/shell/ShellController.h"
#include "core/theme/VelmoraTheme.h"
#include "ui/shell/ShellAppearance.h"
#include "ui/shell/StudioLayout.h"
#include "ui/shell/UnifiedLayout.h"

namespace ondi::ui {

NavigationShell::NavigationShell(DesktopBrowserModel& model, Gtk::Window& window)
    : Gtk::Box(Gtk::Orientation::VERTICAL),
      model_(model),
      content_(model),
      messagingSheet_(model.shell(), model.messageComposer(), window) {
  applyShellAppearance();
  set_name("navigation-shell");
  set_vexpand(true);
  connections_.add(model_.account.desktopPreferences.changed().connect(
      [this](const DesktopAccountPreferences& preferences) { showTheme(preferences); }));
  showTheme(model_.account.desktopPreferences.get());
}

void NavigationShell::showTheme(const DesktopAccountPreferences& preferences) {
  const VelmoraTheme theme =
      themeFromRawValue(preferences.interfaceStyle).value_or(VelmoraTheme::washiStudio);
  if (theme_ == theme) return;
  theme_ = theme;
  if (layout_) {
    remove(*layout_);
    // The old layout hands the content back before the new one takes it.
    layout_.reset();
  }
  content_.setBrowserBesideTask(theme == VelmoraTheme::unifiedWorkspace);
  if (theme == VelmoraTheme::unifiedWorkspace) {
    layout_ = std::make_unique<UnifiedLayout>(model_, content_);
  } else {
    layout_ = std::make_unique<StudioLayout>(model_, content_, theme);
  }
  layout_->set_vexpand(true);
  append(*layout_);
}

}  // namespace ondi::ui
