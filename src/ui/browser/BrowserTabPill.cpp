#include "ui/browser/BrowserTabPill.h"

#include "core/browser/BrowserTabSymbol.h"
#include "ui/app/AccessibleName.h"

namespace ondi::ui {
namespace {

const char* iconName(BrowserTabSymbol symbol) {
  switch (symbol) {
    case BrowserTabSymbol::envelope:
      return "mail-unread-symbolic";
    case BrowserTabSymbol::person:
      return "avatar-default-symbolic";
    case BrowserTabSymbol::folder:
      return "folder-symbolic";
    case BrowserTabSymbol::globe:
      return "web-browser-symbolic";
  }
  return "web-browser-symbolic";
}

}  // namespace

BrowserTabPill::BrowserTabPill(TabAction select, TabAction close)
    : Gtk::Box(Gtk::Orientation::HORIZONTAL, 0) {
  set_name("browserTabPill");
  add_css_class("browser-tab-pill");

  select_.set_name("browserTabSelectButton");
  select_.add_css_class("flat");
  symbol_.set_name("browserTabSymbol");
  hideFromAssistiveTechnology(symbol_);
  title_.set_name("browserTabTitle");
  title_.set_ellipsize(Pango::EllipsizeMode::END);
  title_.set_max_width_chars(24);
  content_.append(symbol_);
  content_.append(title_);
  select_.set_child(content_);
  nameAfterLabel(select_, title_);
  // The id is copied: acting on a tab may hand this pill another tab before the call ends.
  select_.signal_clicked().connect(
      [this, select = std::move(select)] { select(std::string(id_)); });

  close_.set_name("browserTabCloseButton");
  close_.set_icon_name("window-close-symbolic");
  close_.set_tooltip_text("Close tab");
  setAccessibleName(close_, "Close tab");
  close_.add_css_class("flat");
  close_.add_css_class("browser-tab-close");
  close_.set_valign(Gtk::Align::CENTER);
  close_.signal_clicked().connect([this, close = std::move(close)] { close(std::string(id_)); });

  append(select_);
  append(close_);
}

void BrowserTabPill::showTab(const BrowserTabSnapshot& snapshot, bool selected) {
  id_ = snapshot.id;
  symbol_.set_from_icon_name(iconName(browserTabSymbol(snapshot.urlString)));
  title_.set_text(snapshot.title);
  set_tooltip_text(snapshot.urlString);
  if (selected) {
    add_css_class("selected");
  } else {
    remove_css_class("selected");
  }
}

}  // namespace ondi::ui
