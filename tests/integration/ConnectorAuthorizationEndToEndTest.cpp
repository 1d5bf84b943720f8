#include <gtest/gtest.h>

#include <gtk/gtk.h>

#include <cstdlib>
#include <memory>

#include "MainLoop.h"
#include "OndiServerProcess.h"
#include "TemporaryDirectory.h"
#include "core/browser/BrowserTabs.h"
#include "core/ports/WebView.h"
#include "core/workspace/WorkspaceStore.h"
#include "platform/linux/DesktopComposition.h"

using namespace ondi;

namespace {

// The whole client against a real ondi-server: an app is authorized on the stand-in broker's
// HTTPS page in the in-app browser, and the connected apps then say so.
class ConnectorAuthorizationEndToEnd : public ::testing::Test {
 protected:
  ConnectorAuthorizationEndToEnd() {
    static const bool started = (gtk_init(), true);
    (void)started;
    setenv("VELMORA_API_BASE_URL", server.baseURL().c_str(), 1);
    setenv("ONDI_DEV_CERTIFICATE", server.certificateFile().c_str(), 1);
    setenv("ONDI_DEV_CERTIFICATE_HOST", "127.0.0.1", 1);
    client = std::make_unique<platform::DesktopComposition>(platform::DesktopFolders{
        folder.path() / "config", folder.path() / "data", folder.path() / "cache"});
  }
  ~ConnectorAuthorizationEndToEnd() override {
    client.reset();
    for (const char* name :
         {"VELMORA_API_BASE_URL", "ONDI_DEV_CERTIFICATE", "ONDI_DEV_CERTIFICATE_HOST"}) {
      unsetenv(name);
    }
  }

  WorkspaceStore& store() { return client->model.workspace(); }

  void refresh() {
    store().refreshConnectors();
    ASSERT_TRUE(runMainLoopUntil([&] { return !store().isRefreshingConnectors.get(); }));
  }

  // Runs a script in the view and returns its result as text.
  std::string evaluate(WebView& view, const std::string& script) {
    std::optional<ScriptResult> result;
    view.evaluateJavaScript(script, [&](ScriptResult r) { result = std::move(r); });
    EXPECT_TRUE(runMainLoopUntil([&] { return result.has_value(); }));
    return result && *result ? **result : "";
  }

  static constexpr const char* kPassword = "correct horse battery staple";
  OndiServerProcess server;
  TemporaryDirectory folder;
  std::unique_ptr<platform::DesktopComposition> client;
};

TEST_F(ConnectorAuthorizationEndToEnd, AnAppAuthorizedOnTheBrokersPageReadsConnected) {
  client->model.submitPasswordAuthentication(DesktopAuthIntent::signUp, "Ada Lovelace",
                                             "ada@example.com", kPassword, kPassword);
  ASSERT_TRUE(runMainLoopUntil(
      [&] { return client->model.account.workspaceSessionState.get().isAuthenticated(); }));

  refresh();
  EXPECT_EQ(store().connectorServiceDetail.get(), "0 of 32 accounts connected.");
  const ConnectorItem gmail = store().connectors.get().front();
  ASSERT_EQ(gmail.id, "gmail");
  EXPECT_EQ(gmail.lastSync, "Not connected");

  store().beginConnectorAuthorization(gmail);
  ASSERT_TRUE(runMainLoopUntil([&] { return !store().pendingConnectorID.get(); }));
  ASSERT_EQ(store().connectorServiceDetail.get(), "Finish Gmail authorization in the opened tab.");
  WebView& tab = *client->model.tabs.selectedSession().webView;
  // The page comes over HTTPS with the certificate the server made: it loads only because the
  // development setting names that certificate for this host.
  ASSERT_TRUE(runMainLoopUntil([&] {
    return tab.url().starts_with(server.secureBaseURL() + "/connect/") && !tab.isLoading() &&
           tab.title() == "Connect Gmail";
  }));
  evaluate(tab, "document.getElementById('allow').click(); 0");
  ASSERT_TRUE(runMainLoopUntil([&] { return tab.title() == "Gmail connected"; }));

  refresh();
  EXPECT_EQ(store().connectorServiceDetail.get(), "1 of 32 accounts connected.");
  EXPECT_EQ(store().connectors.get().front().lastSync, "Connected");
  EXPECT_TRUE(store().connectors.get().front().isConnected);
  EXPECT_EQ(store().connectedCount(), 1u);
}

}  // namespace
