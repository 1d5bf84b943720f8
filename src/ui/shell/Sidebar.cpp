#include "ui/shell/Sidebar.h"

#include <gtkmm/label.h>
#include <gtkmm/scrolledwindow.h>

#include "core/packs/PackBrowserSelection.h"
#include "core/shell/ShellController.h"
#include "ui/app/AccessibleName.h"

namespace ondi::ui {
namespace {
constexpr int kSidebarWidth = 248;
}  // namespace

Sidebar::Sidebar(ShellController& shell, const NavigationState& navigation,
                 ConversationThreadController& threads, const PackBrowserSelection& packs,
                 AgentPromptPreparation& prompts)
    : Gtk::Box(Gtk::Orientation::VERTICAL, 12),
      shell_(shell),
      helpers_(packs.customSubagentTitles(), prompts),
      recent_(threads, "sidebar") {
  set_name("shell.sidebar");
  add_css_class("ondi-sidebar");
  set_size_request(kSidebarWidth, -1);

  auto* brand = Gtk::make_managed<Gtk::Label>("Ondi");
  brand->add_css_class("ondi-brand");
  brand->set_halign(Gtk::Align::START);
  brand->set_margin_start(12);
  brand->set_margin_top(12);
  append(*brand);

  search_.set_name("sidebar.search");
  // gtkmm 4.8's SearchEntry::set_placeholder_text calls the GtkEntry function, which refuses a
  // search entry; the property is the search entry's own.
  g_object_set(search_.gobj(), "placeholder-text", "Search", nullptr);
  setAccessibleName(search_, "Search the sidebar");
  search_.set_margin_start(12);
  search_.set_margin_end(12);
  search_.signal_changed().connect([this] { filter(); });
  append(search_);

  entries_.set_name("sidebar.entries");
  entries_.set_selection_mode(Gtk::SelectionMode::NONE);
  setAccessibleName(entries_, "Destinations");
  for (const SidebarEntry& entry : sidebarEntries()) {
    auto* row = Gtk::make_managed<SidebarEntryRow>(entry);
    rows_.push_back(row);
    entries_.append(*row);
  }
  entries_.signal_row_activated().connect([this](Gtk::ListBoxRow* row) {
    if (auto* entryRow = dynamic_cast<SidebarEntryRow*>(row)) shell_.choose(entryRow->entry());
  });

  auto* column = Gtk::make_managed<Gtk::Box>(Gtk::Orientation::VERTICAL, 18);
  column->set_margin_start(8);
  column->set_margin_end(8);
  column->set_margin_bottom(12);
  column->append(entries_);
  column->append(helpers_);
  column->append(recent_);
  auto* scroller = Gtk::make_managed<Gtk::ScrolledWindow>();
  scroller->set_policy(Gtk::PolicyType::NEVER, Gtk::PolicyType::AUTOMATIC);
  scroller->set_vexpand(true);
  scroller->set_child(*column);
  nameScrollBars(*scroller, "Sidebar");
  append(*scroller);

  connections_.add(navigation.activeRoute.changed().connect(
      [this](const VelmoraRoute& route) { markCurrent(route); }));
  markCurrent(navigation.activeRoute.get());
}

void Sidebar::filter() {
  const std::string text = search_.get_text();
  for (SidebarEntryRow* row : rows_) row->set_visible(sidebarEntryMatches(row->entry(), text));
}

void Sidebar::markCurrent(const VelmoraRoute& route) {
  for (SidebarEntryRow* row : rows_) {
    const auto& destination = row->entry().route;
    if (destination && destination->kind() == route.kind()) {
      row->add_css_class("current");
    } else {
      row->remove_css_class("current");
    }
  }
}

}  // namespace ondi::ui
