#include "ui/payments/AmountStepper.h"

#include <cmath>

#include "core/payments/AgentPaymentMoney.h"
#include "ui/app/AccessibleName.h"
#include "ui/payments/PaymentStyle.h"

namespace ondi::ui {

AmountStepper::AmountStepper(const std::string& name, const std::string& label, Range range,
                             std::function<void(std::int64_t)> edited)
    : Gtk::Box(Gtk::Orientation::HORIZONTAL, 12), edited_(std::move(edited)) {
  set_name(name);
  auto* title = Gtk::make_managed<Gtk::Label>(label);
  title->set_xalign(0);
  title->set_hexpand(true);
  title->set_wrap(true);
  append(*title);

  spin_.set_name(name + ".value");
  spin_.set_range(static_cast<double>(range.minimum), static_cast<double>(range.maximum));
  spin_.set_increments(static_cast<double>(range.step), static_cast<double>(range.step) * 10);
  spin_.set_digits(0);
  spin_.set_numeric(true);
  spin_.set_width_chars(7);
  setAccessibleName(spin_, label + ", in dollars");
  spin_.signal_value_changed().connect([this] {
    money_.set_text(AgentPaymentMoney::usd(static_cast<std::int64_t>(spin_.get_value()) * 100));
    if (!showing_) edited_(static_cast<std::int64_t>(std::llround(spin_.get_value())));
  });
  append(spin_);

  money_.set_name(name + ".amount");
  money_.set_xalign(1);
  money_.add_css_class("ondi-payment-money");
  append(money_);
}

void AmountStepper::show(std::int64_t dollars) {
  showing_ = true;
  spin_.set_value(static_cast<double>(dollars));
  showing_ = false;
  money_.set_text(AgentPaymentMoney::usd(dollars * 100));
}

}  // namespace ondi::ui
