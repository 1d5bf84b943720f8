#pragma once

#include <gtkmm/box.h>
#include <gtkmm/label.h>
#include <gtkmm/linkbutton.h>

#include <functional>
#include <string>

namespace ondi::ui {

// A caption followed by a link to a page of the service's web site, shown by its host;
// following it calls `follow`, which opens the page in the system's browser. The address is
// asked for again whenever the line is shown and when the link is followed, so it follows the
// service the program talks to now. An address that does not parse hides the line.
class WebsiteLink : public Gtk::Box {
 public:
  using Address = std::function<std::string()>;

  WebsiteLink(const std::string& caption, Address address, std::function<void()> follow,
              const std::string& name);

 private:
  void refresh();

  Address address_;
  std::function<void()> follow_;
  Gtk::Label caption_;
  Gtk::LinkButton link_;
};

}  // namespace ondi::ui
