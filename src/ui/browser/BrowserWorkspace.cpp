#include "ui/browser/BrowserWorkspace.h"

#include "core/app/DesktopBrowserModel.h"
#include "platform/linux/WebKitWebViewAdapter.h"
#include "ui/browser/BrowserStyle.h"

namespace ondi::ui {

BrowserWorkspace::BrowserWorkspace(DesktopBrowserModel& model)
    : Gtk::Box(Gtk::Orientation::VERTICAL), model_(model), toolbar_(model), tabStrip_(model) {
  installBrowserStyle();
  set_name("browserWorkspace");
  page_.set_name("browserPage");
  page_.set_vexpand(true);
  append(toolbar_);
  append(tabStrip_);
  append(page_);
  connections_.push_back(model_.tabs.selectedBrowserTabID.changed().connect(
      [this](const auto&) { showSelectedTab(); }));
  showSelectedTab();
}

BrowserWorkspace::~BrowserWorkspace() {
  for (auto& connection : connections_) connection.disconnect();
}

void BrowserWorkspace::showSelectedTab() {
  auto& view =
      dynamic_cast<platform::WebKitWebViewAdapter&>(*model_.tabs.selectedSession().webView);
  Gtk::Widget& selected = *Glib::wrap(view.widget());
  if (selected.get_parent() == &page_) return;
  while (Gtk::Widget* child = page_.get_first_child()) page_.remove(*child);
  selected.set_vexpand(true);
  page_.append(selected);
}

}  // namespace ondi::ui
