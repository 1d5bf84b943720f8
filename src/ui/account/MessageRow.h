#pragma once

#include <gtkmm/box.h>
#include <gtkmm/image.h>
#include <gtkmm/label.h>

#include <string>

namespace ondi::ui {

// A symbol beside a wrapping sentence, shown only while the sentence is non-empty.
class MessageRow : public Gtk::Box {
 public:
  // `style` is one of the message style classes: "notice", "error" or "success".
  MessageRow(const std::string& name, const std::string& iconName, const std::string& style);

  void setText(const std::string& text);

 private:
  Gtk::Image icon_;
  Gtk::Label label_;
};

}  // namespace ondi::ui
