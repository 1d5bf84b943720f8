#include "ui/packs/PackBrowserScreen.h"

#include <gtkmm/label.h>
#include <gtkmm/scrolledwindow.h>

#include "core/packs/AgentPackCatalog.h"
#include "core/packs/PackBrowserSelection.h"
#include "ui/app/AccessibleName.h"
#include "ui/packs/PackAudienceSwitch.h"
#include "ui/packs/PackBrowserStyle.h"
#include "ui/packs/PackListRow.h"
#include "ui/theme/PanelClasses.h"

namespace ondi::ui {
namespace {

constexpr int kListWidth = 264;

Gtk::ScrolledWindow& scroller(Gtk::Widget& content, const char* name) {
  auto* scroller = Gtk::make_managed<Gtk::ScrolledWindow>();
  scroller->set_policy(Gtk::PolicyType::NEVER, Gtk::PolicyType::AUTOMATIC);
  scroller->set_vexpand(true);
  scroller->set_child(content);
  nameScrollBars(*scroller, name);
  return *scroller;
}

}  // namespace

PackBrowserScreen::PackBrowserScreen(PackBrowserSelection& selection,
                                     PackWorkspaceController& workspace,
                                     RouteNavigation& navigation)
    : Gtk::Box(Gtk::Orientation::VERTICAL, 20),
      selection_(selection),
      detail_(selection, workspace, navigation) {
  installPackBrowserStyle();
  set_name("screen.agent-packs");
  set_hexpand(true);
  set_vexpand(true);
  append(header());

  list_.set_name("packs.list");
  setAccessibleName(list_, "Agent packs");
  list_.add_css_class("packs-list");
  list_.set_selection_mode(Gtk::SelectionMode::SINGLE);
  list_.set_valign(Gtk::Align::START);
  applyPanelStyle(list_, 12, false);
  list_.signal_row_selected().connect([this](Gtk::ListBoxRow* row) {
    auto* pack = dynamic_cast<PackListRow*>(row);
    if (pack && !showingSelection_) selection_.selectPack(pack->packID());
  });
  Gtk::ScrolledWindow& packs = scroller(list_, "Agent packs");
  packs.set_size_request(kListWidth, -1);
  packs.set_hexpand(false);

  detail_.set_margin_bottom(28);
  Gtk::ScrolledWindow& detail = scroller(detail_, "Pack details");
  detail.set_hexpand(true);

  auto* body = Gtk::make_managed<Gtk::Box>(Gtk::Orientation::HORIZONTAL, 20);
  body->set_margin_start(28);
  body->set_margin_end(28);
  body->append(packs);
  body->append(detail);
  append(*body);

  connections_.add(
      selection_.audience().changed().connect([this](AgentPackAudience) { showPacks(); }));
  connections_.add(selection_.selectedPackID().changed().connect(
      [this](const std::string&) { showSelection(); }));
  connections_.add(selection_.activePackID().changed().connect(
      [this](const std::string&) { showActiveBadges(); }));
  signal_map().connect([this] { selection_.normalise(); });
  showPacks();
}

Gtk::Widget& PackBrowserScreen::header() {
  auto* header = Gtk::make_managed<Gtk::Box>(Gtk::Orientation::VERTICAL, 4);
  header->set_margin_top(24);
  header->set_margin_start(28);
  header->set_margin_end(28);
  auto* title = Gtk::make_managed<Gtk::Label>("Agent Packs");
  title->add_css_class("packs-title");
  title->set_xalign(0);
  header->append(*title);
  auto* question = Gtk::make_managed<Gtk::Label>("What kind of work or life admin do you run?");
  question->add_css_class("packs-question");
  question->add_css_class("dim-label");
  question->set_xalign(0);
  question->set_wrap(true);
  header->append(*question);
  auto* audience = Gtk::make_managed<PackAudienceSwitch>(selection_);
  audience->set_margin_top(12);
  header->append(*audience);
  return *header;
}

void PackBrowserScreen::showPacks() {
  while (Gtk::Widget* child = list_.get_first_child()) list_.remove(*child);
  rows_.clear();
  for (const AgentUseCasePack& pack : selection_.catalog().packs(selection_.audience().get())) {
    auto* row = Gtk::make_managed<PackListRow>(pack);
    list_.append(*row);
    rows_.push_back(row);
  }
  showActiveBadges();
  showSelection();
}

void PackBrowserScreen::showSelection() {
  const AgentUseCasePack* pack = selection_.selectedPack();
  showingSelection_ = true;
  list_.unselect_all();
  for (PackListRow* row : rows_) {
    if (pack && row->packID() == pack->id) list_.select_row(*row);
  }
  showingSelection_ = false;
  detail_.show(pack);
}

void PackBrowserScreen::showActiveBadges() {
  for (PackListRow* row : rows_) row->setActive(row->packID() == selection_.activePackID().get());
}

}  // namespace ondi::ui
