#include "ui/shell/SidebarHelpers.h"

#include <gtkmm/label.h>

#include "core/workspace/AgentPromptPreparation.h"
#include "ui/app/AccessibleName.h"

namespace ondi::ui {

SidebarHelpers::SidebarHelpers(const Published<std::vector<std::string>>& titles,
                               AgentPromptPreparation& prompts)
    : Gtk::Box(Gtk::Orientation::VERTICAL, 6), prompts_(prompts) {
  set_name("sidebar.helpers");
  auto* heading = Gtk::make_managed<Gtk::Label>("Helpers");
  heading->set_xalign(0);
  heading->set_margin_start(4);
  heading->add_css_class("ondi-sidebar-heading");
  heading->add_css_class("dim-label");
  append(*heading);
  list_.set_selection_mode(Gtk::SelectionMode::NONE);
  setAccessibleName(list_, "Helpers");
  list_.signal_row_activated().connect([this](Gtk::ListBoxRow* row) {
    const auto index = row ? static_cast<std::size_t>(row->get_index()) : titles_.size();
    if (index < titles_.size()) prompts_.useSubagent(titles_[index]);
  });
  append(list_);
  connections_.add(titles.changed().connect(
      [this](const std::vector<std::string>& shown) { showTitles(shown); }));
  showTitles(titles.get());
}

void SidebarHelpers::showTitles(const std::vector<std::string>& titles) {
  titles_ = titles;
  while (Gtk::Widget* row = list_.get_first_child()) list_.remove(*row);
  for (const std::string& title : titles) {
    auto* row = Gtk::make_managed<Gtk::ListBoxRow>();
    row->set_name("sidebar.helper." + title);
    setAccessibleName(*row, "Start a chat with the " + title + " helper");
    auto* label = Gtk::make_managed<Gtk::Label>(title);
    label->set_xalign(0);
    label->set_ellipsize(Pango::EllipsizeMode::END);
    row->set_child(*label);
    list_.append(*row);
  }
  set_visible(!titles.empty());
}

}  // namespace ondi::ui
