#include <gtest/gtest.h>

#include <gdkmm/clipboard.h>
#include <gtkmm/button.h>

#include "ApplicationTest.h"
#include "core/home/HomeGreeting.h"
#include "core/navigation/VelmoraRoute.h"
#include "core/ports/Clock.h"
#include "core/support/SupportDesk.h"
#include "ui/app/MainWindow.h"

using namespace ondi;

namespace {

using HomeAndSupportScreenTest = ApplicationTest;

std::string labelText(Gtk::Widget& root, const std::string& name) {
  auto* label = findNamed<Gtk::Label>(root, name);
  return label ? label->get_text().raw() : "<missing " + name + ">";
}

TEST_F(HomeAndSupportScreenTest, HomeGreetsWithTheFiguresAndSupportCopiesDiagnostics) {
  runApplication([&](ui::OndiApplication& application, DesktopBrowserModel& model) {
    ui::MainWindow& window = *application.mainWindow();
    model.account.workspaceSessionState.set(
        WorkspaceSessionState::authenticated({"u1", "  Ada Lovelace", "ada@example.com", "email"}));
    model.load(VelmoraRoute::home());
    Gtk::Widget* home = findNamed(window, "screen.home");
    ASSERT_NE(home, nullptr);
    ASSERT_TRUE(waitUntil([&] { return home->get_mapped(); }));
    EXPECT_EQ(labelText(*home, "home.greeting"), homeGreeting(model.clock(), "Ada"));
    EXPECT_EQ(labelText(*home, "home.headline"), "Your workspace, in focus.");
    EXPECT_EQ(labelText(*home, "home.metric.approvals.value"), "2");
    EXPECT_EQ(labelText(*home, "home.metric.requests.value"), "3");
    EXPECT_EQ(labelText(*home, "home.metric.agents.value"), "4");
    EXPECT_EQ(labelText(*home, "home.metric.tools.value"), "0");
    screenshot("home");

    model.load(VelmoraRoute::support());
    Gtk::Widget* support = findNamed(window, "screen.support");
    ASSERT_NE(support, nullptr);
    ASSERT_TRUE(waitUntil([&] { return support->get_mapped(); }));
    auto* copy = findNamed<Gtk::Button>(*support, "support.diagnostics");
    ASSERT_NE(copy, nullptr);
    EXPECT_EQ(firstLabelText(*copy), "Copy diagnostics");
    click(*copy);
    EXPECT_EQ(firstLabelText(*copy), "Diagnostics copied");

    std::optional<std::string> copied;
    auto clipboard = window.get_clipboard();
    clipboard->read_text_async([&](const Glib::RefPtr<Gio::AsyncResult>& result) {
      copied = clipboard->read_text_finish(result).raw();
    });
    ASSERT_TRUE(waitUntil([&] { return copied.has_value(); }));
    EXPECT_EQ(*copied, model.support().diagnostics());
    EXPECT_EQ(copied->rfind("Ondi Desktop\nVersion: ", 0), 0u);
    EXPECT_NE(copied->find("\nSurface: Support\n"), std::string::npos);
    EXPECT_EQ(copied->find("ada@example.com"), std::string::npos);
    screenshot("support");
  });
}

}  // namespace
