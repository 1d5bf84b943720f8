#include "ui/browser/BrowserNoticeBar.h"

#include "core/browser/BrowserTabs.h"

namespace ondi::ui {

BrowserNoticeBar::BrowserNoticeBar(BrowserTabs& tabs)
    : Gtk::Box(Gtk::Orientation::HORIZONTAL, 8), tabs_(tabs), dismiss_("Dismiss") {
  set_name("browserNotice");
  add_css_class("browser-notice");
  text_.set_hexpand(true);
  text_.set_xalign(0);
  text_.set_wrap(true);
  dismiss_.set_name("browserNoticeDismiss");
  dismiss_.add_css_class("flat");
  dismiss_.set_tooltip_text("Dismiss this notice");
  dismiss_.signal_clicked().connect([this] { tabs_.notice.set(std::nullopt); });
  append(text_);
  append(dismiss_);
  connections_.add(tabs_.notice.changed().connect([this](const auto&) { refresh(); }));
  refresh();
}

void BrowserNoticeBar::refresh() {
  const auto& notice = tabs_.notice.get();
  text_.set_text(notice.value_or(""));
  set_visible(notice.has_value());
}

}  // namespace ondi::ui
