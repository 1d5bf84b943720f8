#pragma once

#include "ui/shell/ShellLayout.h"

namespace ondi::ui {

// The unified theme's layout, without sidebar or inspector: for now it hosts the content alone.
class UnifiedLayout : public ShellLayout {
 public:
  explicit UnifiedLayout(Gtk::Widget& content) : ShellLayout(content, Gtk::Orientation::VERTICAL) {
    set_name("shell.unified");
    append(contentSlot());
  }
};

}  // namespace ondi::ui
