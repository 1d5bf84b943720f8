#include "ui/payments/PaymentPolicySummary.h"

#include "core/payments/AgentPaymentDisplay.h"
#include "core/payments/AgentPaymentMoney.h"
#include "core/payments/AgentPaymentStore.h"
#include "ui/payments/PaymentStyle.h"

namespace ondi::ui {

PaymentPolicySummary::PaymentPolicySummary(const AgentPaymentStore& store,
                                           const Published<std::vector<AgentProfile>>& agents)
    : Gtk::Box(Gtk::Orientation::VERTICAL, 0),
      store_(store),
      agents_(agents),
      agent_(addRow("agent", "Agent")),
      monthly_(addRow("monthly", "Monthly limit")),
      perPurchase_(addRow("per-purchase", "Per purchase")),
      threshold_(addRow("threshold", "Below approval threshold")),
      automatic_(addRow("automatic", "Automatic spend")) {
  const PaymentCard card = paymentCard("payments.summary", "creditcard", "Draft policy");
  append(card.body);
  pill_.set_name("payments.summary.state");
  pill_.add_css_class("ondi-payment-pill");
  pill_.set_valign(Gtk::Align::CENTER);
  card.header.append(pill_);
  card.body.append(rows_);

  connections_.add(store_.draftPolicy.changed().connect([this](const auto&) { showDraft(); }));
  connections_.add(agents_.changed().connect([this](const auto&) { showDraft(); }));
  showDraft();
}

Gtk::Label& PaymentPolicySummary::addRow(const std::string& name, const std::string& title) {
  auto* row = Gtk::make_managed<Gtk::Box>(Gtk::Orientation::HORIZONTAL, 12);
  auto* label = Gtk::make_managed<Gtk::Label>(title);
  label->set_xalign(0);
  label->set_hexpand(true);
  label->add_css_class("dim-label");
  row->append(*label);
  auto* value = Gtk::make_managed<Gtk::Label>();
  value->set_name("payments.summary." + name);
  value->set_xalign(1);
  value->set_wrap(true);
  row->append(*value);
  rows_.append(*row);
  return *value;
}

void PaymentPolicySummary::showDraft() {
  const AgentPaymentPolicy& policy = store_.draftPolicy.get();
  pill_.set_text(policy.isPaused ? "PAUSED" : "DRAFT");
  agent_.set_text(AgentPaymentDisplay::agentName(agents_.get(), policy.agentID));
  monthly_.set_text(AgentPaymentMoney::usd(policy.monthlyLimitCents));
  perPurchase_.set_text(AgentPaymentMoney::usd(policy.perPurchaseLimitCents));
  threshold_.set_text(AgentPaymentMoney::usd(policy.approvalThresholdCents));
  automatic_.set_text(policy.allowsAutomaticPurchases ? "On" : "Off");
}

}  // namespace ondi::ui
