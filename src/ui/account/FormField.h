#pragma once

#include <gtkmm/box.h>
#include <gtkmm/entry.h>
#include <gtkmm/label.h>

#include <string>

namespace ondi::ui {

// One labelled entry of a form: the caption above, the entry below it.
class FormField : public Gtk::Box {
 public:
  struct Options {
    std::string caption;
    std::string name;  // the entry's widget name
    std::string iconName = {};
    bool secret = false;
    Gtk::InputPurpose purpose = Gtk::InputPurpose::FREE_FORM;
  };

  explicit FormField(const Options& options);

  Gtk::Entry& entry() { return entry_; }
  std::string text() const { return entry_.get_text(); }
  void clear() { entry_.set_text(""); }

 private:
  Gtk::Label caption_;
  Gtk::Entry entry_;
};

}  // namespace ondi::ui
