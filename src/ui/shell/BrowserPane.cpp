#include "ui/shell/BrowserPane.h"

#include "core/app/DesktopBrowserModel.h"
#include "core/app/Navigator.h"
#include "core/browser/BrowserWorkspaceController.h"
#include "core/desktop/PageHandoff.h"
#include "core/navigation/VelmoraRoute.h"
#include "ui/app/IconLabel.h"

namespace ondi::ui {

BrowserPane::BrowserPane(DesktopBrowserModel& model)
    : Gtk::Box(Gtk::Orientation::VERTICAL),
      browser_(model.browser(), model.navigator(), model.handoff()) {
  set_name("shell.browser-pane");
  set_hexpand(true);
  header_.set_name("browser-pane.header");
  header_.add_css_class("ondi-shell-header");
  backToTask_.set_name("unified.back-to-task");
  setIconAndLabel(backToTask_, "chevron.left", "Back to task");
  backToTask_.add_css_class("flat");
  backToTask_.signal_clicked().connect(
      [&navigator = model.navigator()] { navigator.load(VelmoraRoute::agent()); });
  header_.append(backToTask_);
  header_.set_visible(false);
  append(header_);
  append(browser_);
}

}  // namespace ondi::ui
