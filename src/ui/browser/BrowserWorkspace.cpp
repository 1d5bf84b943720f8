#include "ui/browser/BrowserWorkspace.h"

#include <algorithm>

#include "core/browser/BrowserWorkspaceController.h"
#include "ui/app/AccessibleName.h"
#include "ui/app/WebViewWidget.h"
#include "ui/browser/BrowserStyle.h"

namespace ondi::ui {

BrowserWorkspace::BrowserWorkspace(BrowserWorkspaceController& browser, Navigator& navigator,
                                   PageHandoff& handoff)
    : Gtk::Box(Gtk::Orientation::VERTICAL),
      browser_(browser),
      toolbar_(browser, navigator, handoff),
      tabStrip_(browser),
      notice_(browser.tabs) {
  installBrowserStyle();
  set_name("browserWorkspace");
  page_.set_name("browserPage");
  page_.set_vexpand(true);
  append(toolbar_);
  append(tabStrip_);
  append(notice_);
  append(page_);
  connections_.add(browser_.tabs.selectedBrowserTabID.changed().connect(
      [this](const auto&) { showSelectedTab(); }));
  connections_.add(
      browser_.tabs.browserTabs.changed().connect([this](const auto&) { showSelectedTab(); }));
  showSelectedTab();
}

void BrowserWorkspace::showSelectedTab() {
  std::vector<Gtk::Widget*> pages;
  for (const auto& session : browser_.tabs.sessions()) pages.push_back(&widgetOf(*session.webView));
  for (Gtk::Widget* child = page_.get_first_child(); child;) {
    Gtk::Widget* next = child->get_next_sibling();
    if (std::ranges::find(pages, child) == pages.end()) page_.remove(*child);
    child = next;
  }
  for (Gtk::Widget* page : pages) {
    if (page->get_parent() == &page_) continue;
    page->set_vexpand(true);
    setAccessibleName(*page, "Web page");
    page_.add(*page)->set_title("Web page");
  }
  page_.set_visible_child(widgetOf(*browser_.tabs.selectedSession().webView));
}

}  // namespace ondi::ui
