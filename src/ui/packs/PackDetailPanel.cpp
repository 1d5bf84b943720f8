#include "ui/packs/PackDetailPanel.h"

#include "core/navigation/RouteNavigation.h"
#include "core/navigation/VelmoraRoute.h"
#include "core/packs/PackBrowserSelection.h"
#include "core/packs/PackWorkspaceController.h"
#include "core/shell/SymbolIcons.h"
#include "ui/app/AccessibleName.h"
#include "ui/app/IconLabel.h"
#include "ui/home/DetailButton.h"
#include "ui/packs/PackHelperRow.h"
#include "ui/theme/PanelClasses.h"

namespace ondi::ui {
namespace {

// The activation status fades in and out over 0.16 s.
constexpr unsigned kStatusFadeMilliseconds = 160;

Gtk::Label& wrapped(Gtk::Label& label) {
  label.set_xalign(0);
  label.set_wrap(true);
  label.set_max_width_chars(1);  // wraps to the panel's width
  label.set_hexpand(true);
  return label;
}

Gtk::Widget& iconLine(const char* symbol, Gtk::Label& text) {
  auto* icon = Gtk::make_managed<Gtk::Image>();
  icon->set_from_icon_name(iconName(symbol));
  icon->set_valign(Gtk::Align::START);
  icon->set_margin_top(2);
  hideFromAssistiveTechnology(*icon);
  auto* line = Gtk::make_managed<Gtk::Box>(Gtk::Orientation::HORIZONTAL, 8);
  line->append(*icon);
  line->append(wrapped(text));
  return *line;
}

void removeChildren(Gtk::Box& box) {
  while (Gtk::Widget* child = box.get_first_child()) box.remove(*child);
}

}  // namespace

PackDetailPanel::PackDetailPanel(PackBrowserSelection& selection,
                                 PackWorkspaceController& workspace, RouteNavigation& navigation)
    : Gtk::Box(Gtk::Orientation::VERTICAL, 16),
      selection_(selection),
      workspace_(workspace),
      navigation_(navigation),
      helpers_(Gtk::Orientation::VERTICAL, 8),
      workflows_(Gtk::Orientation::VERTICAL, 4),
      policy_(selection) {
  set_name("packs.detail");
  append(header());
  auto* team = Gtk::make_managed<Gtk::Box>(Gtk::Orientation::VERTICAL, 4);
  team->append(sectionHeading("Tailored helper team"));
  auto* teamNote = Gtk::make_managed<Gtk::Label>(
      "Each helper stays inside the selected use case and hands sensitive work back for "
      "approval.");
  wrapped(*teamNote).add_css_class("dim-label");
  team->append(*teamNote);
  append(*team);
  helpers_.set_name("packs.helpers");
  append(helpers_);
  append(sectionHeading("Starter workflows"));
  workflows_.set_name("packs.workflows");
  applyPanelStyle(workflows_, 12, false);
  append(workflows_);
  append(policy_);

  connections_.add(selection_.activePackID().changed().connect(
      [this](const std::string&) { showActivation(); }));
  connections_.add(
      selection_.statusMessage().changed().connect([this](const std::string&) { showStatus(); }));
  showStatus();
}

Gtk::Widget& PackDetailPanel::header() {
  auto* panel = Gtk::make_managed<Gtk::Box>(Gtk::Orientation::VERTICAL, 12);
  panel->set_name("packs.header");
  applyPanelStyle(*panel, 14, true);

  symbol_.set_pixel_size(32);
  symbol_.set_valign(Gtk::Align::START);
  hideFromAssistiveTechnology(symbol_);
  title_.set_name("packs.title");
  title_.add_css_class("packs-pack-title");
  wrapped(title_);
  subtitle_.add_css_class("dim-label");
  wrapped(subtitle_);
  auto* titles = Gtk::make_managed<Gtk::Box>(Gtk::Orientation::VERTICAL, 2);
  titles->set_hexpand(true);
  titles->append(title_);
  titles->append(subtitle_);
  auto* top = Gtk::make_managed<Gtk::Box>(Gtk::Orientation::HORIZONTAL, 12);
  top->append(symbol_);
  top->append(*titles);
  panel->append(*top);
  panel->append(wrapped(overview_));

  auto* sidebarLine = Gtk::make_managed<Gtk::Label>("Add these helpers to the Ondi sidebar");
  auto* lines = Gtk::make_managed<Gtk::Box>(Gtk::Orientation::VERTICAL, 4);
  lines->append(iconLine("rectangle.split.2x1", workspaceLine_));
  lines->append(iconLine("sidebar.left", *sidebarLine));
  panel->append(*lines);
  panel->append(actions());

  status_.set_name("packs.status");
  status_.add_css_class("packs-status");
  status_.set_xalign(0);
  status_.set_wrap(true);
  statusRevealer_.set_name("packs.status-revealer");
  statusRevealer_.set_transition_type(Gtk::RevealerTransitionType::CROSSFADE);
  statusRevealer_.set_transition_duration(kStatusFadeMilliseconds);
  statusRevealer_.set_child(status_);
  panel->append(statusRevealer_);
  return *panel;
}

Gtk::Widget& PackDetailPanel::actions() {
  open_.set_name("packs.open-workspace");
  setIconAndLabel(open_, "arrow.up.right.square", "Open workspace");
  open_.add_css_class("suggested-action");
  open_.signal_clicked().connect([this] {
    if (!pack_) return;
    const AgentUseCasePack pack = *pack_;
    selection_.activate(pack);
    workspace_.openPackWorkspace(pack, nullptr, std::nullopt);
  });
  activate_.set_name("packs.activate");
  activate_.signal_clicked().connect([this] {
    if (pack_) selection_.activate(*pack_);
  });
  auto* buttons = Gtk::make_managed<Gtk::Box>(Gtk::Orientation::HORIZONTAL, 8);
  buttons->append(open_);
  buttons->append(activate_);
  return *buttons;
}

Gtk::Label& PackDetailPanel::sectionHeading(const char* text) {
  auto* label = Gtk::make_managed<Gtk::Label>(text);
  label->add_css_class("packs-heading");
  label->set_xalign(0);
  label->set_margin_top(4);
  return *label;
}

void PackDetailPanel::show(const AgentUseCasePack* pack) {
  pack_ = pack;
  set_visible(pack != nullptr);
  if (!pack) return;
  symbol_.set_from_icon_name(iconName(pack->symbol));
  title_.set_text(pack->title);
  subtitle_.set_text(pack->subtitle);
  overview_.set_text(pack->overview);
  workspaceLine_.set_text("Open the dedicated " + pack->title + " Workspace");
  showHelpers(*pack);
  showWorkflows(*pack);
  policy_.show(pack->approvalTitle, pack->approvalDetail);
  showActivation();
}

void PackDetailPanel::showHelpers(const AgentUseCasePack& pack) {
  removeChildren(helpers_);
  for (const AgentPackHelper& helper : pack.helpers) {
    helpers_.append(*Gtk::make_managed<PackHelperRow>(
        helper, PackHelperRow::Actions{[this, pack, helper] {
                                         selection_.activate(pack);
                                         workspace_.useAgentPackHelper(pack.title, helper,
                                                                       pack.approvalDetail);
                                       },
                                       [this] { navigation_.load(VelmoraRoute::connectors()); }}));
  }
}

void PackDetailPanel::showWorkflows(const AgentUseCasePack& pack) {
  removeChildren(workflows_);
  for (const AgentPackWorkflow& workflow : pack.workflows) {
    auto* row = Gtk::make_managed<DetailButton>("packs.workflow." + workflow.id, workflow.symbol,
                                                workflow.title, workflow.detail);
    setAccessibleName(*row, "Start " + workflow.title + " in " + pack.title + " Workspace");
    row->signal_clicked().connect([this, pack, workflow] {
      selection_.activate(pack);
      workspace_.preparePackWorkflow(workflow, pack);
    });
    workflows_.append(*row);
  }
}

void PackDetailPanel::showActivation() {
  if (!pack_) return;
  if (selection_.activePackID().get() == pack_->id) {
    setIconAndLabel(activate_, "checkmark", "Active");
  } else {
    setIconAndLabel(activate_, "plus", "Activate pack");
  }
}

void PackDetailPanel::showStatus() {
  const std::string& message = selection_.statusMessage().get();
  // The last text stays while it fades out.
  if (!message.empty()) status_.set_text(message);
  statusRevealer_.set_reveal_child(!message.empty());
}

}  // namespace ondi::ui
