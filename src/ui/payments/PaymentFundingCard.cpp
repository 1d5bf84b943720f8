#include "ui/payments/PaymentFundingCard.h"

#include "core/payments/AgentPaymentDisplay.h"
#include "core/payments/AgentPaymentMoney.h"
#include "core/payments/AgentPaymentStore.h"
#include "ui/app/AccessibleName.h"
#include "ui/payments/PaymentStyle.h"

namespace ondi::ui {
namespace {

constexpr std::size_t kShownTopups = 3;

std::string joined(const std::vector<std::string>& items) {
  std::string text;
  for (const std::string& item : items) text += (text.empty() ? "" : ", ") + item;
  return text;
}

}  // namespace

PaymentFundingCard::PaymentFundingCard(AgentPaymentStore& store)
    : Gtk::Box(Gtk::Orientation::VERTICAL, 0),
      store_(store),
      amount_(
          "payments.topup", "Add from funding bank",
          {AgentPaymentStore::kMinimumTopupDollars, AgentPaymentStore::kMaximumTopupDollars, 10},
          [this](std::int64_t dollars) { store_.topupAmountDollars.set(dollars); }) {
  const PaymentCard card = paymentCard("payments.funding", "wallet.bifold.fill", "Agent funds");
  append(card.body);
  pill_.set_name("payments.funding.state");
  pill_.add_css_class("ondi-payment-pill");
  pill_.set_valign(Gtk::Align::CENTER);
  card.header.append(pill_);

  auto* balanceRow = Gtk::make_managed<Gtk::Box>(Gtk::Orientation::HORIZONTAL, 12);
  balance_.set_name("payments.funding.balance");
  balance_.add_css_class("ondi-payment-balance");
  balance_.set_valign(Gtk::Align::BASELINE);
  balanceRow->append(balance_);
  card_.set_name("payments.funding.card");
  card_.set_valign(Gtk::Align::BASELINE);
  card_.add_css_class("heading");
  balanceRow->append(card_);
  card.body.append(*balanceRow);
  for (Gtk::Label* label : {&detail_, &missing_}) {
    label->set_xalign(0);
    label->set_wrap(true);
    label->set_max_width_chars(1);
    label->set_hexpand(true);
    card.body.append(*label);
  }
  detail_.set_name("payments.funding.detail");
  detail_.add_css_class("dim-label");
  missing_.set_name("payments.funding.missing");
  topups_.set_name("payments.funding.topups");
  card.body.append(topups_);
  card.body.append(amount_);

  auto* buttons = Gtk::make_managed<Gtk::Box>(Gtk::Orientation::HORIZONTAL, 8);
  buttons->set_halign(Gtk::Align::END);
  refresh_.set_name("payments.refresh");
  refresh_.signal_clicked().connect([this] { store_.refresh(); });
  buttons->append(refresh_);
  addCredit_.set_name("payments.add-credit");
  addCredit_.add_css_class("suggested-action");
  addCredit_.signal_clicked().connect([this] { store_.addCredit(); });
  buttons->append(addCredit_);
  card.body.append(*buttons);

  const auto account = [this](const auto&) { showAccount(); };
  const auto actions = [this](const auto&) { showActions(); };
  connections_.add(store_.account.changed().connect(account));
  connections_.add(store_.isRefreshing.changed().connect(account));
  connections_.add(store_.account.changed().connect(actions));
  connections_.add(store_.isAddingCredit.changed().connect(actions));
  connections_.add(store_.topupAmountDollars.changed().connect(actions));
  showAccount();
  showActions();
}

void PaymentFundingCard::showAccount() {
  const AgentPaymentAccountSnapshot& account = store_.account.get();
  pill_.set_text(AgentPaymentDisplay::fundingPill(store_.isRefreshing.get(), account.setupState));
  pill_.remove_css_class("ready");
  pill_.remove_css_class("attention");
  if (!store_.isRefreshing.get() && account.setupState == AgentPaymentSetupState::ready) {
    pill_.add_css_class("ready");
  } else if (!store_.isRefreshing.get() &&
             account.setupState != AgentPaymentSetupState::unavailable) {
    pill_.add_css_class("attention");
  }
  balance_.set_text(AgentPaymentMoney::usd(account.availableBalanceCents));
  card_.set_text(AgentPaymentDisplay::cardText(account));
  card_.set_visible(account.cardLast4.has_value());
  detail_.set_text(AgentPaymentDisplay::fundingDetail(account));
  missing_.set_text("Missing configuration: " + joined(account.missingConfiguration));
  missing_.set_visible(!account.missingConfiguration.empty());

  while (Gtk::Widget* child = topups_.get_first_child()) topups_.remove(*child);
  const auto& recent = account.recentTopups;
  for (std::size_t i = 0; i < recent.size() && i < kShownTopups; ++i) {
    auto* row = Gtk::make_managed<Gtk::Label>(
        "Top-up of " + AgentPaymentMoney::usd(recent[i].amountCents) + ": " + recent[i].status);
    row->set_name("payments.topup." + recent[i].id());
    row->set_xalign(0);
    row->add_css_class("dim-label");
    topups_.append(*row);
  }
  topups_.set_visible(!recent.empty());
}

void PaymentFundingCard::showActions() {
  amount_.show(store_.topupAmountDollars.get());
  addCredit_.set_label(store_.isAddingCredit.get() ? "Adding Credit…" : "Add Credit");
  addCredit_.set_sensitive(store_.canAddCredit());
}

}  // namespace ondi::ui
