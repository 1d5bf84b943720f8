#include "ui/browser/BrowserToolbar.h"

#include <giomm/menu.h>
#include <giomm/simpleactiongroup.h>
#include <gtkmm/image.h>
#include <gtkmm/label.h>

#include "core/app/Navigator.h"
#include "core/browser/BrowserWorkspaceController.h"
#include "core/desktop/PageHandoff.h"
#include "core/navigation/WebDestinations.h"
#include "ui/app/AccessibleName.h"

namespace ondi::ui {
namespace {

void setUpIconButton(Gtk::Button& button, const char* name, const char* icon, const char* tooltip) {
  button.set_name(name);
  button.set_icon_name(icon);
  button.set_tooltip_text(tooltip);
  setAccessibleName(button, tooltip);
  button.add_css_class("flat");
}

Glib::RefPtr<Gio::Menu> openElsewhereMenu() {
  auto menu = Gio::Menu::create();
  menu->append("Safari", "browser.open-in-safari");
  menu->append("Google Chrome", "browser.open-in-chrome");
  return menu;
}

}  // namespace

BrowserToolbar::BrowserToolbar(BrowserWorkspaceController& browser, Navigator& navigator,
                               PageHandoff& handoff)
    : Gtk::Box(Gtk::Orientation::HORIZONTAL, 6),
      browser_(browser),
      navigator_(navigator),
      handoff_(handoff) {
  set_name("browserToolbar");
  add_css_class("browser-toolbar");

  setUpIconButton(back_, "browserBackButton", "go-previous-symbolic", "Back");
  setUpIconButton(forward_, "browserForwardButton", "go-next-symbolic", "Forward");
  setUpIconButton(reload_, "browserReloadButton", "view-refresh-symbolic", "Reload");
  back_.signal_clicked().connect([this] { navigator_.goBack(); });
  forward_.signal_clicked().connect([this] { navigator_.goForward(); });
  reload_.signal_clicked().connect([this] { navigator_.reload(); });

  gmail_.set_name("browserGmailButton");
  auto* gmailContent = Gtk::make_managed<Gtk::Box>(Gtk::Orientation::HORIZONTAL, 6);
  auto* icon = Gtk::make_managed<Gtk::Image>();
  icon->set_from_icon_name("mail-unread-symbolic");
  hideFromAssistiveTechnology(*icon);
  gmailContent->append(*icon);
  auto* gmailLabel = Gtk::make_managed<Gtk::Label>("Gmail");
  gmailContent->append(*gmailLabel);
  gmail_.set_child(*gmailContent);
  nameAfterLabel(gmail_, *gmailLabel);
  gmail_.set_tooltip_text("Open Gmail");
  gmail_.signal_clicked().connect(
      [this] { browser_.loadCurrentBrowserTab(WebDestinations::gmailInbox, "Gmail"); });

  address_.set_name("browserAddressField");
  address_.add_css_class("browser-address");
  address_.set_placeholder_text("Search or enter website");
  setAccessibleName(address_, "Address");
  address_.set_icon_from_icon_name("system-search-symbolic", Gtk::Entry::IconPosition::PRIMARY);
  hideEntryIcons(address_);
  address_.set_input_purpose(Gtk::InputPurpose::URL);
  address_.set_hexpand(true);
  address_.signal_activate().connect([this] { submitAddress(); });
  address_.signal_changed().connect([this] { editingAddress_ = !showingAddress_; });

  setUpIconButton(go_, "browserGoButton", "go-jump-symbolic", "Open address");
  go_.signal_clicked().connect([this] { submitAddress(); });

  auto actions = Gio::SimpleActionGroup::create();
  actions->add_action("open-in-safari", [this] { handoff_.openIn(ExternalBrowser::safari); });
  actions->add_action("open-in-chrome", [this] { handoff_.openIn(ExternalBrowser::chrome); });
  insert_action_group("browser", actions);
  openElsewhere_.set_name("browserOpenElsewhereMenu");
  openElsewhere_.set_icon_name("send-to-symbolic");
  openElsewhere_.set_tooltip_text("Open in another browser");
  setAccessibleName(openElsewhere_, "Open in another browser");
  openElsewhere_.set_menu_model(openElsewhereMenu());
  openElsewhere_.set_has_frame(false);

  for (Gtk::Widget* widget : std::initializer_list<Gtk::Widget*>{
           &back_, &forward_, &reload_, &gmail_, &address_, &go_, &openElsewhere_}) {
    append(*widget);
  }

  auto& navigation = navigator_.state();
  connections_.add(navigation.canGoBack.changed().connect([this](bool) { showNavigationState(); }));
  connections_.add(
      navigation.canGoForward.changed().connect([this](bool) { showNavigationState(); }));
  connections_.add(
      navigation.currentURLString.changed().connect([this](const auto&) { showAddress(); }));
  // Another tab's address replaces whatever was typed for the previous one.
  connections_.add(browser_.tabs.selectedBrowserTabID.changed().connect([this](const auto&) {
    editingAddress_ = false;
    showAddress();
  }));
  showNavigationState();
  showAddress();
}

void BrowserToolbar::showNavigationState() {
  back_.set_sensitive(navigator_.state().canGoBack.get());
  forward_.set_sensitive(navigator_.state().canGoForward.get());
}

void BrowserToolbar::showAddress() {
  // What the user is typing is not replaced by a page that moves on meanwhile.
  if (editingAddress_) return;
  showingAddress_ = true;
  address_.set_text(navigator_.state().currentURLString.get());
  showingAddress_ = false;
}

void BrowserToolbar::submitAddress() {
  browser_.loadBrowserAddress(address_.get_text());
  editingAddress_ = false;
  showAddress();
}

}  // namespace ondi::ui
