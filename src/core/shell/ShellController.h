#pragma once

#include "core/app/Published.h"
#include "core/shell/DesktopSurfaceSignal.h"
#include "core/shell/SidebarEntries.h"

namespace ondi {

class RouteNavigation;
class SettingsStore;

inline constexpr const char* kShowInspectorKey = "Velmora.showInspector";

// The navigation shell's own state: whether the studio inspector is shown (kept in the user
// defaults), whether the messaging sheet is up, and the surface signals for the header. Sidebar
// choices go through it.
class ShellController {
 public:
  ShellController(SettingsStore& settings, RouteNavigation& navigation);
  ShellController(const ShellController&) = delete;
  ShellController& operator=(const ShellController&) = delete;

  const Published<bool>& showInspector() const { return showInspector_; }
  void setShowInspector(bool shown);

  Published<bool> isMessagingPresented{false};
  SurfaceSignals signals;

  // Loads the entry's route, or presents the messaging sheet for the messaging entry.
  void choose(const SidebarEntry& entry);

 private:
  SettingsStore& settings_;
  RouteNavigation& navigation_;
  Published<bool> showInspector_;
};

}  // namespace ondi
