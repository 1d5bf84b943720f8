#include "ui/billing/BillingSectionPicker.h"

#include "core/billing/BillingController.h"
#include "ui/app/AccessibleName.h"
#include "ui/billing/BillingStyle.h"

namespace ondi::ui {

BillingSectionPicker::BillingSectionPicker(BillingController& billing)
    : Gtk::Box(Gtk::Orientation::HORIZONTAL), billing_(billing) {
  set_name("billing-section-picker");
  installBillingStyle();
  add_css_class("linked");
  add_css_class("ondi-segmented");
  set_valign(Gtk::Align::CENTER);
  setAccessibleName(*this, "Billing section");
  for (std::size_t index = 0; index < segments_.size(); ++index) {
    const BillingSection section = kAllBillingSections[index];
    Gtk::ToggleButton& segment = segments_[index];
    segment.set_name("billing-section-picker." + rawValue(section));
    segment.set_label(title(section));
    if (index > 0) segment.set_group(segments_[0]);
    segment.signal_toggled().connect([this, section, &segment] {
      if (segment.get_active()) billing_.select(section);
    });
    append(segment);
  }
  connections_.add(
      billing_.selectedSection().changed().connect([this](BillingSection) { showSelection(); }));
  showSelection();
}

void BillingSectionPicker::showSelection() {
  const BillingSection selected = billing_.selectedSection().get();
  for (std::size_t index = 0; index < segments_.size(); ++index) {
    if (kAllBillingSections[index] == selected) segments_[index].set_active(true);
  }
}

}  // namespace ondi::ui
