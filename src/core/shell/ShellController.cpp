#include "core/shell/ShellController.h"

#include "core/app/RouteNavigation.h"
#include "core/ports/SettingsStore.h"

namespace ondi {

ShellController::ShellController(SettingsStore& settings, RouteNavigation& navigation)
    : settings_(settings),
      navigation_(navigation),
      showInspector_(settings.boolValue(kShowInspectorKey, true)) {}

void ShellController::setShowInspector(bool shown) {
  settings_.setBool(kShowInspectorKey, shown);
  showInspector_.set(shown);
}

void ShellController::choose(const SidebarEntry& entry) {
  if (entry.route) {
    navigation_.load(*entry.route);
  } else {
    isMessagingPresented.set(true);
  }
}

}  // namespace ondi
