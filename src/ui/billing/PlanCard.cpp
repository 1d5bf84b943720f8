#include "ui/billing/PlanCard.h"

#include <gtkmm/button.h>
#include <gtkmm/image.h>
#include <gtkmm/label.h>

#include "core/shell/SymbolIcons.h"
#include "core/workspace/OperationsRecords.h"
#include "ui/app/AccessibleName.h"
#include "ui/billing/BillingStyle.h"
#include "ui/theme/PanelClasses.h"

namespace ondi::ui {
namespace {

Gtk::Label& wrappedLabel(const std::string& text) {
  auto* label = Gtk::make_managed<Gtk::Label>(text);
  label->set_xalign(0);
  label->set_wrap(true);
  label->set_max_width_chars(1);  // wraps to the card's width
  label->set_hexpand(true);
  return *label;
}

}  // namespace

PlanCard::PlanCard(const PricingPlan& plan, std::function<void()> choose)
    : Gtk::Box(Gtk::Orientation::VERTICAL, 10) {
  installBillingStyle();
  set_name("billing.plan." + plan.id);
  applyPanelStyle(*this, 14, plan.isFeatured);
  set_size_request(200, -1);

  auto* bar = Gtk::make_managed<Gtk::Box>();
  bar->add_css_class("ondi-accent-bar");
  bar->add_css_class(toneClass(plan.tone));
  append(*bar);

  auto* name = Gtk::make_managed<Gtk::Label>(plan.name);
  name->set_xalign(0);
  name->add_css_class("title-4");
  append(*name);
  auto* price = Gtk::make_managed<Gtk::Label>(plan.price);
  price->set_xalign(0);
  price->add_css_class("ondi-plan-price");
  append(*price);
  Gtk::Label& audience = wrappedLabel(plan.audience);
  audience.add_css_class("dim-label");
  append(audience);

  auto* included = Gtk::make_managed<Gtk::Box>(Gtk::Orientation::VERTICAL, 6);
  included->set_vexpand(true);
  included->set_margin_top(4);
  for (const std::string& item : plan.included) {
    auto* row = Gtk::make_managed<Gtk::Box>(Gtk::Orientation::HORIZONTAL, 8);
    auto* mark = Gtk::make_managed<Gtk::Image>();
    mark->set_from_icon_name(iconName("checkmark"));
    hideFromAssistiveTechnology(*mark);
    mark->set_valign(Gtk::Align::START);
    row->append(*mark);
    row->append(wrappedLabel(item));
    included->append(*row);
  }
  append(*included);

  auto* button = Gtk::make_managed<Gtk::Button>(plan.id == "free" ? std::string("Review Free Plan")
                                                                  : "Choose " + plan.name);
  button->set_name("billing.plan." + plan.id + ".choose");
  if (plan.isFeatured) button->add_css_class("suggested-action");
  button->signal_clicked().connect(std::move(choose));
  append(*button);
}

}  // namespace ondi::ui
