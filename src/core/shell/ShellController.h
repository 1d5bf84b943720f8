#pragma once

#include "core/published/Published.h"
#include "core/shell/DesktopSurfaceSignal.h"
#include "core/shell/SidebarEntries.h"
#include "core/util/ScopedConnections.h"

namespace ondi {

class DesktopPreferencesController;
class RouteNavigation;

inline constexpr const char* kShowInspectorKey = "Velmora.showInspector";

// The navigation shell's own state: whether the messaging sheet is up, whether the studio
// sidebar shows, and the surface signals for the header. Whether the studio inspector is shown
// is one of the account's preferences (mirrored into the user defaults); the shell reads and
// changes it through them. Sidebar choices go through it.
class ShellController {
 public:
  ShellController(DesktopPreferencesController& preferences, RouteNavigation& navigation);
  ShellController(const ShellController&) = delete;
  ShellController& operator=(const ShellController&) = delete;

  const Published<bool>& showInspector() const { return showInspector_; }
  void setShowInspector(bool shown);

  Published<bool> isMessagingPresented{false};
  // "Velmora.sidebarVisible": the window's own, neither an account preference nor kept on disk.
  Published<bool> sidebarVisible{true};
  SurfaceSignals signals;

  // Loads the entry's route, or presents the messaging sheet for the messaging entry.
  void choose(const SidebarEntry& entry);

 private:
  DesktopPreferencesController& preferences_;
  RouteNavigation& navigation_;
  Published<bool> showInspector_;
  ScopedConnections connections_;
};

}  // namespace ondi
