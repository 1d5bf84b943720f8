#pragma once

#include <gtkmm/box.h>
#include <gtkmm/label.h>
#include <gtkmm/overlay.h>
#include <gtkmm/picture.h>
#include <gtkmm/stack.h>

#include "core/theme/VelmoraTheme.h"
#include "core/util/ScopedConnections.h"
#include "ui/monitor/MonitorActions.h"
#include "ui/shell/HeaderBadge.h"

namespace ondi {
class BrowserbaseLiveView;
class DaytonaMonitorStore;
class DesktopBrowserModel;
}  // namespace ondi

namespace ondi::ui {

// The run monitor: the run's title and page, the status badge, the run's live view or its
// last screenshot (or the state's text while there is neither), and the monitor's buttons.
// The monitor polls only while this screen is mapped: a hidden inspector or pane, or a
// minimised window on X11, makes no requests, and showing it again refreshes at once.
class MonitorScreen : public Gtk::Box {
 public:
  MonitorScreen(DesktopBrowserModel& model, VelmoraTheme theme);
  ~MonitorScreen() override;

 private:
  void showDisplay();
  void showContent();
  void showFrame();
  // Puts the live view's current web view in the frame area, taking it from an older screen.
  void placeWebView();

  DaytonaMonitorStore& monitor_;
  BrowserbaseLiveView& liveView_;
  const Published<WorkspaceSessionState>& session_;
  Gtk::Label runTitle_;
  Gtk::Label pageLabel_;
  HeaderBadge badge_;
  Gtk::Overlay frameArea_;
  Gtk::Stack content_;
  Gtk::Box liveSlot_;
  Gtk::Picture picture_;
  Gtk::Label emptyText_;
  Gtk::Label controlOpen_;
  MonitorActions actions_;
  ScopedConnections connections_;
};

}  // namespace ondi::ui
