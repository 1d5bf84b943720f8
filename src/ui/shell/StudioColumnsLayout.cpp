#include "ui/shell/StudioColumnsLayout.h"

#include <gtkmm/widget.h>

#include <algorithm>

namespace ondi::ui {
namespace {

// The narrowest main column that still reads comfortably beside the inspector.
constexpr int kComfortableMainWidth = 640;

int minimumWidth(const Gtk::Widget& widget) {
  if (!widget.get_visible()) return 0;
  int minimum = 0, natural = 0, ignored = 0;
  widget.measure(Gtk::Orientation::HORIZONTAL, -1, minimum, natural, ignored, ignored);
  return minimum;
}

int naturalWidth(const Gtk::Widget& widget) {
  if (!widget.get_visible()) return 0;
  int minimum = 0, natural = 0, ignored = 0;
  widget.measure(Gtk::Orientation::HORIZONTAL, -1, minimum, natural, ignored, ignored);
  return natural;
}

}  // namespace

Glib::RefPtr<StudioColumnsLayout> StudioColumnsLayout::create(Gtk::Widget& sidebar,
                                                              Gtk::Widget& main,
                                                              Gtk::Widget& inspector) {
  return Glib::make_refptr_for_instance(new StudioColumnsLayout(sidebar, main, inspector));
}

StudioColumnsLayout::StudioColumnsLayout(Gtk::Widget& sidebar, Gtk::Widget& main,
                                         Gtk::Widget& inspector)
    : Glib::ObjectBase("OndiStudioColumnsLayout"),
      sidebar_(sidebar),
      main_(main),
      inspector_(inspector) {}

Gtk::SizeRequestMode StudioColumnsLayout::get_request_mode_vfunc(const Gtk::Widget&) const {
  return Gtk::SizeRequestMode::HEIGHT_FOR_WIDTH;
}

StudioColumnsLayout::Columns StudioColumnsLayout::columns(int width) const {
  Columns columns;
  columns.sidebar = minimumWidth(sidebar_);
  const int inspector = minimumWidth(inspector_);
  const int room = width - columns.sidebar - inspector;
  if (inspector > 0 && room >= std::max(kComfortableMainWidth, minimumWidth(main_))) {
    columns.inspector = inspector;
  }
  columns.main = std::max(0, width - columns.sidebar - columns.inspector);
  return columns;
}

void StudioColumnsLayout::measure_vfunc(const Gtk::Widget&, Gtk::Orientation orientation,
                                        int for_size, int& minimum, int& natural,
                                        int& minimum_baseline, int& natural_baseline) const {
  minimum_baseline = natural_baseline = -1;
  if (orientation == Gtk::Orientation::HORIZONTAL) {
    // The inspector can give way, so only the sidebar and the main column bound the width.
    minimum = minimumWidth(sidebar_) + minimumWidth(main_);
    natural = naturalWidth(sidebar_) + naturalWidth(main_) + naturalWidth(inspector_);
    return;
  }
  const Columns widths = for_size < 0 ? Columns{-1, -1, -1} : columns(for_size);
  minimum = natural = 0;
  const auto add = [&](const Gtk::Widget& column, int width) {
    if (!column.get_visible() || width == 0) return;
    int columnMinimum = 0, columnNatural = 0, ignored = 0;
    column.measure(Gtk::Orientation::VERTICAL, width, columnMinimum, columnNatural, ignored,
                   ignored);
    minimum = std::max(minimum, columnMinimum);
    natural = std::max(natural, columnNatural);
  };
  add(sidebar_, widths.sidebar);
  add(main_, widths.main);
  add(inspector_, widths.inspector);
}

void StudioColumnsLayout::allocate_vfunc(const Gtk::Widget&, int width, int height, int) {
  const Columns widths = columns(width);
  // As a paned does with a collapsed side: the column stays in the tree, undrawn.
  inspector_.set_child_visible(widths.inspector > 0);
  if (sidebar_.get_visible()) sidebar_.size_allocate({0, 0, widths.sidebar, height}, -1);
  main_.size_allocate({widths.sidebar, 0, widths.main, height}, -1);
  if (widths.inspector > 0) {
    inspector_.size_allocate({width - widths.inspector, 0, widths.inspector, height}, -1);
  }
}

}  // namespace ondi::ui
