#include <gtest/gtest.h>

#include <gtkmm/button.h>
#include <gtkmm/togglebutton.h>

#include "ApplicationTest.h"
#include "core/browser/BrowserTabs.h"
#include "core/navigation/NavigationState.h"
#include "core/navigation/VelmoraRoute.h"
#include "ui/app/MainWindow.h"

using namespace ondi;

namespace {

using BillingScreenTest = ApplicationTest;

TEST_F(BillingScreenTest, PicksASectionAndOpensAChosenPlanInATab) {
  runApplication([&](ui::OndiApplication& application, DesktopBrowserModel& model) {
    ui::MainWindow& window = *application.mainWindow();
    window.set_default_size(1080, 720);
    model.load(VelmoraRoute::pricing());
    ASSERT_TRUE(waitUntil([&] { return !model.account.isWorkspaceSessionRefreshInFlight; }));
    model.account.workspaceSessionState.set(
        WorkspaceSessionState::authenticated({"u1", "Ada Lovelace", "ada@example.com", "email"}));
    Gtk::Widget* screen = findNamed(window, "screen.billing");
    ASSERT_TRUE(screen && isShown(*screen));

    auto* free = findNamed<Gtk::Button>(*screen, "billing.plan.free.choose");
    auto* starter = findNamed<Gtk::Button>(*screen, "billing.plan.plus.choose");
    ASSERT_TRUE(free && starter);
    EXPECT_EQ(free->get_label(), "Review Free Plan");
    EXPECT_EQ(starter->get_label(), "Choose Starter");
    EXPECT_TRUE(findLabel(*screen, "From one person to managed rollout"));
    EXPECT_TRUE(findLabel(*screen, "General AI chat"));
    screenshot("billing-plans");

    auto* payment = findNamed<Gtk::ToggleButton>(*screen, "billing-section-picker.agentPayment");
    ASSERT_NE(payment, nullptr);
    payment->set_active(true);
    EXPECT_TRUE(isShown(*findNamed(*screen, "billing.agent-payment")));
    EXPECT_FALSE(isShown(*starter));

    model.load(VelmoraRoute::home());
    model.load(VelmoraRoute::pricing());
    EXPECT_TRUE(isShown(*starter)) << "the billing route opens on the plans";
    EXPECT_TRUE(
        findNamed<Gtk::ToggleButton>(*screen, "billing-section-picker.plans")->get_active());

    click(*starter);
    EXPECT_EQ(model.navigation.activeRoute.get(), VelmoraRoute::browserWorkspace());
    EXPECT_EQ(model.tabs.sessions().back().fallbackTitle, "Ondi Starter");
  });
}

}  // namespace
