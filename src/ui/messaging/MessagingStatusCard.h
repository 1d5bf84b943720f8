#pragma once

#include <gtkmm/box.h>
#include <gtkmm/image.h>
#include <gtkmm/label.h>

#include "core/messaging/MessagingTiles.h"

namespace ondi::ui {

// One status tile: a symbol, a title, a value and a line of detail.
class MessagingStatusCard : public Gtk::Box {
 public:
  explicit MessagingStatusCard(const std::string& name);
  void show(const MessagingTile& tile);

 private:
  Gtk::Image symbol_;
  Gtk::Label title_;
  Gtk::Label value_;
  Gtk::Label detail_;
};

}  // namespace ondi::ui
