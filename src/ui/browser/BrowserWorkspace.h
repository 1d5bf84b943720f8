#pragma once

#include <gtkmm/box.h>
#include <gtkmm/stack.h>

#include <vector>

#include "core/util/ScopedConnections.h"
#include "ui/browser/BrowserNoticeBar.h"
#include "ui/browser/BrowserTabStrip.h"
#include "ui/browser/BrowserToolbar.h"

namespace ondi {
class BrowserWorkspaceController;
class Navigator;
class PageHandoff;
}  // namespace ondi

namespace ondi::ui {

// The in-app browser: the toolbar, the tab strip, a notice line when the browser refused a
// page's request, and the selected tab's page.
class BrowserWorkspace : public Gtk::Box {
 public:
  BrowserWorkspace(BrowserWorkspaceController& browser, Navigator& navigator, PageHandoff& handoff);

 private:
  // Keeps one page per tab in the stack and shows the selected one. Background tabs stay
  // in the window: WebKit's navigation gestures expect every view to have one.
  void showSelectedTab();

  BrowserWorkspaceController& browser_;
  BrowserToolbar toolbar_;
  BrowserTabStrip tabStrip_;
  BrowserNoticeBar notice_;
  Gtk::Stack page_;
  ScopedConnections connections_;
};

}  // namespace ondi::ui
