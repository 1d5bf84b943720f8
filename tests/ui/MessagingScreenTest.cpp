#include <gtest/gtest.h>

#include <gtkmm/button.h>
#include <gtkmm/entry.h>
#include <gtkmm/label.h>
#include <gtkmm/picture.h>

#include "ApplicationTest.h"
#include "HttpTestClient.h"
#include "OndiServerProcess.h"
#include "core/messaging/IMessageBridgeModel.h"
#include "core/navigation/VelmoraRoute.h"
#include "core/shell/ShellController.h"
#include "ui/app/MainWindow.h"

using namespace ondi;

namespace {

std::string text(Gtk::Widget& root, const std::string& name) {
  auto* label = findNamed<Gtk::Label>(root, name);
  return label ? label->get_text().raw() : "<no label " + name + ">";
}

// The application against a real ondi-server with a shared Messages address, and a relay whose
// heartbeat file the server writes.
class MessagingScreenTest : public ApplicationTest {
 protected:
  MessagingScreenTest()
      : heartbeat((folder.path() / "relay.json").string()),
        server({{"--test-routes", "--messaging-relay-address", "agent@ondi.example",
                 "--relay-heartbeat-file", heartbeat}}),
        service(server.baseURL()) {
    g_setenv("VELMORA_API_BASE_URL", server.baseURL().c_str(), TRUE);
    g_setenv("VELMORA_RELAY_HEARTBEAT_FILE", heartbeat.c_str(), TRUE);
  }
  ~MessagingScreenTest() override { g_unsetenv("VELMORA_RELAY_HEARTBEAT_FILE"); }

  unsigned connectPage(const std::string& code) const {
    return service.send("GET", "/messaging/connect?code=" + code).status;
  }

  std::string heartbeat;
  OndiServerProcess server;
  HttpTestClient service;
};

TEST_F(MessagingScreenTest, TheRouteLoadsRotatesAndIsComposedTo) {
  runApplication([&](ui::OndiApplication& application, DesktopBrowserModel& model) {
    ASSERT_TRUE(signUp(model));
    ASSERT_EQ(service
                  .send("POST", "/api/test/relay-heartbeat",
                        R"({"status": "watching", "online": true, "ageSeconds": 0})")
                  .status,
              200u);
    IMessageBridgeModel& bridge = model.messaging();
    model.load(VelmoraRoute::messaging());
    Gtk::Widget* screen = findNamed(*application.mainWindow(), "screen.messaging");
    ASSERT_TRUE(screen && isShown(*screen));
    const auto ready = [&] {
      return waitUntil([&] {
        return !bridge.isRefreshing.get() &&
               bridge.routeState.get().kind == IMessageRouteState::Kind::ready;
      });
    };
    ASSERT_TRUE(ready());
    EXPECT_EQ(text(*screen, "messaging.relay.value"), "Online");
    EXPECT_EQ(text(*screen, "messaging.address"), "ag•••@ondi.example");
    EXPECT_EQ(model.shell().signals.messaging.get(), DesktopSurfaceSignal::live);
    EXPECT_TRUE(findNamed<Gtk::Picture>(*screen, "messaging.qr")->get_paintable());
    const std::string first = text(*screen, "messaging.code");
    EXPECT_EQ(connectPage(first), 200u);
    screenshot("messaging-workspace");

    // Regenerating retires the old code at once.
    click(*findNamed(*screen, "messaging.regenerate"));
    ASSERT_TRUE(ready());
    const std::string second = text(*screen, "messaging.code");
    EXPECT_NE(second, first);
    EXPECT_EQ(connectPage(first), 404u);
    EXPECT_EQ(connectPage(second), 200u);

    auto& copy = *findNamed<Gtk::Button>(*screen, "messaging.code.copy");
    click(copy);
    EXPECT_EQ(copy.get_label(), "Copied");
    EXPECT_TRUE(waitUntil([&] { return copy.get_label() == "Copy"; }));

    // The compose sheet hands the message to an app, and says when this computer has none.
    model.shell().isMessagingPresented.set(true);
    Gtk::Window* sheet = nullptr;
    ASSERT_TRUE(waitUntil([&] {
      for (Gtk::Window* window : Gtk::Window::list_toplevels()) {
        if (window->get_name() == "messaging-sheet" && window->get_mapped()) sheet = window;
      }
      return sheet != nullptr;
    }));
    auto& open = *findNamed<Gtk::Button>(*sheet, "messaging-sheet.open");
    EXPECT_EQ(open.get_label(), "Open iMessage");
    EXPECT_FALSE(open.get_sensitive());
    findNamed<Gtk::Entry>(*sheet, "messaging-sheet.recipient")->set_text("+1 415 555 0101");
    click(open);
    EXPECT_EQ(text(*sheet, "messaging-sheet.status"),
              "Could not open iMessage. Check that the app is installed and the recipient is "
              "valid.");
    screenshot("messaging-sheet");
    click(*findNamed(*sheet, "messaging-sheet.cancel"));
    EXPECT_FALSE(model.shell().isMessagingPresented.get());
  });
}

}  // namespace
