#include <gtest/gtest.h>

#include <gtkmm/button.h>
#include <gtkmm/entry.h>
#include <gtkmm/label.h>
#include <gtkmm/linkbutton.h>
#include <gtkmm/togglebutton.h>

#include <vector>

#include "ApplicationTest.h"
#include "ui/account/AuthenticationWindow.h"
#include "ui/app/MainWindow.h"

using namespace ondi;

namespace {

using AuthenticationSheetTest = ApplicationTest;

// The account sheet, a toplevel window of its own.
ui::AuthenticationWindow* findSheet() {
  for (Gtk::Window* window : Gtk::Window::list_toplevels()) {
    if (auto* sheet = dynamic_cast<ui::AuthenticationWindow*>(window)) return sheet;
  }
  return nullptr;
}

std::vector<Gtk::ToggleButton*> intentButtons(Gtk::Widget& form) {
  std::vector<Gtk::ToggleButton*> buttons;
  Gtk::Widget* picker = findNamed(form, "auth.intent");
  if (!picker) return buttons;
  for (Gtk::Widget* child = picker->get_first_child(); child; child = child->get_next_sibling()) {
    if (auto* button = dynamic_cast<Gtk::ToggleButton*>(child)) buttons.push_back(button);
  }
  return buttons;
}

Gtk::Entry& entry(Gtk::Widget& form, const std::string& name) {
  auto* found = findNamed<Gtk::Entry>(form, name);
  if (!found) throw std::runtime_error("no entry " + name);
  return *found;
}

void setPasswordProviders(DesktopBrowserModel& model, bool enabled) {
  DesktopAuthProviders providers;
  providers.emailPasswordEnabled = enabled;
  providers.passwordMinimumLength = 12;
  model.account.authProviders.set(providers);
}

TEST_F(AuthenticationSheetTest, ShowsEachIntentWithItsTextsFieldsAndButtons) {
  runApplication([&](ui::OndiApplication& application, DesktopBrowserModel& model) {
    setPasswordProviders(model, true);
    model.presentAuthentication(DesktopAuthIntent::signIn);
    ui::AuthenticationWindow* sheet = findSheet();
    ASSERT_NE(sheet, nullptr);
    EXPECT_TRUE(sheet->get_visible());
    EXPECT_TRUE(sheet->get_modal());
    EXPECT_EQ(sheet->get_transient_for(), application.mainWindow());
    EXPECT_EQ(sheet->get_title(), "Ondi Account");

    Gtk::Widget& form = *sheet;
    EXPECT_TRUE(findLabel(form, "Ondi Account"));
    EXPECT_TRUE(findLabel(form, "Welcome back"));
    EXPECT_TRUE(findLabel(form,
                          "Your account, chats, settings, and agent workspace stay with the same "
                          "identity on the web and in this app."));
    EXPECT_TRUE(findLabel(form,
                          "Ondi uses its protected account service. Your password is sent "
                          "directly to that service and is never stored by this app."));
    auto* close = findNamed<Gtk::Button>(form, "auth.close");
    ASSERT_NE(close, nullptr);
    EXPECT_EQ(close->get_tooltip_text(), "Close account window");

    const auto intents = intentButtons(form);
    ASSERT_EQ(intents.size(), 2u);
    EXPECT_EQ(intents[0]->get_label(), "Log in");
    EXPECT_EQ(intents[1]->get_label(), "Create account");
    EXPECT_TRUE(intents[0]->get_active());

    EXPECT_FALSE(isShown(entry(form, "auth.name")));
    EXPECT_TRUE(isShown(entry(form, "auth.email")));
    EXPECT_TRUE(isShown(entry(form, "auth.password")));
    EXPECT_FALSE(isShown(entry(form, "auth.confirmation")));
    EXPECT_FALSE(entry(form, "auth.password").get_visibility());
    EXPECT_FALSE(entry(form, "auth.confirmation").get_visibility());
    auto* submit = findNamed<Gtk::Button>(form, "auth.email.submit");
    auto* google = findNamed<Gtk::Button>(form, "auth.google");
    ASSERT_TRUE(submit && google);
    EXPECT_EQ(firstLabelText(*submit), "Log in");
    EXPECT_EQ(firstLabelText(*google), "Continue with Google");
    EXPECT_FALSE(isShown(*findNamed(form, "auth.hint")));
    screenshot("sheet-sign-in");

    click(*intents[1]);
    EXPECT_EQ(model.account.authenticationIntent.get(), DesktopAuthIntent::signUp);
    EXPECT_TRUE(findLabel(form, "Create your Ondi account"));
    EXPECT_FALSE(findLabel(form, "Welcome back"));
    EXPECT_TRUE(isShown(entry(form, "auth.name")));
    EXPECT_TRUE(isShown(entry(form, "auth.confirmation")));
    EXPECT_EQ(firstLabelText(*submit), "Create account");
    EXPECT_EQ(firstLabelText(*google), "Create account with Google");
    auto* hint = findNamed<Gtk::Label>(form, "auth.hint");
    EXPECT_TRUE(isShown(*hint));
    EXPECT_EQ(hint->get_text(),
              "Use at least 12 characters. Ondi will email you a verification link before the "
              "first login.");
    screenshot("sheet-sign-up");

    // The model switches the picker too, as after a sign-up that awaits verification.
    model.setAuthenticationIntent(DesktopAuthIntent::signIn);
    EXPECT_TRUE(intents[0]->get_active());
    EXPECT_FALSE(isShown(entry(form, "auth.name")));

    setPasswordProviders(model, false);
    EXPECT_TRUE(findLabel(form,
                          "Email and password access is temporarily unavailable on the Ondi "
                          "account service. Google remains available when configured."));
    EXPECT_FALSE(isShown(entry(form, "auth.email")));
    EXPECT_FALSE(isShown(entry(form, "auth.password")));
    EXPECT_FALSE(isShown(*submit));
    EXPECT_TRUE(isShown(*google));

    click(*close);
    EXPECT_FALSE(model.account.isAuthenticationPresented.get());
    EXPECT_FALSE(sheet->get_visible());
  });
}

// The link goes to the service the program talks to at the time the sheet is shown, not
// the one it talked to when the sheet was first built.
TEST_F(AuthenticationSheetTest, WebsiteLinkFollowsTheCurrentAPIBase) {
  runApplication([&](ui::OndiApplication&, DesktopBrowserModel& model) {
    constexpr const char* kPage = "/auth.html?mode=sign-up&returnTo=/agent.html?source%3Dmac_app";
    const std::string first = g_getenv("VELMORA_API_BASE_URL");
    model.presentAuthentication(DesktopAuthIntent::signIn);
    ui::AuthenticationWindow* sheet = findSheet();
    ASSERT_NE(sheet, nullptr);
    auto* website = findNamed<Gtk::LinkButton>(*sheet, "auth.website");
    ASSERT_NE(website, nullptr);
    EXPECT_EQ(website->get_uri().raw(), first + kPage);
    EXPECT_EQ("http://" + website->get_label().raw(), first);
    ASSERT_TRUE(waitUntil([&] { return !model.account.isWorkspaceSessionRefreshInFlight; }));

    model.dismissAuthentication();
    ASSERT_TRUE(waitUntil([&] { return !sheet->get_mapped(); }));
    const std::string second = "http://127.0.0.1:9";
    g_setenv("VELMORA_API_BASE_URL", second.c_str(), TRUE);
    model.presentAuthentication(DesktopAuthIntent::signUp);
    EXPECT_TRUE(waitUntil([&] { return website->get_uri().raw() == second + kPage; }))
        << website->get_uri().raw();
    EXPECT_EQ(website->get_label().raw(), "127.0.0.1:9");
  });
}

TEST_F(AuthenticationSheetTest, ShowsProgressNoticeAndErrorFromTheModel) {
  runApplication([&](ui::OndiApplication&, DesktopBrowserModel& model) {
    setPasswordProviders(model, true);
    model.presentAuthentication(DesktopAuthIntent::signIn);
    Gtk::Widget& form = *findSheet();
    auto* submit = findNamed<Gtk::Button>(form, "auth.email.submit");
    auto* google = findNamed<Gtk::Button>(form, "auth.google");
    Gtk::Widget* notice = findNamed(form, "auth.notice");
    Gtk::Widget* error = findNamed(form, "auth.error");
    ASSERT_TRUE(submit && google && notice && error);

    model.account.isAuthenticationActionInFlight.set(true);
    EXPECT_EQ(firstLabelText(*submit), "Please wait…");
    EXPECT_FALSE(submit->get_sensitive());
    EXPECT_FALSE(google->get_sensitive());
    model.account.isAuthenticationActionInFlight.set(false);
    EXPECT_EQ(firstLabelText(*submit), "Log in");
    EXPECT_TRUE(submit->get_sensitive());

    EXPECT_FALSE(isShown(*notice));
    EXPECT_FALSE(isShown(*error));
    const std::string verify =
        "Check your email and open the verification link, then return here to log in.";
    model.account.authenticationNotice.set(verify);
    model.account.authenticationError.set("The passwords do not match.");
    EXPECT_TRUE(isShown(*notice));
    EXPECT_TRUE(isShown(*error));
    EXPECT_TRUE(findLabel(*notice, verify));
    EXPECT_TRUE(findLabel(*error, "The passwords do not match."));
    model.account.authenticationNotice.set("");
    model.account.authenticationError.set("");
    EXPECT_FALSE(isShown(*notice));
    EXPECT_FALSE(isShown(*error));

    // Google sign-in is not configured by the service: the model refuses, the sheet says so.
    click(*google);
    EXPECT_TRUE(isShown(*error));
    EXPECT_TRUE(findLabel(*error, "Google sign-in is temporarily unavailable."));
  });
}

TEST_F(AuthenticationSheetTest, EnterWalksTheFieldsAndSubmitsTheirValues) {
  runApplication([&](ui::OndiApplication&, DesktopBrowserModel& model) {
    setPasswordProviders(model, true);
    model.presentAuthentication(DesktopAuthIntent::signUp);
    ui::AuthenticationWindow& sheet = *findSheet();
    Gtk::Entry& name = entry(sheet, "auth.name");
    Gtk::Entry& email = entry(sheet, "auth.email");
    Gtk::Entry& password = entry(sheet, "auth.password");
    Gtk::Entry& confirmation = entry(sheet, "auth.confirmation");
    EXPECT_TRUE(waitUntil([&] { return hasFocusWithin(sheet, name); }))
        << "the first field takes the focus";

    name.set_text("Ada Lovelace");
    email.set_text("  Ada@Example.com ");
    password.set_text("short");
    confirmation.set_text("different");
    pressEnter(name);
    EXPECT_TRUE(hasFocusWithin(sheet, email));
    pressEnter(email);
    EXPECT_TRUE(hasFocusWithin(sheet, password));
    pressEnter(password);
    EXPECT_TRUE(hasFocusWithin(sheet, confirmation));
    EXPECT_TRUE(model.account.authenticationError.get().empty());

    // Enter in the last field submits; the model checks the length before comparing.
    pressEnter(confirmation);
    EXPECT_EQ(model.account.authenticationError.get(),
              "Use at least 12 characters for your password.");
    EXPECT_TRUE(findLabel(*findNamed(sheet, "auth.error"),
                          "Use at least 12 characters for your password."));

    password.set_text("a long enough password");
    confirmation.set_text("another long password");
    click(*findNamed<Gtk::Button>(sheet, "auth.email.submit"));
    EXPECT_EQ(model.account.authenticationError.get(), "The passwords do not match.");

    // Log in has two fields: Enter in the password submits.
    click(*intentButtons(sheet)[0]);
    EXPECT_EQ(model.account.authenticationIntent.get(), DesktopAuthIntent::signIn);
    EXPECT_TRUE(model.account.authenticationError.get().empty());
    email.set_text("ada.example");
    pressEnter(email);
    EXPECT_TRUE(hasFocusWithin(sheet, password));
    pressEnter(password);
    EXPECT_EQ(model.account.authenticationError.get(), "Enter a valid email address.");

    // Closing the window dismisses the sheet and forgets the passwords.
    sheet.close();
    EXPECT_FALSE(model.account.isAuthenticationPresented.get());
    EXPECT_FALSE(sheet.get_visible());
    EXPECT_TRUE(password.get_text().empty());
    EXPECT_TRUE(confirmation.get_text().empty());
    EXPECT_EQ(email.get_text(), "ada.example");
  });
}

}  // namespace
