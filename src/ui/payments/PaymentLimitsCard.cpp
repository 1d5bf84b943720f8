#include "ui/payments/PaymentLimitsCard.h"

#include <gtkmm/image.h>

#include "core/payments/AgentPaymentDisplay.h"
#include "core/payments/AgentPaymentStore.h"
#include "core/shell/SymbolIcons.h"
#include "ui/app/AccessibleName.h"
#include "ui/payments/PaymentCategoryPicker.h"
#include "ui/payments/PaymentStyle.h"

namespace ondi::ui {
namespace {

// Policy amounts in whole dollars; the policy's own checks say what is out of order.
constexpr AmountStepper::Range kMonthlyRange{0, 1000000, 50};
constexpr AmountStepper::Range kPerPurchaseRange{0, 1000000, 10};
constexpr AmountStepper::Range kThresholdRange{0, 1000000, 5};

Gtk::Box& labelledRow(const std::string& text, Gtk::Widget& control) {
  auto* row = Gtk::make_managed<Gtk::Box>(Gtk::Orientation::HORIZONTAL, 12);
  auto* label = Gtk::make_managed<Gtk::Label>(text);
  label->set_xalign(0);
  label->set_hexpand(true);
  label->set_wrap(true);
  row->append(*label);
  control.set_valign(Gtk::Align::CENTER);
  row->append(control);
  return *row;
}

}  // namespace

PaymentLimitsCard::PaymentLimitsCard(AgentPaymentStore& store,
                                     const Published<std::vector<AgentProfile>>& agents)
    : Gtk::Box(Gtk::Orientation::VERTICAL, 0),
      store_(store),
      agents_(agents),
      monthly_(
          "payments.limit.monthly", "Monthly envelope", kMonthlyRange,
          [this](std::int64_t dollars) {
            store_.editDraft([dollars](auto& policy) { policy.monthlyLimitCents = dollars * 100; });
          }),
      perPurchase_("payments.limit.per-purchase", "Per-purchase cap", kPerPurchaseRange,
                   [this](std::int64_t dollars) {
                     store_.editDraft(
                         [dollars](auto& policy) { policy.perPurchaseLimitCents = dollars * 100; });
                   }),
      threshold_("payments.limit.threshold", "Require approval above", kThresholdRange,
                 [this](std::int64_t dollars) {
                   store_.editDraft(
                       [dollars](auto& policy) { policy.approvalThresholdCents = dollars * 100; });
                 }),
      agent_(agentNames_) {
  const PaymentCard card =
      paymentCard("payments.limits", "gauge.with.dots.needle.67percent", "Spend limits");
  append(card.body);
  card.body.append(monthly_);
  card.body.append(perPurchase_);
  card.body.append(threshold_);

  agent_.set_name("payments.agent");
  nameDropDown(agent_, "Assigned agent");
  agent_.property_selected().signal_changed().connect([this] {
    const auto index = agent_.get_selected();
    if (showing_ || index >= agentIDs_.size()) return;
    store_.editDraft([id = agentIDs_[index]](auto& policy) { policy.agentID = id; });
  });
  card.body.append(labelledRow("Assigned agent", agent_));

  automatic_.set_name("payments.automatic");
  setAccessibleName(automatic_, "Allow automatic purchases below threshold");
  automatic_.property_active().signal_changed().connect([this] {
    if (showing_) return;
    store_.editDraft(
        [on = automatic_.get_active()](auto& policy) { policy.allowsAutomaticPurchases = on; });
  });
  card.body.append(labelledRow("Allow automatic purchases below threshold", automatic_));
  paused_.set_name("payments.paused");
  setAccessibleName(paused_, "Pause the wallet");
  paused_.property_active().signal_changed().connect([this] {
    if (showing_) return;
    store_.editDraft([on = paused_.get_active()](auto& policy) { policy.isPaused = on; });
  });
  card.body.append(labelledRow("Pause the wallet", paused_));

  card.body.append(*Gtk::make_managed<PaymentCategoryPicker>(store_));

  issues_.set_name("payments.validation");
  card.body.append(issues_);
  status_.set_name("payments.policy-status");
  status_.set_xalign(0);
  status_.set_wrap(true);
  status_.set_max_width_chars(1);
  status_.set_hexpand(true);
  status_.add_css_class("dim-label");
  card.body.append(status_);

  auto* buttons = Gtk::make_managed<Gtk::Box>(Gtk::Orientation::HORIZONTAL, 8);
  buttons->set_halign(Gtk::Align::END);
  discard_.set_name("payments.discard");
  discard_.signal_clicked().connect([this] { store_.discardChanges(); });
  buttons->append(discard_);
  save_.set_name("payments.save");
  save_.add_css_class("suggested-action");
  save_.signal_clicked().connect([this] { store_.savePolicy(); });
  buttons->append(save_);
  card.body.append(*buttons);

  connections_.add(store_.draftPolicy.changed().connect([this](const auto&) { showDraft(); }));
  connections_.add(agents_.changed().connect([this](const auto&) { showAgents(); }));
  const auto checks = [this](const auto&) { showChecks(); };
  connections_.add(store_.savedPolicy.changed().connect(checks));
  connections_.add(store_.isSaving.changed().connect(checks));
  connections_.add(store_.lastSavedAt.changed().connect(checks));
  showDraft();
}

void PaymentLimitsCard::showDraft() {
  const AgentPaymentPolicy& policy = store_.draftPolicy.get();
  showing_ = true;
  monthly_.show(policy.monthlyLimitDollars());
  perPurchase_.show(policy.perPurchaseLimitDollars());
  threshold_.show(policy.approvalThresholdDollars());
  automatic_.set_active(policy.allowsAutomaticPurchases);
  paused_.set_active(policy.isPaused);
  showing_ = false;
  showAgents();
  showChecks();
}

void PaymentLimitsCard::showAgents() {
  const std::string& assigned = store_.draftPolicy.get().agentID;
  std::vector<Glib::ustring> names;
  agentIDs_.clear();
  for (const AgentProfile& agent : agents_.get()) {
    names.push_back(agent.name);
    agentIDs_.push_back(agent.id);
  }
  // An agent the picker does not list (none, or one the service names) is still shown.
  if (std::ranges::find(agentIDs_, assigned) == agentIDs_.end()) {
    names.push_back(AgentPaymentDisplay::agentName(agents_.get(), assigned));
    agentIDs_.push_back(assigned);
  }
  showing_ = true;
  agentNames_->splice(0, agentNames_->get_n_items(), names);
  agent_.set_selected(
      static_cast<guint>(std::ranges::find(agentIDs_, assigned) - agentIDs_.begin()));
  showing_ = false;
}

void PaymentLimitsCard::showChecks() {
  while (Gtk::Widget* child = issues_.get_first_child()) issues_.remove(*child);
  const auto issues = store_.draftPolicy.get().validationIssues();
  for (const std::string& issue : issues) {
    auto* row = Gtk::make_managed<Gtk::Box>(Gtk::Orientation::HORIZONTAL, 8);
    auto* icon = Gtk::make_managed<Gtk::Image>();
    icon->set_from_icon_name(iconName("exclamationmark.triangle.fill"));
    hideFromAssistiveTechnology(*icon);
    icon->set_valign(Gtk::Align::START);
    row->append(*icon);
    row->append(paymentParagraph(issue));
    issues_.append(*row);
  }
  issues_.set_visible(!issues.empty());
  status_.set_text(AgentPaymentDisplay::policyStatus(store_.hasUnsavedChanges(),
                                                     store_.lastSavedAt.get().has_value()));
  discard_.set_sensitive(store_.hasUnsavedChanges());
  save_.set_sensitive(store_.canSave());
}

}  // namespace ondi::ui
