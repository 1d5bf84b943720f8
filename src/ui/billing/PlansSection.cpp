#include "ui/billing/PlansSection.h"

#include <gtkmm/label.h>

#include "core/billing/BillingController.h"
#include "core/workspace/WorkspaceStore.h"
#include "ui/app/AccessibleName.h"
#include "ui/billing/ComparisonTile.h"
#include "ui/billing/PlanCard.h"

namespace ondi::ui {
namespace {

struct Comparison {
  const char* name;
  const char* title;
  const char* text;
  AccentTone tone;
};

constexpr Comparison kComparisons[] = {
    {"billing.compare.ondi", "Ondi",
     "Always-on agents, connected apps, browser context, phone/message access, and approvals.",
     AccentTone::blue},
    {"billing.compare.chat", "General AI chat",
     "Useful responses, but follow-up, routing, app context, and approval tracking stay manual.",
     AccentTone::slate},
    {"billing.compare.developer", "Developer tools",
     "Strong for software work, while Ondi focuses on operations, customers, ads, orders, and "
     "finance.",
     AccentTone::clay},
};

void setUpGrid(Gtk::FlowBox& grid, int maximumPerLine) {
  grid.set_selection_mode(Gtk::SelectionMode::NONE);
  grid.set_homogeneous(true);
  grid.set_min_children_per_line(1);
  grid.set_max_children_per_line(maximumPerLine);
  grid.set_column_spacing(16);
  grid.set_row_spacing(16);
}

}  // namespace

PlansSection::PlansSection(BillingController& billing, const WorkspaceStore& workspace)
    : Gtk::Box(Gtk::Orientation::VERTICAL, 16), billing_(billing), workspace_(workspace) {
  set_name("billing.plans");
  auto* heading = Gtk::make_managed<Gtk::Label>("From one person to managed rollout");
  heading->set_xalign(0);
  heading->set_wrap(true);
  heading->add_css_class("title-2");
  append(*heading);
  auto* intro = Gtk::make_managed<Gtk::Label>(
      "The desktop app mirrors the public Ondi packaging: start small, add helpers, then add "
      "managed setup for teams.");
  intro->set_xalign(0);
  intro->set_wrap(true);
  intro->set_max_width_chars(1);  // wraps to the section's width
  intro->set_hexpand(true);
  intro->add_css_class("dim-label");
  append(*intro);

  cards_.set_name("billing.plan-cards");
  setAccessibleName(cards_, "Plans");
  setUpGrid(cards_, 4);
  append(cards_);

  auto* tiles = Gtk::make_managed<Gtk::FlowBox>();
  tiles->set_name("billing.comparisons");
  setAccessibleName(*tiles, "How Ondi compares");
  tiles->set_margin_top(8);
  setUpGrid(*tiles, 3);
  for (const Comparison& comparison : kComparisons) {
    appendNamed(*tiles,
                *Gtk::make_managed<ComparisonTile>(comparison.name, comparison.title,
                                                   comparison.text, comparison.tone),
                comparison.title);
  }
  append(*tiles);

  connections_.add(workspace_.plans.changed().connect([this](const auto&) { showPlans(); }));
  showPlans();
}

void PlansSection::showPlans() {
  while (Gtk::Widget* child = cards_.get_first_child()) cards_.remove(*child);
  for (const PricingPlan& plan : workspace_.plans.get()) {
    appendNamed(cards_,
                *Gtk::make_managed<PlanCard>(plan, [this, plan] { billing_.choosePlan(plan); }),
                plan.name + " plan, " + plan.price);
  }
}

}  // namespace ondi::ui
