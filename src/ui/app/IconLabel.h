#pragma once

#include <gtkmm/button.h>

#include <string>

namespace ondi::ui {

// Gives `button` a symbol followed by a label, and the label as its accessible name.
void setIconAndLabel(Gtk::Button& button, const std::string& symbol, const std::string& label);

}  // namespace ondi::ui
