#include "ui/payments/PaymentSetupCard.h"

#include "core/payments/AgentPaymentDisplay.h"
#include "core/payments/AgentPaymentStore.h"
#include "ui/payments/PaymentStyle.h"

namespace ondi::ui {

PaymentSetupCard::PaymentSetupCard(AgentPaymentStore& store,
                                   const Published<WorkspaceSessionState>& session,
                                   std::function<void(const std::string&)> openSecureURL)
    : Gtk::Box(Gtk::Orientation::VERTICAL, 0), store_(store), session_(session) {
  const PaymentCard card = paymentCard("payments.setup", "lock.shield.fill", "Stripe setup");
  append(card.body);
  card.body.append(paymentParagraph(
      "Stripe hosts identity and bank setup. Ondi stores only Stripe IDs, balances, and policy "
      "state—not bank or card credentials."));
  setUp_.set_name("payments.setup.start");
  setUp_.set_halign(Gtk::Align::START);
  setUp_.add_css_class("suggested-action");
  setUp_.signal_clicked().connect(
      [this, open = std::move(openSecureURL)] { store_.startSetup(open); });
  card.body.append(setUp_);

  const auto show = [this](const auto&) { showAction(); };
  connections_.add(session_.changed().connect(show));
  connections_.add(store_.isSettingUp.changed().connect(show));
  connections_.add(store_.account.changed().connect(show));
  showAction();
}

void PaymentSetupCard::showAction() {
  const auto action = AgentPaymentDisplay::setupAction(
      session_.get().isAuthenticated(), store_.isSettingUp.get(), store_.account.get().setupState);
  setUp_.set_label(action.title);
  setUp_.set_sensitive(action.enabled);
}

}  // namespace ondi::ui
