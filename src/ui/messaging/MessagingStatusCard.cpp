#include "ui/messaging/MessagingStatusCard.h"

#include "core/shell/SymbolIcons.h"
#include "ui/app/AccessibleName.h"
#include "ui/theme/PanelClasses.h"

namespace ondi::ui {

MessagingStatusCard::MessagingStatusCard(const std::string& name)
    : Gtk::Box(Gtk::Orientation::VERTICAL, 4) {
  set_name(name);
  applyPanelStyle(*this, 12, false);
  auto* top = Gtk::make_managed<Gtk::Box>(Gtk::Orientation::HORIZONTAL, 8);
  hideFromAssistiveTechnology(symbol_);
  top->append(symbol_);
  title_.set_xalign(0);
  title_.add_css_class("dim-label");
  top->append(title_);
  append(*top);
  value_.set_name(name + ".value");
  value_.set_xalign(0);
  value_.add_css_class("title-4");
  append(value_);
  detail_.set_name(name + ".detail");
  detail_.set_xalign(0);
  detail_.set_wrap(true);
  detail_.set_max_width_chars(1);
  detail_.set_hexpand(true);
  detail_.add_css_class("dim-label");
  append(detail_);
}

void MessagingStatusCard::show(const MessagingTile& tile) {
  symbol_.set_from_icon_name(iconName(tile.symbol));
  title_.set_text(tile.title);
  value_.set_text(tile.value);
  detail_.set_text(tile.detail);
}

}  // namespace ondi::ui
