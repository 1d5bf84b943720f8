#pragma once

#include <cstdint>
#include <functional>
#include <string>

#include <gtkmm/box.h>
#include <gtkmm/label.h>
#include <gtkmm/spinbutton.h>

namespace ondi::ui {

// A labelled whole-dollar amount: a spin button bounded to [minimum, maximum] that moves by
// `step`, and the amount as money in the user's locale beside it. Showing a value does not
// report it back as an edit.
class AmountStepper : public Gtk::Box {
 public:
  struct Range {
    std::int64_t minimum;
    std::int64_t maximum;
    std::int64_t step;
  };

  AmountStepper(const std::string& name, const std::string& label, Range range,
                std::function<void(std::int64_t dollars)> edited);

  void show(std::int64_t dollars);

 private:
  Gtk::SpinButton spin_;
  Gtk::Label money_;
  std::function<void(std::int64_t)> edited_;
  bool showing_ = false;
};

}  // namespace ondi::ui
