#include "ui/app/MainWindow.h"

#include "core/account/AccountWebsite.h"
#include "core/account/AuthenticationController.h"
#include "core/app/DesktopBrowserModel.h"
#include "core/voice/MicrophoneConsent.h"
#include "ui/app/AccessibleName.h"

namespace ondi::ui {

MainWindow::MainWindow(DesktopBrowserModel& model, const Glib::RefPtr<Gio::MenuModel>& menu)
    : accountActionBanner_(model.account),
      shell_(model, *this),
      authenticationWindow_(model.authentication(), model.accountWebsite(), *this),
      microphoneQuestion_(model.microphoneConsent(), *this) {
  set_name("mainWindow");
  set_title("Ondi");
  set_default_size(1480, 900);
  // The smallest window, title bar included, as a window with its title bar drawn over the
  // content would have it.
  set_size_request(1080, 720);
  // Closing hides the window, so the surface keeps its page and activating the program shows
  // it again. Hidden, the window leaves the application, which ends once no window is left.
  set_hide_on_close(true);

  menuButton_.set_name("commandMenuButton");
  menuButton_.set_icon_name("open-menu-symbolic");
  menuButton_.set_tooltip_text("Ondi");
  setAccessibleName(menuButton_, "Main menu");
  menuButton_.set_menu_model(menu);
  header_.pack_end(menuButton_);
  set_titlebar(header_);

  content_.append(accountActionBanner_);
  content_.append(shell_);
  set_child(content_);
}

}  // namespace ondi::ui
