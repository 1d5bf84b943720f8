#include <gtest/gtest.h>

#include <gtkmm/button.h>
#include <gtkmm/label.h>
#include <gtkmm/linkbutton.h>
#include <gtkmm/revealer.h>
#include <gtkmm/spinner.h>

#include "ApplicationTest.h"
#include "ui/app/MainWindow.h"

using namespace ondi;

namespace {

using AccountGateTest = ApplicationTest;

const WorkspaceIdentity kAda{"u1", "Ada Lovelace", "ada@example.com", "email"};

// The first widget of type T under `root` (itself included).
template <typename T>
T* findFirst(Gtk::Widget& root) {
  if (auto* found = dynamic_cast<T*>(&root)) return found;
  for (Gtk::Widget* child = root.get_first_child(); child; child = child->get_next_sibling()) {
    if (T* found = findFirst<T>(*child)) return found;
  }
  return nullptr;
}

DesktopAuthProviders passwordProviders(long long minimumLength) {
  DesktopAuthProviders providers;
  providers.emailPasswordEnabled = true;
  providers.passwordMinimumLength = minimumLength;
  return providers;
}

TEST_F(AccountGateTest, ShowsOneGatePerSessionStateInsteadOfTheRoutedScreen) {
  runApplication([&](ui::OndiApplication& application, DesktopBrowserModel& model) {
    ui::MainWindow& window = *application.mainWindow();
    auto& state = model.account.workspaceSessionState;
    Gtk::Widget* checking = findNamed(window, "account-checking-gate");
    Gtk::Widget* required = findNamed(window, "account-required-gate");
    Gtk::Widget* unavailable = findNamed(window, "account-unavailable-gate");
    Gtk::Widget* connectors = findNamed(window, "screen.connectors");
    ASSERT_TRUE(checking && required && unavailable && connectors);

    // The first check failed against the closed port: the service is out of reach.
    EXPECT_EQ(state.get().kind(), WorkspaceSessionState::Kind::unavailable);
    EXPECT_TRUE(isShown(*unavailable));

    state.set(WorkspaceSessionState::checking());
    EXPECT_TRUE(isShown(*checking));
    EXPECT_FALSE(isShown(*unavailable));
    EXPECT_TRUE(findLabel(*checking, "Checking your Ondi account…"));
    EXPECT_TRUE(findLabel(
        *checking, "The workspace opens only after Ondi confirms a signed-in, non-guest account."));
    screenshot("gate-checking");

    model.account.authProviders.set(passwordProviders(15));
    state.set(WorkspaceSessionState::signedOut());
    EXPECT_TRUE(isShown(*required));
    EXPECT_FALSE(isShown(*checking));
    auto* email = findNamed(*required, "auth.email");
    ASSERT_NE(email, nullptr);
    EXPECT_TRUE(isShown(*email));
    EXPECT_EQ(findNamed(*required, "auth.close"), nullptr) << "the gate's form is not dismissible";
    screenshot("gate-signed-out");

    // Route changes while gated keep the gate.
    model.load(VelmoraRoute::connectors());
    EXPECT_TRUE(isShown(*required));
    EXPECT_FALSE(isShown(*connectors));

    state.set(WorkspaceSessionState::authenticated(kAda));
    EXPECT_TRUE(isShown(*connectors));
    EXPECT_FALSE(isShown(*required));
  });
}

// A spinner left spinning behind the workspace kept the window relaying out every frame.
TEST_F(AccountGateTest, CheckingSpinnerSpinsOnlyWhileTheGateIsOnScreen) {
  runApplication([&](ui::OndiApplication& application, DesktopBrowserModel& model) {
    ui::MainWindow& window = *application.mainWindow();
    auto& state = model.account.workspaceSessionState;
    Gtk::Widget* checking = findNamed(window, "account-checking-gate");
    ASSERT_NE(checking, nullptr);
    auto* spinner = findFirst<Gtk::Spinner>(*checking);
    ASSERT_NE(spinner, nullptr);

    state.set(WorkspaceSessionState::checking());
    EXPECT_TRUE(waitUntil([&] { return spinner->get_mapped() && spinner->get_spinning(); }));

    state.set(WorkspaceSessionState::authenticated(kAda));
    EXPECT_TRUE(waitUntil([&] { return !spinner->get_mapped(); }));
    EXPECT_FALSE(spinner->get_spinning());

    state.set(WorkspaceSessionState::unavailable("Ondi could not reach the account service."));
    EXPECT_FALSE(spinner->get_spinning());
    state.set(WorkspaceSessionState::checking());
    EXPECT_TRUE(waitUntil([&] { return spinner->get_mapped() && spinner->get_spinning(); }));
  });
}

TEST_F(AccountGateTest, UnavailableGateRetriesAndLinksToTheAccountPage) {
  runApplication([&](ui::OndiApplication& application, DesktopBrowserModel& model) {
    ui::MainWindow& window = *application.mainWindow();
    auto& state = model.account.workspaceSessionState;
    state.set(WorkspaceSessionState::unavailable("Ondi could not reach the account service."));
    Gtk::Widget* gate = findNamed(window, "account-unavailable-gate");
    ASSERT_NE(gate, nullptr);
    EXPECT_TRUE(isShown(*gate));
    EXPECT_TRUE(findLabel(*gate, "Ondi account service unavailable"));
    auto* message = findNamed<Gtk::Label>(*gate, "account-unavailable-message");
    ASSERT_NE(message, nullptr);
    EXPECT_EQ(message->get_text(), "Ondi could not reach the account service.");
    EXPECT_TRUE(findLabel(*gate, "Create or manage your account at"));
    auto* link = findNamed<Gtk::LinkButton>(*gate, "account-unavailable-website");
    ASSERT_NE(link, nullptr);
    // The API base the application test names, not the compiled service origin.
    EXPECT_EQ(link->get_uri().raw(),
              std::string(g_getenv("VELMORA_API_BASE_URL")) +
                  "/auth.html?mode=sign-up&returnTo=/agent.html?source%3Dmac_app");
    screenshot("gate-unavailable");

    auto* retry = findNamed<Gtk::Button>(*gate, "auth.retry");
    ASSERT_NE(retry, nullptr);
    EXPECT_EQ(retry->get_label(), "Try again");
    click(*retry);
    EXPECT_TRUE(model.account.isWorkspaceSessionRefreshInFlight);
    EXPECT_TRUE(isShown(*findNamed(window, "account-checking-gate")));

    // The check fails again against the closed port, with the transport's own reason.
    ASSERT_TRUE(waitUntil([&] { return !model.account.isWorkspaceSessionRefreshInFlight; }));
    EXPECT_EQ(state.get().kind(), WorkspaceSessionState::Kind::unavailable);
    EXPECT_TRUE(isShown(*gate));
    EXPECT_FALSE(message->get_text().empty());
    EXPECT_NE(message->get_text(), "Ondi could not reach the account service.");
  });
}

TEST_F(AccountGateTest, SignOutAndTheActionErrorBannerFollowTheAccount) {
  runApplication([&](ui::OndiApplication& application, DesktopBrowserModel& model) {
    ui::MainWindow& window = *application.mainWindow();
    EXPECT_FALSE(application.get_action_enabled("sign-out"));
    model.account.workspaceSessionState.set(WorkspaceSessionState::authenticated(kAda));
    EXPECT_TRUE(application.get_action_enabled("sign-out"));

    auto* banner = findNamed<Gtk::Revealer>(window, "account.actionError");
    ASSERT_NE(banner, nullptr);
    EXPECT_FALSE(banner->get_reveal_child());

    // Signing out against the closed port fails: the error shows in the banner, and the
    // session check that follows takes the workspace behind the gate.
    application.activate_action("sign-out");
    ASSERT_TRUE(waitUntil([&] { return !model.account.accountActionError.get().empty(); }));
    EXPECT_TRUE(model.account.accountActionError.get().starts_with("Sign out failed. "));
    EXPECT_TRUE(banner->get_reveal_child());
    EXPECT_EQ(firstLabelText(*banner), model.account.accountActionError.get());
    ASSERT_TRUE(waitUntil([&] { return !model.account.isWorkspaceSessionRefreshInFlight; }));
    EXPECT_TRUE(isShown(*findNamed(window, "account-unavailable-gate")));
    EXPECT_FALSE(application.get_action_enabled("sign-out"));

    model.account.accountActionError.set("");
    EXPECT_FALSE(banner->get_reveal_child());
  });
}

}  // namespace
