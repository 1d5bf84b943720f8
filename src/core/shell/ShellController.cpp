#include "core/shell/ShellController.h"

#include "core/account/DesktopPreferencesController.h"
#include "core/navigation/RouteNavigation.h"

namespace ondi {

ShellController::ShellController(DesktopPreferencesController& preferences,
                                 RouteNavigation& navigation)
    : preferences_(preferences),
      navigation_(navigation),
      showInspector_(preferences.state().desktopPreferences.get().showInspector) {
  connections_.add(preferences_.state().desktopPreferences.changed().connect(
      [this](const DesktopAccountPreferences& value) { showInspector_.set(value.showInspector); }));
}

void ShellController::setShowInspector(bool shown) {
  preferences_.update(
      [shown](DesktopAccountPreferences& preferences) { preferences.showInspector = shown; });
}

void ShellController::choose(const SidebarEntry& entry) {
  if (entry.route) {
    navigation_.load(*entry.route);
  } else {
    isMessagingPresented.set(true);
  }
}

}  // namespace ondi
