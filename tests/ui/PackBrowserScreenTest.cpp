#include <gtest/gtest.h>

#include <gtkmm/button.h>
#include <gtkmm/listbox.h>
#include <gtkmm/listboxrow.h>
#include <gtkmm/revealer.h>
#include <gtkmm/togglebutton.h>

#include "ApplicationTest.h"
#include "core/navigation/NavigationState.h"
#include "core/navigation/VelmoraRoute.h"
#include "core/packs/PackBrowserSelection.h"
#include "ui/app/MainWindow.h"

using namespace ondi;

namespace {

using PackBrowserScreenTest = ApplicationTest;

TEST_F(PackBrowserScreenTest, ActivatesAPersonalPackAndOpensItsWorkspace) {
  runApplication([&](ui::OndiApplication& application, DesktopBrowserModel& model) {
    ui::MainWindow& window = *application.mainWindow();
    window.set_default_size(1080, 720);
    model.load(VelmoraRoute::agentPacks());
    ASSERT_TRUE(waitUntil([&] { return !model.account.isWorkspaceSessionRefreshInFlight; }));
    model.account.workspaceSessionState.set(
        WorkspaceSessionState::authenticated({"u1", "Ada Lovelace", "ada@example.com", "email"}));
    Gtk::Widget* screen = findNamed(window, "screen.agent-packs");
    ASSERT_TRUE(screen && isShown(*screen));
    EXPECT_TRUE(findLabel(*screen, "What kind of work or life admin do you run?"));
    // Shown for the first time, the default selection gives way to the first business pack.
    EXPECT_TRUE(waitUntil(
        [&] { return model.packBrowser().selectedPackID().get() == "business-commerce"; }));
    EXPECT_TRUE(findLabel(*screen, "Industry-ready operator teams"));

    findNamed<Gtk::ToggleButton>(*screen, "packs.audience.personal")->set_active(true);
    EXPECT_TRUE(findLabel(*screen, "Focused helpers for daily life"));
    EXPECT_FALSE(findNamed(*screen, "packs.row.business-commerce"));
    auto* list = findNamed<Gtk::ListBox>(*screen, "packs.list");
    auto* career = findNamed<Gtk::ListBoxRow>(*screen, "packs.row.personal-career");
    ASSERT_TRUE(list && career);
    list->select_row(*career);
    auto* title = findNamed<Gtk::Label>(*screen, "packs.title");
    EXPECT_EQ(title->get_text(), "Career Growth");
    EXPECT_TRUE(findLabel(*screen, "Open the dedicated Career Growth Workspace"));

    auto* review = findNamed<Gtk::Button>(*screen, "packs.review-policy");
    click(*review);
    EXPECT_EQ(review->get_label(), "Hide policy");
    EXPECT_TRUE(findLabel(*screen, "Clear handoff"));
    screenshot("packs-personal-policy");

    auto* activate = findNamed<Gtk::Button>(*screen, "packs.activate");
    auto* status = findNamed<Gtk::Revealer>(*screen, "packs.status-revealer");
    click(*activate);
    EXPECT_TRUE(waitUntil([&] { return status->get_child_revealed(); })) << "the status fades in";
    EXPECT_EQ(findNamed<Gtk::Label>(*screen, "packs.status")->get_text(),
              "Career Growth Workspace is ready with 4 focused helpers.");
    EXPECT_EQ(firstLabelText(*activate), "Active");
    EXPECT_TRUE(isShown(*findNamed(*screen, "packs.row.personal-career.active")));
    screenshot("packs-personal-active");

    // Another pack folds the policy and clears the status.
    list->select_row(*findNamed<Gtk::ListBoxRow>(*screen, "packs.row.personal-finance"));
    EXPECT_EQ(review->get_label(), "Review policy");
    EXPECT_FALSE(status->get_reveal_child());
    EXPECT_EQ(firstLabelText(*activate), "Activate pack");

    click(*findNamed<Gtk::Button>(*screen, "packs.open-workspace"));
    EXPECT_EQ(model.navigation.activeRoute.get(), VelmoraRoute::packWorkspace("personal-finance"));
    EXPECT_EQ(model.packBrowser().activePackID().get(), "personal-finance");

    // "Manage pack" comes back with the workspace's pack and audience.
    model.packBrowser().setAudience(AgentPackAudience::business);
    click(*findNamed<Gtk::Button>(window, "pack-workspace.manage"));
    EXPECT_EQ(model.navigation.activeRoute.get(), VelmoraRoute::agentPacks());
    EXPECT_EQ(title->get_text(), "Personal Finance");

    // A helper's connected app leads to the connectors screen.
    model.load(VelmoraRoute::agentPacks());
    click(*findNamed<Gtk::Button>(*screen, "packs.helper.finance-budget.connector.sheets"));
    EXPECT_EQ(model.navigation.activeRoute.get(), VelmoraRoute::connectors());
  });
}

}  // namespace
