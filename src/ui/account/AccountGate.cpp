#include "ui/account/AccountGate.h"

#include <giomm/themedicon.h>
#include <gtkmm/image.h>
#include <gtkmm/scrolledwindow.h>
#include <gtkmm/spinner.h>

#include "core/account/AccountWebsite.h"
#include "core/account/WorkspaceSessionController.h"
#include "ui/account/AccountStyle.h"
#include "ui/account/WebsiteLink.h"
#include "ui/app/AccessibleName.h"

namespace ondi::ui {
namespace {

constexpr int kCardWidth = 420;

Gtk::Label& paragraph(const std::string& text, const char* style) {
  auto* label = Gtk::make_managed<Gtk::Label>(text);
  label->set_wrap(true);
  label->set_justify(Gtk::Justification::CENTER);
  label->set_max_width_chars(1);  // wraps to the card's width
  label->set_hexpand(true);
  label->add_css_class(style);
  return *label;
}

// A centred card on the gate's background, named with the page's identifier.
Gtk::Box& card(const std::string& name, Gtk::Box*& content) {
  auto* page = Gtk::make_managed<Gtk::Box>(Gtk::Orientation::VERTICAL);
  page->set_name(name);
  page->add_css_class("ondi-gate");
  content = Gtk::make_managed<Gtk::Box>(Gtk::Orientation::VERTICAL, 12);
  content->add_css_class("ondi-card");
  content->set_size_request(kCardWidth, -1);
  content->set_halign(Gtk::Align::CENTER);
  content->set_valign(Gtk::Align::CENTER);
  content->set_vexpand(true);
  content->set_margin(24);
  page->append(*content);
  return *page;
}

}  // namespace

AccountGate::AccountGate(AuthenticationController& authentication,
                         WorkspaceSessionController& session, AccountWebsite& website)
    : session_(session),
      website_(website),
      form_(authentication, website, AuthenticationForm::Dismissal::notAllowed) {
  installAccountStyle();
  set_name("accountGate");
  set_hexpand(true);
  set_vexpand(true);
  add(buildCheckingPage(), "checking", "Checking your account");
  add(buildSignInPage(), "signedOut", "Sign in");
  add(buildUnavailablePage(), "unavailable", "Account service unavailable");
  connections_.add(session_.state().workspaceSessionState.changed().connect(
      [this](const auto&) { showState(); }));
  showState();
}

Gtk::Widget& AccountGate::buildCheckingPage() {
  Gtk::Box* content = nullptr;
  Gtk::Box& page = card("account-checking-gate", content);
  auto* spinner = Gtk::make_managed<Gtk::Spinner>();
  spinner->set_size_request(32, 32);
  hideFromAssistiveTechnology(*spinner);
  // A spinning spinner animates even while the gate is hidden behind the workspace, and its
  // animation keeps the window relaying out every frame; it spins only while it is on screen.
  spinner->signal_map().connect([spinner] { spinner->start(); });
  spinner->signal_unmap().connect([spinner] { spinner->stop(); });
  content->append(*spinner);
  content->append(paragraph("Checking your Ondi account…", "title-3"));
  content->append(paragraph(
      "The workspace opens only after Ondi confirms a signed-in, non-guest account.", "dim-label"));
  return page;
}

Gtk::Widget& AccountGate::buildSignInPage() {
  auto* page = Gtk::make_managed<Gtk::ScrolledWindow>();
  page->set_name("account-required-gate");
  page->add_css_class("ondi-gate");
  page->set_policy(Gtk::PolicyType::NEVER, Gtk::PolicyType::AUTOMATIC);
  auto* content = Gtk::make_managed<Gtk::Box>(Gtk::Orientation::VERTICAL);
  content->add_css_class("ondi-card");
  content->set_halign(Gtk::Align::CENTER);
  content->set_valign(Gtk::Align::CENTER);
  content->set_vexpand(true);
  content->set_margin(24);
  content->append(form_);
  page->set_child(*content);
  nameScrollBars(*page, "Sign in");
  return *page;
}

Gtk::Widget& AccountGate::buildUnavailablePage() {
  Gtk::Box* content = nullptr;
  Gtk::Box& page = card("account-unavailable-gate", content);
  auto* icon = Gtk::make_managed<Gtk::Image>(Gio::ThemedIcon::create("dialog-warning-symbolic"));
  icon->set_pixel_size(32);
  hideFromAssistiveTechnology(*icon);
  icon->add_css_class("dim-label");
  content->append(*icon);
  content->append(paragraph("Ondi account service unavailable", "title-3"));
  unavailableMessage_.set_name("account-unavailable-message");
  unavailableMessage_.set_wrap(true);
  unavailableMessage_.set_justify(Gtk::Justification::CENTER);
  unavailableMessage_.set_max_width_chars(1);
  unavailableMessage_.set_hexpand(true);
  unavailableMessage_.add_css_class("dim-label");
  // Shown with the service's sentence only: an empty label would be read out by its type.
  unavailableMessage_.set_visible(false);
  content->append(unavailableMessage_);

  retry_.set_name("auth.retry");
  retry_.set_label("Try again");
  retry_.add_css_class("suggested-action");
  retry_.set_halign(Gtk::Align::CENTER);
  retry_.set_margin_top(4);
  retry_.signal_clicked().connect([this] { session_.refresh(); });
  content->append(retry_);

  auto* website = Gtk::make_managed<WebsiteLink>(
      "Create or manage your account at", [this] { return website_.url(); },
      [this] { website_.open(); }, "account-unavailable-website");
  website->set_halign(Gtk::Align::CENTER);
  website->set_margin_top(8);
  content->append(*website);
  return page;
}

void AccountGate::showState() {
  using Kind = WorkspaceSessionState::Kind;
  const WorkspaceSessionState& state = session_.state().workspaceSessionState.get();
  switch (state.kind()) {
    case Kind::checking:
    case Kind::authenticated:
      set_visible_child("checking");
      return;
    case Kind::signedOut:
      set_visible_child("signedOut");
      return;
    case Kind::unavailable:
      unavailableMessage_.set_text(state.message());
      unavailableMessage_.set_visible(!state.message().empty());
      set_visible_child("unavailable");
      return;
  }
}

}  // namespace ondi::ui
