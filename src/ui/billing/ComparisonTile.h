#pragma once

#include <gtkmm/box.h>

#include <string>

#include "core/workspace/AccentTone.h"

namespace ondi::ui {

// A short comparison of Ondi with another kind of tool, under an accent bar.
class ComparisonTile : public Gtk::Box {
 public:
  ComparisonTile(const std::string& name, const std::string& title, const std::string& text,
                 AccentTone tone);
};

}  // namespace ondi::ui
