#include "ui/account/AuthenticationForm.h"

#include <giomm/themedicon.h>
#include <gtkmm/image.h>

#include <algorithm>

#include "core/account/AccountWebsite.h"
#include "core/account/AuthenticationController.h"
#include "ui/account/AccountStyle.h"
#include "ui/account/WebsiteLink.h"
#include "ui/app/AccessibleName.h"

namespace ondi::ui {
namespace {

constexpr int kFormWidth = 420;

void styleParagraph(Gtk::Label& label, const std::string& text) {
  label.set_text(text);
  label.set_wrap(true);
  label.set_xalign(0);
  label.set_max_width_chars(1);  // lets the label wrap to the form's width
  label.set_hexpand(true);
}

// A button's centred row of a symbol and a label.
Gtk::Box& buttonContent() {
  auto* content = Gtk::make_managed<Gtk::Box>(Gtk::Orientation::HORIZONTAL, 8);
  content->set_halign(Gtk::Align::CENTER);
  return *content;
}

Gtk::Image& symbol(const char* iconName) {
  auto* image = Gtk::make_managed<Gtk::Image>(Gio::ThemedIcon::create(iconName));
  hideFromAssistiveTechnology(*image);
  return *image;
}

}  // namespace

AuthenticationForm::AuthenticationForm(AuthenticationController& authentication,
                                       AccountWebsite& website, Dismissal dismissal)
    : Gtk::Box(Gtk::Orientation::VERTICAL, 16),
      authentication_(authentication),
      website_(website),
      intent_(authentication),
      name_({"Full name", "auth.name", "avatar-default-symbolic", false, Gtk::InputPurpose::NAME}),
      email_({"Email", "auth.email", "mail-unread-symbolic", false, Gtk::InputPurpose::EMAIL}),
      password_({"Password", "auth.password", "dialog-password-symbolic", true,
                 Gtk::InputPurpose::PASSWORD}),
      confirmation_({"Confirm password", "auth.confirmation", "dialog-password-symbolic", true,
                     Gtk::InputPurpose::PASSWORD}),
      notice_("auth.notice", "mail-unread-symbolic", "notice"),
      error_("auth.error", "dialog-warning-symbolic", "error") {
  installAccountStyle();
  set_name("auth.form");
  set_size_request(kFormWidth, -1);
  set_halign(Gtk::Align::CENTER);

  append(buildHeader(dismissal));

  title_.add_css_class("title-2");
  title_.set_xalign(0);
  title_.set_margin_top(8);
  append(title_);
  styleParagraph(identityLine_,
                 "Your account, chats, settings, and agent workspace stay with the same identity "
                 "on the web and in this app.");
  identityLine_.add_css_class("dim-label");
  append(identityLine_);
  append(intent_);

  styleParagraph(passwordUnavailable_,
                 "Email and password access is temporarily unavailable on the Ondi account "
                 "service. Google remains available when configured.");
  passwordUnavailable_.add_css_class("dim-label");
  append(passwordUnavailable_);

  auto* fields = Gtk::make_managed<Gtk::Box>(Gtk::Orientation::VERTICAL, 12);
  for (FormField* field : {&name_, &email_, &password_, &confirmation_}) {
    field->entry().signal_activate().connect([this, field] { activateField(*field); });
    fields->append(*field);
  }
  append(*fields);
  append(notice_);
  append(error_);

  append(buildButtons());
  append(buildFooter());

  observeModel();
  signal_map().connect([this] { focusFirstField(); });
  signal_unmap().connect([this] { forgetPasswords(); });
}

void AuthenticationForm::observeModel() {
  auto& account = authentication_.state();
  connections_.add(
      account.authenticationIntent.changed().connect([this](const auto&) { showIntent(); }));
  connections_.add(account.authProviders.changed().connect([this](const auto&) { showIntent(); }));
  connections_.add(account.isAuthenticationActionInFlight.changed().connect(
      [this](const auto&) { showProgress(); }));
  connections_.add(account.authenticationNotice.changed().connect(
      [this](const std::string& text) { notice_.setText(text); }));
  connections_.add(account.authenticationError.changed().connect(
      [this](const std::string& text) { error_.setText(text); }));
  notice_.setText(account.authenticationNotice.get());
  error_.setText(account.authenticationError.get());
  showIntent();
}

Gtk::Widget& AuthenticationForm::buildHeader(Dismissal dismissal) {
  auto* header = Gtk::make_managed<Gtk::Box>(Gtk::Orientation::HORIZONTAL, 10);
  auto* brand = Gtk::make_managed<Gtk::Label>("Ondi");
  brand->add_css_class("ondi-brand");
  brand->set_valign(Gtk::Align::CENTER);
  auto* heading = Gtk::make_managed<Gtk::Label>("Ondi Account");
  heading->add_css_class("heading");
  heading->set_hexpand(true);
  heading->set_xalign(0);
  header->append(*brand);
  header->append(*heading);
  if (dismissal == Dismissal::allowed) {
    close_.set_name("auth.close");
    close_.set_icon_name("window-close-symbolic");
    close_.set_tooltip_text("Close account window");
    setAccessibleName(close_, "Close account window");
    close_.add_css_class("flat");
    close_.add_css_class("circular");
    close_.signal_clicked().connect([this] { authentication_.dismissAuthentication(); });
    header->append(close_);
  }
  return *header;
}

Gtk::Widget& AuthenticationForm::buildButtons() {
  auto* buttons = Gtk::make_managed<Gtk::Box>(Gtk::Orientation::VERTICAL, 8);
  auto& submitContent = buttonContent();
  submitContent.append(submitLabel_);
  submitContent.append(symbol("go-next-symbolic"));
  submit_.set_child(submitContent);
  nameAfterLabel(submit_, submitLabel_);
  submit_.set_name("auth.email.submit");
  submit_.add_css_class("suggested-action");
  submit_.signal_clicked().connect([this] { submit(); });
  buttons->append(submit_);

  auto& googleContent = buttonContent();
  googleContent.append(symbol("web-browser-symbolic"));
  googleContent.append(googleLabel_);
  google_.set_child(googleContent);
  nameAfterLabel(google_, googleLabel_);
  google_.set_name("auth.google");
  google_.signal_clicked().connect([this] {
    authentication_.continueWithGoogle(authentication_.state().authenticationIntent.get());
  });
  buttons->append(google_);
  return *buttons;
}

Gtk::Widget& AuthenticationForm::buildFooter() {
  auto* footer = Gtk::make_managed<Gtk::Box>(Gtk::Orientation::VERTICAL, 12);
  styleParagraph(hint_, "");
  hint_.set_name("auth.hint");
  hint_.add_css_class("dim-label");
  footer->append(hint_);
  styleParagraph(protectedNote_,
                 "Ondi uses its protected account service. Your password is sent directly to that "
                 "service and is never stored by this app.");
  protectedNote_.add_css_class("caption");
  protectedNote_.add_css_class("dim-label");
  footer->append(protectedNote_);
  footer->append(*Gtk::make_managed<WebsiteLink>(
      "Manage your account on the web at", [this] { return website_.url(); },
      [this] { website_.open(); }, "auth.website"));
  return *footer;
}

void AuthenticationForm::showIntent() {
  const bool signUp =
      authentication_.state().authenticationIntent.get() == DesktopAuthIntent::signUp;
  const DesktopAuthProviders& providers = authentication_.state().authProviders.get();
  const bool passwords = providers.emailPasswordEnabled;

  title_.set_text(signUp ? "Create your Ondi account" : "Welcome back");
  passwordUnavailable_.set_visible(!passwords);
  name_.set_visible(passwords && signUp);
  email_.set_visible(passwords);
  password_.set_visible(passwords);
  confirmation_.set_visible(passwords && signUp);
  submit_.set_visible(passwords);
  googleLabel_.set_text(signUp ? "Create account with Google" : "Continue with Google");
  hint_.set_text("Use at least " + std::to_string(providers.passwordMinimumLength) +
                 " characters. Ondi will email you a verification link before the first login.");
  hint_.set_visible(passwords && signUp);
  showProgress();
}

void AuthenticationForm::showProgress() {
  const bool inFlight = authentication_.state().isAuthenticationActionInFlight.get();
  const bool signUp =
      authentication_.state().authenticationIntent.get() == DesktopAuthIntent::signUp;
  submitLabel_.set_text(inFlight ? "Please wait…" : signUp ? "Create account" : "Log in");
  submit_.set_sensitive(!inFlight);
  google_.set_sensitive(!inFlight);
}

std::vector<FormField*> AuthenticationForm::visibleFields() {
  std::vector<FormField*> fields{&name_, &email_, &password_, &confirmation_};
  std::erase_if(fields, [](FormField* field) { return !field->get_visible(); });
  return fields;
}

void AuthenticationForm::activateField(FormField& field) {
  const auto fields = visibleFields();
  const auto position = std::ranges::find(fields, &field);
  if (position == fields.end()) return;
  if (std::next(position) == fields.end()) {
    submit();
  } else {
    (*std::next(position))->entry().grab_focus();
  }
}

void AuthenticationForm::submit() {
  if (!submit_.get_visible() || !submit_.get_sensitive()) return;
  authentication_.submitPasswordAuthentication(authentication_.state().authenticationIntent.get(),
                                               name_.text(), email_.text(), password_.text(),
                                               confirmation_.text());
}

void AuthenticationForm::focusFirstField() {
  const auto fields = visibleFields();
  if (!fields.empty()) fields.front()->entry().grab_focus();
}

// Passwords do not stay in a form nobody sees.
void AuthenticationForm::forgetPasswords() {
  password_.clear();
  confirmation_.clear();
}

}  // namespace ondi::ui
