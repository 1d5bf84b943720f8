#include "ui/connectors/ConnectorsWorkspaceView.h"

#include <glibmm/main.h>
#include <gtkmm/flowbox.h>
#include <gtkmm/listbox.h>
#include <gtkmm/scrolledwindow.h>
#include <sigc++/adaptors/track_obj.h>

#include "core/shell/SymbolIcons.h"
#include "core/workspace/ConnectorDisplay.h"
#include "core/workspace/WorkspaceStore.h"
#include "ui/app/AccessibleName.h"
#include "ui/connectors/ConnectorLogo.h"
#include "ui/connectors/ConnectorsStyle.h"
#include "ui/theme/PanelClasses.h"

namespace ondi::ui {
namespace {

Gtk::Button& iconButton(const char* name, const char* symbol, const char* title) {
  auto* button = Gtk::make_managed<Gtk::Button>();
  button->set_name(name);
  button->set_icon_name(iconName(symbol));
  button->set_tooltip_text(title);
  setAccessibleName(*button, title);
  button->add_css_class("flat");
  return *button;
}

Gtk::Label& heading(const std::string& text) {
  auto* label = Gtk::make_managed<Gtk::Label>(text);
  label->add_css_class("connectors-heading");
  label->set_xalign(0);
  return *label;
}

}  // namespace

ConnectorsWorkspaceView::ConnectorsWorkspaceView(WorkspaceStore& store)
    : Gtk::Box(Gtk::Orientation::VERTICAL),
      store_(store),
      actions_{[this](const ConnectorItem& connector) { showDetails(connector); },
               [this](const ConnectorItem& connector) {
                 store_.beginConnectorAuthorization(connector);
               }},
      details_(store),
      addSheet_(store) {
  installConnectorsStyle();
  set_name("screen.connectors");
  set_hexpand(true);
  set_vexpand(true);

  auto* column = Gtk::make_managed<Gtk::Box>(Gtk::Orientation::VERTICAL, 16);
  column->add_css_class("connectors-screen");
  column->append(header());

  auto* statusLine = Gtk::make_managed<Gtk::Box>(Gtk::Orientation::HORIZONTAL, 8);
  // The status sentence beside the spinner says the same thing in words.
  hideFromAssistiveTechnology(spinner_);
  statusLine->append(spinner_);
  status_.set_name("connectors.status");
  status_.add_css_class("dim-label");
  status_.add_css_class("connectors-status");
  status_.set_xalign(0);
  status_.set_wrap(true);
  statusLine->append(status_);
  column->append(*statusLine);

  column->append(queryBar_);
  listing_.set_name("connectors.listing");
  column->append(listing_);

  auto* scroller = Gtk::make_managed<Gtk::ScrolledWindow>();
  scroller->set_policy(Gtk::PolicyType::NEVER, Gtk::PolicyType::AUTOMATIC);
  scroller->set_vexpand(true);
  scroller->set_child(*column);
  nameScrollBars(*scroller, "Connectors");
  append(*scroller);

  const auto showStatus = [this] {
    status_.set_text(store_.connectorServiceDetail.get());
    spinner_.set_visible(store_.isRefreshingConnectors.get());
    spinner_.set_spinning(store_.isRefreshingConnectors.get());
  };
  connections_.add(
      store_.connectorServiceDetail.changed().connect([showStatus](const auto&) { showStatus(); }));
  connections_.add(
      store_.isRefreshingConnectors.changed().connect([showStatus](const auto&) { showStatus(); }));
  connections_.add(store_.connectors.changed().connect([this](const auto&) { rebuild(); }));
  connections_.add(
      store_.pendingConnectorID.changed().connect([this](const auto&) { markBusy(); }));
  queryBar_.signalChanged().connect([this] { rebuild(); });
  // Shown first, or again after an authorization tab: the list is read afresh.
  signal_map().connect([this] { store_.refreshConnectors(); });
  showStatus();
  rebuild();
}

Gtk::Widget& ConnectorsWorkspaceView::header() {
  auto* header = Gtk::make_managed<Gtk::Box>(Gtk::Orientation::HORIZONTAL, 12);
  auto* titles = Gtk::make_managed<Gtk::Box>(Gtk::Orientation::VERTICAL, 4);
  titles->set_hexpand(true);
  auto* title = Gtk::make_managed<Gtk::Label>("Connectors");
  title->add_css_class("connectors-title");
  title->add_css_class("title-2");
  title->set_xalign(0);
  titles->append(*title);
  auto* subtitle = Gtk::make_managed<Gtk::Label>("Work with Ondi across your favorite tools");
  subtitle->add_css_class("dim-label");
  subtitle->set_xalign(0);
  subtitle->set_wrap(true);
  titles->append(*subtitle);
  header->append(*titles);

  auto* buttons = Gtk::make_managed<Gtk::Box>(Gtk::Orientation::HORIZONTAL, 4);
  buttons->set_valign(Gtk::Align::START);
  auto& refresh = iconButton("connectors.refresh", "arrow.clockwise", "Refresh connectors");
  refresh.signal_clicked().connect([this] { store_.refreshConnectors(); });
  buttons->append(refresh);
  auto& settings = iconButton("connectors.settings", "gearshape", "Connector settings");
  settings.signal_clicked().connect([this] { store_.openConnectorsPage(); });
  buttons->append(settings);
  auto& add = iconButton("connectors.add", "plus", "Add connector");
  add.signal_clicked().connect([this] { showAddSheet(); });
  buttons->append(add);
  header->append(*buttons);
  return *header;
}

void ConnectorsWorkspaceView::rebuild() {
  while (Gtk::Widget* child = listing_.get_first_child()) listing_.remove(*child);
  rows_.clear();
  const auto& connectors = store_.connectors.get();
  const ConnectorQuery& query = queryBar_.query();
  const auto sections = connectorSections(connectors, query);
  if (sections.empty()) return listing_.append(emptyState());

  if (const auto featured = featuredConnectors(connectors, query); !featured.empty()) {
    auto* rail = Gtk::make_managed<Gtk::Box>(Gtk::Orientation::VERTICAL, 8);
    rail->set_name("connectors.featured");
    rail->append(heading("Featured"));
    // The cards wrap onto further lines rather than run past the screen's edge.
    auto* cards = Gtk::make_managed<Gtk::FlowBox>();
    cards->set_selection_mode(Gtk::SelectionMode::NONE);
    setAccessibleName(*cards, "Featured connectors");
    cards->set_homogeneous(true);
    cards->set_min_children_per_line(2);
    cards->set_max_children_per_line(4);
    cards->set_column_spacing(12);
    cards->set_row_spacing(12);
    for (const ConnectorItem& connector : featured) {
      auto* slot = Gtk::make_managed<Gtk::FlowBoxChild>();
      // The card itself takes the focus, not the slot around it.
      slot->set_focusable(false);
      slot->set_child(featuredCard(connector));
      setAccessibleName(*slot, connector.name);
      cards->append(*slot);
    }
    rail->append(*cards);
    listing_.append(*rail);
  }
  for (const ConnectorSection& block : sections) listing_.append(section(block));
  markBusy();
}

void ConnectorsWorkspaceView::markBusy() {
  const bool busy = store_.pendingConnectorID.get().has_value();
  for (ConnectorListRow* row : rows_) row->setBusy(busy);
}

// A rail card opens the connector's details, where it is connected or managed.
Gtk::Widget& ConnectorsWorkspaceView::featuredCard(const ConnectorItem& connector) {
  auto* card = Gtk::make_managed<Gtk::Button>();
  card->set_name("connectors.featured." + connector.id);
  card->add_css_class("connector-card");
  applyPanelStyle(*card, 12, true);
  setAccessibleName(*card, connector.name + ", " + connector.lastSync);
  auto* content = Gtk::make_managed<Gtk::Box>(Gtk::Orientation::VERTICAL, 8);
  auto* logo = Gtk::make_managed<ConnectorLogo>(connector, 32);
  logo->set_halign(Gtk::Align::START);
  content->append(*logo);
  auto* name = Gtk::make_managed<Gtk::Label>(connector.name);
  name->add_css_class("connector-row-name");
  name->set_xalign(0);
  content->append(*name);
  auto* use = Gtk::make_managed<Gtk::Label>(connectorDisplayMetadata(connector).description);
  use->add_css_class("caption");
  use->set_xalign(0);
  use->set_wrap(true);
  use->set_max_width_chars(1);  // wraps to the card's width
  content->append(*use);
  card->set_child(*content);
  card->signal_clicked().connect([this, connector] { showDetails(connector); });
  return *card;
}

Gtk::Widget& ConnectorsWorkspaceView::section(const ConnectorSection& block) {
  auto* box = Gtk::make_managed<Gtk::Box>(Gtk::Orientation::VERTICAL, 8);
  box->set_name("connectors.section." + block.title);
  box->append(heading(block.title));
  auto* list = Gtk::make_managed<Gtk::ListBox>();
  list->set_selection_mode(Gtk::SelectionMode::NONE);
  list->add_css_class("connector-list");
  applyPanelStyle(*list, 12, false);
  setAccessibleName(*list, block.title);
  for (const ConnectorItem& connector : block.connectors) {
    auto* row = Gtk::make_managed<ConnectorListRow>(connector, actions_);
    rows_.push_back(row);
    list->append(*row);
  }
  list->signal_row_activated().connect([this](Gtk::ListBoxRow* row) {
    if (auto* connectorRow = dynamic_cast<ConnectorListRow*>(row)) {
      showDetails(connectorRow->connector());
    }
  });
  box->append(*list);
  return *box;
}

Gtk::Widget& ConnectorsWorkspaceView::emptyState() {
  const ConnectorEmptyState state = connectorEmptyState(queryBar_.query());
  auto* panel = Gtk::make_managed<Gtk::Box>(Gtk::Orientation::VERTICAL, 8);
  panel->set_name("connectors.empty");
  applyPanelStyle(*panel, 12, false);
  auto* title = Gtk::make_managed<Gtk::Label>(state.title);
  title->add_css_class("heading");
  panel->append(*title);
  auto* message = Gtk::make_managed<Gtk::Label>(state.message);
  message->set_name("connectors.empty.message");
  message->add_css_class("dim-label");
  message->set_wrap(true);
  message->set_justify(Gtk::Justification::CENTER);
  panel->append(*message);
  auto* action = Gtk::make_managed<Gtk::Button>(state.actionTitle);
  action->set_name("connectors.empty.action");
  action->set_halign(Gtk::Align::CENTER);
  action->set_margin_top(4);
  // The list is rebuilt from the action, so it runs once this button's click has ended.
  action->signal_clicked().connect([this, clearsSearch = state.clearsSearch] {
    Glib::signal_idle().connect_once(sigc::track_obj(
        [this, clearsSearch] {
          if (clearsSearch) {
            queryBar_.clearSearch();
          } else {
            queryBar_.showAll();
          }
        },
        *this));
  });
  panel->append(*action);
  return *panel;
}

void ConnectorsWorkspaceView::showDetails(const ConnectorItem& connector) {
  if (Gtk::Window* parent = window()) details_.present(connector.id, *parent);
}

void ConnectorsWorkspaceView::showAddSheet() {
  if (Gtk::Window* parent = window()) addSheet_.present(*parent);
}

Gtk::Window* ConnectorsWorkspaceView::window() {
  return dynamic_cast<Gtk::Window*>(get_root());
}

}  // namespace ondi::ui
