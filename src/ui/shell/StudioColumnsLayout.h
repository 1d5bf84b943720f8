#pragma once

#include <gtkmm/layoutmanager.h>

namespace ondi::ui {

// Lays the studio's columns side by side: the sidebar at its own width on the left, the
// inspector at its own width on the right, and the main column taking the rest. The inspector
// gives way while it would leave the main column narrower than a comfortable reading width, so
// a narrow window shows the screen whole instead of three cramped columns. Whether the user
// wants the inspector (its visibility) is left as it is: the column only stops being drawn, and
// comes back once the window is wide enough.
class StudioColumnsLayout : public Gtk::LayoutManager {
 public:
  static Glib::RefPtr<StudioColumnsLayout> create(Gtk::Widget& sidebar, Gtk::Widget& main,
                                                  Gtk::Widget& inspector);

 protected:
  Gtk::SizeRequestMode get_request_mode_vfunc(const Gtk::Widget& widget) const override;
  void measure_vfunc(const Gtk::Widget& widget, Gtk::Orientation orientation, int for_size,
                     int& minimum, int& natural, int& minimum_baseline,
                     int& natural_baseline) const override;
  void allocate_vfunc(const Gtk::Widget& widget, int width, int height, int baseline) override;

 private:
  StudioColumnsLayout(Gtk::Widget& sidebar, Gtk::Widget& main, Gtk::Widget& inspector);

  // The width of each column for the given total width; 0 for a column not shown.
  struct Columns {
    int sidebar = 0;
    int main = 0;
    int inspector = 0;
  };
  Columns columns(int width) const;

  Gtk::Widget& sidebar_;
  Gtk::Widget& main_;
  Gtk::Widget& inspector_;
};

}  // namespace ondi::ui
