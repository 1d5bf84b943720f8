#include "ui/connectors/AddConnectorSheet.h"

#include <gtkmm/image.h>
#include <gtkmm/label.h>
#include <gtkmm/scrolledwindow.h>

#include "core/shell/SymbolIcons.h"
#include "core/workspace/ConnectorDisplay.h"
#include "core/workspace/ConnectorListing.h"
#include "core/workspace/WorkspaceStore.h"
#include "ui/app/AccessibleName.h"
#include "ui/app/IconLabel.h"
#include "ui/connectors/ConnectorLogo.h"
#include "ui/theme/PanelClasses.h"

namespace ondi::ui {
namespace {

Gtk::Widget& allActiveNote() {
  auto* note = Gtk::make_managed<Gtk::Box>(Gtk::Orientation::VERTICAL, 6);
  note->set_name("add-connector.all-active");
  note->set_margin(24);
  auto* icon = Gtk::make_managed<Gtk::Image>();
  icon->set_from_icon_name(iconName("checkmark.circle"));
  hideFromAssistiveTechnology(*icon);
  icon->set_pixel_size(32);
  icon->add_css_class("dim-label");
  note->append(*icon);
  auto* title = Gtk::make_managed<Gtk::Label>("All connectors are active");
  title->add_css_class("heading");
  note->append(*title);
  auto* detail =
      Gtk::make_managed<Gtk::Label>("Disconnect a tool from its menu to make it available here.");
  detail->add_css_class("dim-label");
  detail->set_wrap(true);
  detail->set_justify(Gtk::Justification::CENTER);
  note->append(*detail);
  return *note;
}

}  // namespace

AddConnectorSheet::AddConnectorSheet(WorkspaceStore& store) : store_(store) {
  set_name("add-connector");
  set_title("Add connector");
  set_modal(true);
  set_hide_on_close(true);
  set_default_size(440, 520);

  auto* content = Gtk::make_managed<Gtk::Box>(Gtk::Orientation::VERTICAL, 12);
  content->set_margin(20);
  auto* header = Gtk::make_managed<Gtk::Box>(Gtk::Orientation::HORIZONTAL, 8);
  auto* titles = Gtk::make_managed<Gtk::Box>(Gtk::Orientation::VERTICAL, 2);
  titles->set_hexpand(true);
  auto* title = Gtk::make_managed<Gtk::Label>("Add connector");
  title->add_css_class("title-3");
  title->set_xalign(0);
  titles->append(*title);
  auto* prompt = Gtk::make_managed<Gtk::Label>("Choose a tool to connect to this workspace.");
  prompt->add_css_class("dim-label");
  prompt->set_xalign(0);
  prompt->set_wrap(true);
  titles->append(*prompt);
  header->append(*titles);
  styleIconButton(close_, "add-connector.close", "xmark", "Close");
  close_.set_valign(Gtk::Align::START);
  close_.signal_clicked().connect([this] { set_visible(false); });
  header->append(close_);
  content->append(*header);

  list_.set_name("add-connector.list");
  applyPanelStyle(list_, 10, false);
  auto* scroller = Gtk::make_managed<Gtk::ScrolledWindow>();
  scroller->set_policy(Gtk::PolicyType::NEVER, Gtk::PolicyType::AUTOMATIC);
  scroller->set_vexpand(true);
  scroller->set_child(list_);
  nameScrollBars(*scroller, "Apps to connect");
  content->append(*scroller);
  set_child(*content);

  connections_.add(store_.connectors.changed().connect([this](const auto&) { update(); }));
  connections_.add(
      store_.pendingConnectorID.changed().connect([this](const auto&) { markBusy(); }));
}

void AddConnectorSheet::present(Gtk::Window& parent) {
  set_transient_for(parent);
  update();
  Gtk::Window::present();
}

void AddConnectorSheet::update() {
  while (Gtk::Widget* child = list_.get_first_child()) list_.remove(*child);
  connectButtons_.clear();
  const auto addable = addableConnectors(store_.connectors.get());
  if (addable.empty()) return list_.append(allActiveNote());
  for (const ConnectorItem& connector : addable) {
    auto* row = Gtk::make_managed<Gtk::Box>(Gtk::Orientation::HORIZONTAL, 12);
    row->set_name("add-connector.row." + connector.id);
    row->add_css_class("connector-row");
    row->append(*Gtk::make_managed<ConnectorLogo>(connector, 32));
    auto* texts = Gtk::make_managed<Gtk::Box>(Gtk::Orientation::VERTICAL, 2);
    texts->set_hexpand(true);
    auto* name = Gtk::make_managed<Gtk::Label>(connector.name);
    name->add_css_class("connector-row-name");
    name->set_xalign(0);
    texts->append(*name);
    auto* use = Gtk::make_managed<Gtk::Label>(connectorDisplayMetadata(connector).description);
    use->add_css_class("caption");
    use->set_xalign(0);
    use->set_ellipsize(Pango::EllipsizeMode::END);
    texts->append(*use);
    row->append(*texts);
    auto* connect = Gtk::make_managed<Gtk::Button>("Connect");
    connect->set_name("add-connector.row." + connector.id + ".connect");
    connect->set_tooltip_text("Connect tool");
    connect->set_valign(Gtk::Align::CENTER);
    connectButtons_.push_back(connect);
    connect->signal_clicked().connect([this, connector] {
      set_visible(false);
      store_.beginConnectorAuthorization(connector);
    });
    row->append(*connect);
    list_.append(*row);
  }
  markBusy();
}

// Only one authorization starts at a time.
void AddConnectorSheet::markBusy() {
  const bool busy = store_.pendingConnectorID.get().has_value();
  for (Gtk::Button* button : connectButtons_) button->set_sensitive(!busy);
}

}  // namespace ondi::ui
