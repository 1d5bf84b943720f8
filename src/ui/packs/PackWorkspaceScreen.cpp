#include "ui/packs/PackWorkspaceScreen.h"

#include <gtkmm/image.h>
#include <gtkmm/scrolledwindow.h>
#include <gtkmm/separator.h>

#include "core/navigation/NavigationState.h"
#include "core/packs/PackWorkspaceController.h"
#include "core/shell/SymbolIcons.h"
#include "ui/app/AccessibleName.h"

namespace ondi::ui {
namespace {

constexpr int kRailWidth = 248;
constexpr const char* kMainOperatorRow = "pack-workspace.agent.main-operator";

Gtk::Label& label(const std::string& text, const char* cssClass, bool wrap = true) {
  auto* label = Gtk::make_managed<Gtk::Label>(text);
  label->set_xalign(0);
  label->set_wrap(wrap);
  if (cssClass) label->add_css_class(cssClass);
  return *label;
}

// One agent of the rail: its symbol, name and what it does.
Gtk::ListBoxRow& agentRow(const std::string& name, const std::string& symbol,
                          const std::string& title, const std::string& detail) {
  auto* row = Gtk::make_managed<Gtk::ListBoxRow>();
  row->set_name(name);
  setAccessibleName(*row, "Use " + title + " in this workspace");
  auto* box = Gtk::make_managed<Gtk::Box>(Gtk::Orientation::HORIZONTAL, 10);
  box->set_margin(8);
  auto* icon = Gtk::make_managed<Gtk::Image>();
  icon->set_from_icon_name(iconName(symbol));
  icon->set_pixel_size(18);
  icon->set_valign(Gtk::Align::START);
  hideFromAssistiveTechnology(*icon);
  auto* texts = Gtk::make_managed<Gtk::Box>(Gtk::Orientation::VERTICAL, 2);
  texts->append(label(title, "heading"));
  texts->append(label(detail, "dim-label"));
  box->append(*icon);
  box->append(*texts);
  row->set_child(*box);
  return *row;
}

}  // namespace

PackWorkspaceScreen::PackWorkspaceScreen(PackWorkspaceController& packs,
                                         const NavigationState& navigation, Gtk::Widget& surface)
    : Gtk::Box(Gtk::Orientation::HORIZONTAL),
      packs_(packs),
      navigation_(navigation),
      railColumn_(Gtk::Orientation::VERTICAL, 6),
      packBar_(Gtk::Orientation::HORIZONTAL, 12),
      startersHeading_("STARTER WORKFLOWS") {
  set_name("screen.pack-workspace");

  auto* rail = &railColumn_;
  rail->set_name("pack-workspace.rail");
  rail->set_size_request(kRailWidth, -1);
  rail->set_margin(14);
  auto& team = label("ACTIVE TEAM", "caption-heading", false);
  team.add_css_class("dim-label");
  rail->append(team);
  dedication_.set_name("pack-workspace.dedication");
  dedication_.set_xalign(0);
  dedication_.set_wrap(true);
  dedication_.add_css_class("dim-label");
  rail->append(dedication_);
  rail_.set_name("pack-workspace.agents");
  setAccessibleName(rail_, "Active team");
  // Styled as the sidebar's list is, the chosen agent marked as its current entry is.
  rail->add_css_class("ondi-sidebar");
  rail_.set_selection_mode(Gtk::SelectionMode::NONE);
  rail_.signal_row_activated().connect([this](Gtk::ListBoxRow* row) {
    const AgentUseCasePack* pack = packs_.activePack();
    if (!pack || !row) return;
    const int index = row->get_index();
    packs_.selectPackHelper(index == 0 ? nullptr : &pack->helpers.at(index - 1), *pack);
  });
  auto* railScroller = Gtk::make_managed<Gtk::ScrolledWindow>();
  railScroller->set_policy(Gtk::PolicyType::NEVER, Gtk::PolicyType::AUTOMATIC);
  railScroller->set_vexpand(true);
  railScroller->set_child(rail_);
  nameScrollBars(*railScroller, "Active team");
  rail->append(*railScroller);
  rail->append(*Gtk::make_managed<Gtk::Separator>(Gtk::Orientation::VERTICAL));
  append(*rail);

  auto* main = Gtk::make_managed<Gtk::Box>(Gtk::Orientation::VERTICAL);
  main->set_hexpand(true);
  auto* bar = &packBar_;
  bar->set_name("pack-workspace.bar");
  bar->set_margin_start(16);
  bar->set_margin_end(16);
  bar->set_margin_top(10);
  bar->set_margin_bottom(6);
  workspaceTitle_.set_name("pack-workspace.title");
  workspaceTitle_.add_css_class("title-4");
  workspaceTitle_.set_xalign(0);
  workspaceTitle_.set_ellipsize(Pango::EllipsizeMode::END);
  agentCount_.set_name("pack-workspace.agent-count");
  agentCount_.add_css_class("dim-label");
  auto& approval = label("Approval first", "caption-heading", false);
  approval.set_name("pack-workspace.approval");
  approval.set_hexpand(true);
  approval.set_halign(Gtk::Align::START);
  managePack_.set_name("pack-workspace.manage");
  managePack_.set_label("Manage pack");
  managePack_.signal_clicked().connect([this] {
    if (const AgentUseCasePack* pack = packs_.activePack()) managePackRequested.emit(*pack);
  });
  bar->append(workspaceTitle_);
  bar->append(agentCount_);
  bar->append(approval);
  bar->append(managePack_);
  main->append(*bar);

  startersHeading_.set_xalign(0);
  startersHeading_.add_css_class("caption-heading");
  startersHeading_.add_css_class("dim-label");
  startersHeading_.set_margin_start(16);
  main->append(startersHeading_);
  workflows_.set_name("pack-workspace.workflows");
  setAccessibleName(workflows_, "Starter workflows");
  workflows_.set_selection_mode(Gtk::SelectionMode::NONE);
  workflows_.set_homogeneous(true);
  workflows_.set_min_children_per_line(3);
  workflows_.set_max_children_per_line(3);
  workflows_.set_column_spacing(8);
  workflows_.set_row_spacing(8);
  workflows_.set_margin_start(16);
  workflows_.set_margin_end(16);
  workflows_.set_margin_top(6);
  workflows_.set_margin_bottom(10);
  main->append(workflows_);
  surface.set_vexpand(true);
  main->append(surface);
  append(*main);

  connections_.add(navigation_.activeRoute.changed().connect([this](const auto&) { showPack(); }));
  connections_.add(
      packs_.selectedPackHelperID.changed().connect([this](const auto&) { showSelectedHelper(); }));
  showPack();
}

void PackWorkspaceScreen::showPack() {
  const AgentUseCasePack* pack = packs_.activePack();
  for (Gtk::Widget* part : std::initializer_list<Gtk::Widget*>{&railColumn_, &packBar_,
                                                               &startersHeading_, &workflows_}) {
    part->set_visible(pack != nullptr);
  }
  if (!pack || pack->id == shownPackID_) return;
  shownPackID_ = pack->id;
  dedication_.set_text("Dedicated to " + pack->subtitle);
  workspaceTitle_.set_text(pack->title + " Workspace");
  agentCount_.set_text(std::to_string(pack->helpers.size() + 1) + " active agents");
  setAccessibleName(managePack_, "Open the " + pack->title + " pack settings");
  fillRail(*pack);
  fillWorkflows(*pack);
  showSelectedHelper();
}

void PackWorkspaceScreen::fillRail(const AgentUseCasePack& pack) {
  while (Gtk::Widget* row = rail_.get_first_child()) rail_.remove(*row);
  rail_.append(agentRow(kMainOperatorRow, "person.crop.circle", "Main operator",
                        "Coordinates the " + pack.title + " team"));
  for (const AgentPackHelper& helper : pack.helpers) {
    rail_.append(
        agentRow("pack-workspace.agent." + helper.id, helper.symbol, helper.name, helper.role));
  }
}

void PackWorkspaceScreen::fillWorkflows(const AgentUseCasePack& pack) {
  while (Gtk::Widget* child = workflows_.get_first_child()) workflows_.remove(*child);
  for (const AgentPackWorkflow& workflow : pack.workflows) {
    auto* button = Gtk::make_managed<Gtk::Button>();
    button->set_name("pack-workspace.workflow." + workflow.id);
    setAccessibleName(*button, "Start " + workflow.title + " in " + pack.title + " Workspace");
    auto* box = Gtk::make_managed<Gtk::Box>(Gtk::Orientation::HORIZONTAL, 8);
    auto* icon = Gtk::make_managed<Gtk::Image>();
    icon->set_from_icon_name(iconName(workflow.symbol));
    hideFromAssistiveTechnology(*icon);
    auto* texts = Gtk::make_managed<Gtk::Box>(Gtk::Orientation::VERTICAL, 2);
    auto& title = label(workflow.title, "heading");
    auto& detail = label(workflow.detail, "dim-label");
    for (Gtk::Label* text : {&title, &detail}) text->set_max_width_chars(24);
    texts->append(title);
    texts->append(detail);
    box->append(*icon);
    box->append(*texts);
    button->set_child(*box);
    button->signal_clicked().connect([this, id = workflow.id] {
      const AgentUseCasePack* active = packs_.activePack();
      if (!active) return;
      for (const AgentPackWorkflow& item : active->workflows) {
        if (item.id == id) packs_.preparePackWorkflow(item, *active);
      }
    });
    appendNamed(workflows_, *button, workflow.title);
  }
}

void PackWorkspaceScreen::showSelectedHelper() {
  const AgentUseCasePack* pack = packs_.activePack();
  if (!pack) return;
  const auto selected = packs_.selectedPackHelperID.get();
  int index = 0;
  for (Gtk::Widget* row = rail_.get_first_child(); row; row = row->get_next_sibling(), ++index) {
    const bool current = index == 0
                             ? !selected
                             : selected == pack->helpers.at(static_cast<std::size_t>(index - 1)).id;
    if (current) {
      row->add_css_class("current");
    } else {
      row->remove_css_class("current");
    }
  }
}

}  // namespace ondi::ui
