#pragma once

#include <gtkmm/box.h>

namespace ondi::ui {

// A layout of the main window around the routed content. The content belongs to the window,
// not the layout: a layout going away hands it back, web views and all, for the next one.
class ShellLayout : public Gtk::Box {
 public:
  ~ShellLayout() override { contentSlot_.remove(content_); }

 protected:
  ShellLayout(Gtk::Widget& content, Gtk::Orientation orientation)
      : Gtk::Box(orientation), content_(content) {
    contentSlot_.set_hexpand(true);
    contentSlot_.set_vexpand(true);
    contentSlot_.append(content_);
  }
  Gtk::Box& contentSlot() { return contentSlot_; }

 private:
  Gtk::Widget& content_;
  Gtk::Box contentSlot_;
};

}  // namespace ondi::ui
