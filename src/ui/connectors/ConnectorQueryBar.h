#pragma once

#include <gtkmm/box.h>
#include <gtkmm/button.h>
#include <gtkmm/label.h>
#include <gtkmm/menubutton.h>
#include <gtkmm/searchentry.h>
#include <gtkmm/togglebutton.h>

#include <array>

#include "core/workspace/ConnectorListing.h"

namespace ondi::ui {

// The search field, the scope tabs and the filter menu of the connectors screen. It holds the
// screen's query and tells when it changes.
class ConnectorQueryBar : public Gtk::Box {
 public:
  ConnectorQueryBar();

  const ConnectorQuery& query() const { return query_; }
  sigc::signal<void()>& signalChanged() { return changed_; }

  void clearSearch();
  // Back to every scope and every connection state.
  void showAll();

 private:
  void chooseScope(ConnectorScope scope);
  void chooseFilter(ConnectorFilter filter);

  ConnectorQuery query_;
  Gtk::SearchEntry search_;
  std::array<Gtk::ToggleButton, 4> scopes_;
  Gtk::MenuButton filter_;
  Gtk::Label filterTitle_;
  std::array<Gtk::Button, 3> filters_;
  sigc::signal<void()> changed_;
};

}  // namespace ondi::ui
