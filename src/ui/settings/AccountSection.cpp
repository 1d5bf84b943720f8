#include "ui/settings/AccountSection.h"

#include "core/account/AuthenticationController.h"
#include "core/account/WorkspaceSessionController.h"
#include "ui/settings/SettingsText.h"

namespace ondi::ui {
namespace {

// How the account signs in, as the service names its providers.
std::string signInMethod(const std::string& provider) {
  if (provider == "google") return "Google";
  if (provider == "email" || provider.empty()) return "Email and password";
  return provider;
}

}  // namespace

AccountSection::AccountSection(AuthenticationController& authentication,
                               WorkspaceSessionController& session)
    : Gtk::Box(Gtk::Orientation::VERTICAL, 12), authentication_(authentication) {
  set_name("account-section");
  appendSectionHeading(*this, "Account");

  status_.set_name("account-section.status");
  status_.set_xalign(0);
  status_.set_wrap(true);
  status_.set_max_width_chars(1);  // wraps to the section's width
  status_.set_hexpand(true);
  append(status_);

  email_ = &appendValueRow(identity_, "Email", "account-section.email");
  method_ = &appendValueRow(identity_, "Sign-in method", "account-section.method");
  append(identity_);

  actions_.append(actionButton(signIn_, "account-section.sign-in", "Sign In"));
  actions_.append(actionButton(createAccount_, "account-section.create-account", "Create Account"));
  actions_.append(actionButton(switchAccount_, "account-section.switch-account", "Switch Account"));
  actions_.append(actionButton(signOut_, "account-section.sign-out", "Sign Out"));
  actions_.append(actionButton(retry_, "account-section.retry", "Try Again"));
  signIn_.add_css_class("suggested-action");
  signIn_.signal_clicked().connect(
      [this] { authentication_.presentAuthentication(DesktopAuthIntent::signIn); });
  createAccount_.signal_clicked().connect(
      [this] { authentication_.presentAuthentication(DesktopAuthIntent::signUp); });
  switchAccount_.signal_clicked().connect([this] { authentication_.signOutWorkspace(true); });
  signOut_.signal_clicked().connect([this] { authentication_.signOutWorkspace(false); });
  retry_.signal_clicked().connect([&session] { session.refresh(); });
  append(actions_);

  appendExplanation(*this,
                    "Chats, workspace data, preferences, and locally saved model keys are "
                    "isolated to this Ondi account.");

  auto& account = authentication_.state();
  connections_.add(
      account.workspaceSessionState.changed().connect([this](const auto&) { showState(); }));
  connections_.add(
      account.isAccountActionInFlight.changed().connect([this](const auto&) { showState(); }));
  showState();
}

Gtk::Button& AccountSection::actionButton(Gtk::Button& button, const char* name,
                                          const char* label) {
  button.set_name(name);
  button.set_label(label);
  return button;
}

void AccountSection::showState() {
  const auto& account = authentication_.state();
  const WorkspaceSessionState& session = account.workspaceSessionState.get();
  using Kind = WorkspaceSessionState::Kind;
  const Kind kind = session.kind();
  switch (kind) {
    case Kind::authenticated:
      status_.set_text(session.identity().name.empty() ? "Signed in"
                                                       : "Signed in as " + session.identity().name);
      break;
    case Kind::checking:
      status_.set_text("Checking account…");
      break;
    case Kind::signedOut:
      status_.set_text("Sign in to keep chats, workspace data, and preferences with your account.");
      break;
    case Kind::unavailable:
      status_.set_text(session.message());
      break;
  }
  email_->set_text(session.identity().email);
  method_->set_text(signInMethod(session.identity().authProvider));
  identity_.set_visible(kind == Kind::authenticated);
  switchAccount_.set_visible(kind == Kind::authenticated);
  signOut_.set_visible(kind == Kind::authenticated);
  signIn_.set_visible(kind == Kind::signedOut);
  createAccount_.set_visible(kind == Kind::signedOut);
  retry_.set_visible(kind == Kind::unavailable);
  actions_.set_visible(kind != Kind::checking);
  actions_.set_sensitive(!account.isAccountActionInFlight.get());
}

}  // namespace ondi::ui
