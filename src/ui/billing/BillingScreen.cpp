#include "ui/billing/BillingScreen.h"

#include <gtkmm/label.h>
#include <gtkmm/scrolledwindow.h>

#include "core/billing/BillingController.h"
#include "ui/app/AccessibleName.h"
#include "ui/billing/BillingSectionPicker.h"
#include "ui/billing/PlansSection.h"

namespace ondi::ui {

BillingScreen::BillingScreen(BillingController& billing, const WorkspaceStore& workspace,
                             AgentPaymentView::Inputs payment)
    : Gtk::Box(Gtk::Orientation::VERTICAL, 16), billing_(billing) {
  set_name("screen.billing");
  set_hexpand(true);
  set_vexpand(true);

  auto* header = Gtk::make_managed<Gtk::Box>(Gtk::Orientation::HORIZONTAL, 16);
  header->set_margin_top(24);
  header->set_margin_start(32);
  header->set_margin_end(32);
  auto* titles = Gtk::make_managed<Gtk::Box>(Gtk::Orientation::VERTICAL, 2);
  titles->set_hexpand(true);
  auto* title = Gtk::make_managed<Gtk::Label>("Billing");
  title->set_xalign(0);
  title->add_css_class("title-1");
  auto* subtitle = Gtk::make_managed<Gtk::Label>("Plans and agent funds.");
  subtitle->set_xalign(0);
  subtitle->add_css_class("dim-label");
  titles->append(*title);
  titles->append(*subtitle);
  header->append(*titles);
  header->append(*Gtk::make_managed<BillingSectionPicker>(billing_));
  append(*header);

  auto* plans = Gtk::make_managed<PlansSection>(billing_, workspace);
  plans->set_margin_start(32);
  plans->set_margin_end(32);
  plans->set_margin_bottom(32);
  auto* scroller = Gtk::make_managed<Gtk::ScrolledWindow>();
  scroller->set_policy(Gtk::PolicyType::NEVER, Gtk::PolicyType::AUTOMATIC);
  scroller->set_child(*plans);
  nameScrollBars(*scroller, "Plans");
  pages_.add(*scroller, rawValue(BillingSection::plans), ondi::title(BillingSection::plans));
  auto* payments = Gtk::make_managed<AgentPaymentView>(std::move(payment));
  payments->set_margin_start(32);
  payments->set_margin_end(32);
  payments->set_margin_bottom(32);
  auto* paymentScroller = Gtk::make_managed<Gtk::ScrolledWindow>();
  paymentScroller->set_policy(Gtk::PolicyType::NEVER, Gtk::PolicyType::AUTOMATIC);
  paymentScroller->set_child(*payments);
  nameScrollBars(*paymentScroller, "Agent Payment");
  pages_.add(*paymentScroller, rawValue(BillingSection::agentPayment),
             ondi::title(BillingSection::agentPayment));
  pages_.set_vexpand(true);
  append(pages_);

  connections_.add(
      billing_.selectedSection().changed().connect([this](BillingSection) { showSection(); }));
  showSection();
}

void BillingScreen::showSection() {
  pages_.set_visible_child(rawValue(billing_.selectedSection().get()));
}

}  // namespace ondi::ui
