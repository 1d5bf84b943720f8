#include "ui/payments/AgentPaymentView.h"

#include "core/payments/AgentPaymentStore.h"
#include "core/shell/SymbolIcons.h"
#include "ui/app/AccessibleName.h"
#include "ui/payments/PaymentFundingCard.h"
#include "ui/payments/PaymentLimitsCard.h"
#include "ui/payments/PaymentPolicySummary.h"
#include "ui/payments/PaymentSetupCard.h"
#include "ui/payments/PaymentStyle.h"

namespace ondi::ui {
namespace {

Gtk::Box& header() {
  auto* box = Gtk::make_managed<Gtk::Box>(Gtk::Orientation::VERTICAL, 4);
  auto* kicker = Gtk::make_managed<Gtk::Label>("Agent Payment");
  kicker->set_xalign(0);
  kicker->add_css_class("caption-heading");
  kicker->add_css_class("dim-label");
  box->append(*kicker);
  auto* heading = Gtk::make_managed<Gtk::Label>("Give an agent a controlled spending envelope");
  heading->set_xalign(0);
  heading->set_wrap(true);
  heading->add_css_class("title-2");
  box->append(*heading);
  Gtk::Label& text = paymentParagraph(
      "Set what an agent may buy, how much it may spend, and when it must stop for your "
      "approval. Funding and every enforcement decision remain server-side.");
  text.add_css_class("dim-label");
  box->append(text);
  return *box;
}

Gtk::Box& permissionsCard() {
  const PaymentCard card = paymentCard("payments.permissions", "lock.rectangle.stack.fill",
                                       "Server-enforced before every purchase");
  card.body.append(paymentParagraph(
      "Paused wallets, blocked categories, per-purchase limits, monthly limits, and approval "
      "thresholds are evaluated in that order. The desktop draft never authorizes a transaction "
      "by itself."));
  return card.body;
}

}  // namespace

AgentPaymentView::AgentPaymentView(Inputs inputs)
    : Gtk::Box(Gtk::Orientation::VERTICAL, 16), store_(inputs.store), session_(inputs.session) {
  installPaymentStyle();
  set_name("billing.agent-payment");
  append(header());

  banner_.set_name("payments.message");
  banner_.add_css_class("ondi-payment-banner");
  hideFromAssistiveTechnology(bannerIcon_);
  bannerIcon_.set_valign(Gtk::Align::START);
  banner_.append(bannerIcon_);
  bannerText_.set_name("payments.message.text");
  bannerText_.set_xalign(0);
  bannerText_.set_wrap(true);
  bannerText_.set_max_width_chars(1);
  bannerText_.set_hexpand(true);
  bannerText_.set_selectable(true);
  banner_.append(bannerText_);
  append(banner_);

  auto* columns = Gtk::make_managed<Gtk::Box>(Gtk::Orientation::HORIZONTAL, 16);
  auto* main = Gtk::make_managed<Gtk::Box>(Gtk::Orientation::VERTICAL, 16);
  main->set_hexpand(true);
  main->append(*Gtk::make_managed<PaymentSetupCard>(store_, session_, inputs.openSecureURL));
  main->append(*Gtk::make_managed<PaymentFundingCard>(store_));
  main->append(*Gtk::make_managed<PaymentLimitsCard>(store_, inputs.agents));
  columns->append(*main);
  auto* side = Gtk::make_managed<Gtk::Box>(Gtk::Orientation::VERTICAL, 16);
  side->set_size_request(300, -1);
  side->set_hexpand(false);
  side->append(*Gtk::make_managed<PaymentPolicySummary>(store_, inputs.agents));
  side->append(permissionsCard());
  columns->append(*side);
  append(*columns);

  const auto message = [this](const auto&) { showMessage(); };
  connections_.add(store_.errorMessage.changed().connect(message));
  connections_.add(store_.confirmationMessage.changed().connect(message));
  showMessage();

  signal_map().connect([this] { refreshIfSignedIn(); });
  connections_.add(session_.changed().connect([this](const WorkspaceSessionState& session) {
    if (session.isAuthenticated() && get_mapped()) store_.refresh();
  }));
}

void AgentPaymentView::refreshIfSignedIn() {
  if (session_.get().isAuthenticated()) store_.refresh();
}

void AgentPaymentView::showMessage() {
  const auto& error = store_.errorMessage.get();
  const auto& confirmation = store_.confirmationMessage.get();
  banner_.set_visible(error || confirmation);
  banner_.remove_css_class("error");
  banner_.remove_css_class("confirmation");
  banner_.add_css_class(error ? "error" : "confirmation");
  bannerIcon_.set_from_icon_name(
      iconName(error ? "exclamationmark.triangle.fill" : "checkmark.circle.fill"));
  bannerText_.set_text(error.value_or(confirmation.value_or("")));
}

}  // namespace ondi::ui
