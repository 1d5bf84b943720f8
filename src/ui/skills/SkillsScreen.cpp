#include "ui/skills/SkillsScreen.h"

#include <gtkmm/image.h>
#include <gtkmm/label.h>

#include <algorithm>

#include "core/shell/SymbolIcons.h"
#include "core/workspace/AgentPromptPreparation.h"
#include "ui/app/AccessibleName.h"
#include "ui/skills/SkillCard.h"
#include "ui/skills/SkillsStyle.h"
#include "ui/theme/PanelClasses.h"

namespace ondi::ui {
namespace {

Gtk::Label& pageLabel(const std::string& name, const std::string& text, const char* cssClass) {
  auto* label = Gtk::make_managed<Gtk::Label>(text);
  label->set_name(name);
  label->set_xalign(0);
  label->set_wrap(true);
  label->add_css_class(cssClass);
  return *label;
}

}  // namespace

SkillsScreen::SkillsScreen(AgentPromptPreparation& prompts, std::vector<VelmoraSkill> skills)
    : prompts_(prompts), skills_(std::move(skills)), page_(Gtk::Orientation::VERTICAL, 20) {
  installSkillsStyle();
  set_name("screen.skills");
  set_hexpand(true);
  set_vexpand(true);
  set_policy(Gtk::PolicyType::NEVER, Gtk::PolicyType::AUTOMATIC);
  page_.set_margin(28);

  auto* header = Gtk::make_managed<Gtk::Box>(Gtk::Orientation::VERTICAL, 4);
  header->append(pageLabel("skills.title", "Skills", "title-1"));
  header->append(
      pageLabel("skills.subtitle",
                "Reusable playbooks for repeatable work, preferred tools, and approval boundaries.",
                "dim-label"));
  page_.append(*header);

  search_.set_name("skills.search");
  // gtkmm 4.8's SearchEntry::set_placeholder_text calls the GtkEntry function, which refuses a
  // search entry; the property is the search entry's own.
  g_object_set(search_.gobj(), "placeholder-text", "Search skills", nullptr);
  setAccessibleName(search_, "Search skills");
  search_.set_halign(Gtk::Align::START);
  search_.set_size_request(320, -1);
  search_.signal_search_changed().connect([this] { showVisibleSkills(); });
  page_.append(search_);

  grid_.set_name("skills.grid");
  setAccessibleName(grid_, "Skills");
  grid_.set_selection_mode(Gtk::SelectionMode::NONE);
  grid_.set_homogeneous(true);
  grid_.set_min_children_per_line(1);
  grid_.set_max_children_per_line(3);
  grid_.set_column_spacing(16);
  grid_.set_row_spacing(16);
  grid_.set_valign(Gtk::Align::START);
  for (const VelmoraSkill& skill : skills_) {
    auto* card = Gtk::make_managed<SkillCard>(
        skill, [this, skill] { prompts_.prepareAgentPrompt(skill.agentPrompt(), skill.title); });
    appendNamed(grid_, *card, skill.title);
    cells_.push_back(dynamic_cast<Gtk::FlowBoxChild*>(card->get_parent()));
  }
  page_.append(grid_);
  empty_ = &emptyState();
  page_.append(*empty_);
  set_child(page_);
  nameScrollBars(*this, "Skills");
  showVisibleSkills();
}

// Shows the cards of the skills the search leaves, in their order, or the empty state.
void SkillsScreen::showVisibleSkills() {
  const auto visible = visibleSkills(skills_, search_.get_text());
  for (std::size_t index = 0; index < skills_.size(); ++index) {
    cells_[index]->set_visible(std::ranges::find(visible, skills_[index]) != visible.end());
  }
  grid_.set_visible(!visible.empty());
  empty_->set_visible(visible.empty());
}

Gtk::Widget& SkillsScreen::emptyState() {
  auto* panel = Gtk::make_managed<Gtk::Box>(Gtk::Orientation::VERTICAL, 8);
  panel->set_name("skills.empty");
  applyPanelStyle(*panel, 14, false);
  panel->set_margin_top(12);
  auto* symbol = Gtk::make_managed<Gtk::Image>();
  symbol->set_from_icon_name(iconName("wand.and.stars"));
  symbol->set_pixel_size(32);
  symbol->add_css_class("dim-label");
  hideFromAssistiveTechnology(*symbol);
  panel->append(*symbol);
  auto* title = Gtk::make_managed<Gtk::Label>("No matching skills");
  title->set_name("skills.empty.title");
  title->add_css_class("title-4");
  panel->append(*title);
  auto* message = Gtk::make_managed<Gtk::Label>("Try a different workflow, tool, or team name.");
  message->set_name("skills.empty.message");
  message->add_css_class("dim-label");
  message->set_wrap(true);
  message->set_justify(Gtk::Justification::CENTER);
  panel->append(*message);
  return *panel;
}

}  // namespace ondi::ui
