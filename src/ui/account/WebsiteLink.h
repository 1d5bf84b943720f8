#pragma once

#include <gtkmm/box.h>
#include <gtkmm/label.h>
#include <gtkmm/linkbutton.h>

#include <string>

namespace ondi::ui {

// A caption followed by a link to a page of the service's web site, shown by its host.
// An address that does not parse leaves the line hidden.
class WebsiteLink : public Gtk::Box {
 public:
  WebsiteLink(const std::string& caption, const std::string& address, const std::string& name);

 private:
  Gtk::Label caption_;
  Gtk::LinkButton link_;
};

}  // namespace ondi::ui
