#pragma once

#include <gtkmm/box.h>

#include <functional>

namespace ondi {
struct PricingPlan;
}

namespace ondi::ui {

// One plan on offer: its name, price, audience and what it includes, and the button that
// chooses it ("Choose " and its name, or "Review Free Plan").
class PlanCard : public Gtk::Box {
 public:
  PlanCard(const PricingPlan& plan, std::function<void()> choose);
};

}  // namespace ondi::ui
