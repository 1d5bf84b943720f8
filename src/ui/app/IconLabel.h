#pragma once

#include <gtkmm/button.h>

#include <string>

namespace ondi::ui {

// Gives `button` a symbol followed by a label, and the label as its accessible name.
void setIconAndLabel(Gtk::Button& button, const std::string& symbol, const std::string& label);

// Makes `button` a flat symbol-only button named `name`, which screen readers call
// `accessibleName` and whose tooltip is `tooltip` (the accessible name when empty).
void styleIconButton(Gtk::Button& button, const std::string& name, const std::string& symbol,
                     const std::string& accessibleName, const std::string& tooltip = "");

}  // namespace ondi::ui
