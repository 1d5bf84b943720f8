#pragma once

#include <gtkmm/button.h>
#include <gtkmm/image.h>
#include <gtkmm/label.h>

#include <string>

namespace ondi::ui {

// A flat button that reads as a row: a symbol, a title and a detail line under it. Screen
// readers say the title and the detail.
class DetailButton : public Gtk::Button {
 public:
  DetailButton(const std::string& name, const std::string& symbol, const std::string& title,
               const std::string& detail);

  void setTitle(const std::string& title);
  void setDetail(const std::string& detail);
  // A short state shown at the row's end, such as "Done"; empty hides it.
  void setTrailing(const std::string& text);

 private:
  void updateAccessibleName();

  Gtk::Image icon_;
  Gtk::Label title_;
  Gtk::Label detail_;
  Gtk::Label trailing_;
};

}  // namespace ondi::ui
