#include "ui/browser/BrowserTabStrip.h"

#include <gtkmm/image.h>
#include <gtkmm/label.h>

#include "core/browser/BrowserWorkspaceController.h"
#include "core/navigation/WebDestinations.h"
#include "ui/app/AccessibleName.h"
#include "ui/browser/BrowserTabPill.h"

namespace ondi::ui {

BrowserTabStrip::BrowserTabStrip(BrowserWorkspaceController& browser)
    : Gtk::Box(Gtk::Orientation::HORIZONTAL, 8), browser_(browser) {
  set_name("browserTabStrip");
  add_css_class("browser-tab-strip");

  pills_.set_name("browserTabPills");
  scroller_.set_policy(Gtk::PolicyType::AUTOMATIC, Gtk::PolicyType::NEVER);
  scroller_.set_hexpand(true);
  scroller_.set_child(pills_);
  nameScrollBars(scroller_, "Tabs");

  newTab_.set_name("browserNewTabButton");
  auto* content = Gtk::make_managed<Gtk::Box>(Gtk::Orientation::HORIZONTAL, 6);
  auto* icon = Gtk::make_managed<Gtk::Image>();
  icon->set_from_icon_name("tab-new-symbolic");
  hideFromAssistiveTechnology(*icon);
  content->append(*icon);
  auto* label = Gtk::make_managed<Gtk::Label>("New tab");
  content->append(*label);
  newTab_.set_child(*content);
  nameAfterLabel(newTab_, *label);
  newTab_.add_css_class("flat");
  newTab_.set_valign(Gtk::Align::CENTER);
  newTab_.signal_clicked().connect(
      [this] { browser_.openInAppBrowserTab(WebDestinations::googleSearchHome, std::nullopt); });

  append(scroller_);
  append(newTab_);

  connections_.add(
      browser_.tabs.browserTabs.changed().connect([this](const auto&) { showTabs(); }));
  connections_.add(
      browser_.tabs.selectedBrowserTabID.changed().connect([this](const auto&) { showTabs(); }));
  showTabs();
}

void BrowserTabStrip::showTabs() {
  const auto& snapshots = browser_.tabs.browserTabs.get();
  const std::string& selectedID = browser_.tabs.selectedSession().id;
  // Pills are hidden rather than removed: a pill's own close button may be what asked.
  while (pillWidgets_.size() < snapshots.size()) {
    auto* pill = Gtk::make_managed<BrowserTabPill>(
        [this](const std::string& id) { browser_.selectBrowserTab(id); },
        [this](const std::string& id) { browser_.closeBrowserTab(id); });
    pills_.append(*pill);
    pillWidgets_.push_back(pill);
  }
  for (std::size_t index = 0; index < pillWidgets_.size(); ++index) {
    BrowserTabPill& pill = *pillWidgets_[index];
    pill.set_visible(index < snapshots.size());
    if (index < snapshots.size()) {
      pill.showTab(snapshots[index], snapshots[index].id == selectedID);
    }
  }
}

}  // namespace ondi::ui
