#pragma once

#include <gtkmm/box.h>
#include <gtkmm/button.h>
#include <gtkmm/image.h>
#include <gtkmm/label.h>

#include <functional>
#include <string>

#include "core/browser/BrowserTabSession.h"

namespace ondi::ui {

// One tab in the tab strip: its symbol and title, which select it, and a button that closes
// it. The pill stands for whichever tab it was shown last.
class BrowserTabPill : public Gtk::Box {
 public:
  using TabAction = std::function<void(const std::string& id)>;

  BrowserTabPill(TabAction select, TabAction close);

  void showTab(const BrowserTabSnapshot& snapshot, bool selected);

 private:
  std::string id_;
  Gtk::Button select_;
  Gtk::Box content_{Gtk::Orientation::HORIZONTAL, 6};
  Gtk::Image symbol_;
  Gtk::Label title_;
  Gtk::Button close_;
};

}  // namespace ondi::ui
