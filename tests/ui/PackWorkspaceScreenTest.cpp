#include <gtest/gtest.h>

#include <gtkmm/label.h>

#include "ApplicationTest.h"
#include "OndiServerProcess.h"
#include "core/app/Navigator.h"
#include "core/navigation/NavigationState.h"
#include "core/navigation/VelmoraRoute.h"
#include "core/packs/AgentPackCatalog.h"
#include "core/packs/PackBrowserSelection.h"
#include "core/packs/PackWorkspaceController.h"
#include "core/ports/WebView.h"
#include "ui/app/MainWindow.h"
#include "ui/app/WebViewWidget.h"

using namespace ondi;

namespace {

// The stand-in's agent page loads slowly on a busy machine.
constexpr int kPageWait = 30000;

// The application signed in to a real ondi-server whose agent can be told to fail.
class PackWorkspaceScreenTest : public ApplicationTest {
 protected:
  PackWorkspaceScreenTest() { g_setenv("VELMORA_API_BASE_URL", server.baseURL().c_str(), TRUE); }

  bool pageSays(DesktopBrowserModel& model, const std::string& condition) {
    return runScript(model, "String(" + condition + ")") == "\"true\"";
  }

  // Signs up and waits for the agent page with its composer.
  void signUpOnTheAgentPage(DesktopBrowserModel& model) {
    ASSERT_TRUE(signUp(model));
    ASSERT_TRUE(waitUntil(
        [&] {
          return !model.surfaceWebView().isLoading() &&
                 pageSays(model, "!!window.OndiOperator && !!OndiOperator.app.state.account");
        },
        kPageWait))
        << runScript(model, "document.body.innerText.slice(0, 400)");
  }

  static std::string text(Gtk::Widget& root, const std::string& name) {
    auto* label = findNamed<Gtk::Label>(root, name);
    return label ? label->get_text().raw() : "";
  }

  OndiServerProcess server{{.extraArguments = {"--test-routes"}}};
};

TEST_F(PackWorkspaceScreenTest, APackScopesTheOperatorPageAndAWorkflowLandsInItsComposer) {
  runApplication([&](ui::OndiApplication& application, DesktopBrowserModel& model) {
    signUpOnTheAgentPage(model);
    // The page stays the same one as it moves into the pack workspace.
    runScript(model, "window.sameDocument = true; 0");
    model.load(VelmoraRoute::packWorkspace("business-commerce"));
    Gtk::Widget& window = *application.mainWindow();
    Gtk::Widget& screen = *findNamed(window, "screen.pack-workspace");
    ASSERT_TRUE(waitUntil([&] { return screen.get_mapped(); }));
    EXPECT_TRUE(ui::widgetOf(model.surfaceWebView()).is_ancestor(screen));
    EXPECT_TRUE(isShown(*findNamed(screen, "pack-workspace.rail")));
    ASSERT_TRUE(waitUntil(
        [&] {
          return pageSays(model,
                          "document.body.classList.contains('pack-workspace') && "
                          "document.getElementById('workspaceTitle').textContent === "
                          "'Commerce Workspace'");
        },
        kPageWait));
    EXPECT_TRUE(pageSays(model, "window.sameDocument === true"));
    EXPECT_EQ(text(screen, "pack-workspace.title"), "Commerce Workspace");
    EXPECT_EQ(text(screen, "pack-workspace.agent-count"), "5 active agents");
    EXPECT_EQ(text(window, "shell.status-badge.text"), "FOCUSED");
    EXPECT_EQ(model.navigation.title.get(), "Commerce Workspace");

    // Choosing a helper in the team rail marks it and selects it in the page.
    Gtk::Widget& orders = *findNamed(screen, "pack-workspace.agent.commerce-orders");
    EXPECT_TRUE(findNamed(screen, "pack-workspace.agent.main-operator")->has_css_class("current"));
    orders.activate();
    EXPECT_EQ(model.packWorkspace().selectedPackHelperID.get(), "commerce-orders");
    EXPECT_TRUE(orders.has_css_class("current"));
    EXPECT_TRUE(waitUntil([&] {
      return pageSays(model, "document.getElementById('modelSelect').value === 'Orders'");
    }));

    click(*findNamed(screen, "pack-workspace.workflow.commerce-orders"));
    EXPECT_TRUE(waitUntil([&] {
      return pageSays(model,
                      "document.getElementById('promptInput').value.startsWith("
                      "'Use the Commerce Workspace. Triage my current order exceptions.') && "
                      "document.getElementById('modelSelect').value === 'Main operator'");
    }));
    screenshot("pack-workspace");

    // The agent route shows the same page without the pack around it.
    model.navigator().showTask();
    EXPECT_TRUE(waitUntil([&] { return !isShown(*findNamed(screen, "pack-workspace.rail")); }));
    EXPECT_FALSE(isShown(*findNamed(screen, "pack-workspace.workflows")));
    EXPECT_NE(text(window, "shell.status-badge.text"), "FOCUSED");
  });
}

TEST_F(PackWorkspaceScreenTest, AnActivatedPacksHelpersStartChatsFromTheSidebar) {
  runApplication([&](ui::OndiApplication& application, DesktopBrowserModel& model) {
    signUpOnTheAgentPage(model);
    Gtk::Widget& helpers = *findNamed(*application.mainWindow(), "sidebar.helpers");
    EXPECT_FALSE(isShown(helpers));
    model.packBrowser().activate(*model.packs().pack("personal-career"));
    ASSERT_TRUE(isShown(helpers));
    findNamed(helpers, "sidebar.helper.Interview")->activate();
    EXPECT_TRUE(waitUntil([&] {
      return pageSays(model,
                      "document.getElementById('promptInput').value.startsWith("
                      "'Act as the Interview helper.') && "
                      "document.getElementById('modelSelect').value === 'Interview'");
    }));
  });
}

TEST_F(PackWorkspaceScreenTest, AnAnthropicChoiceReachesThePageAndKeepsAFailedPromptFromOpenAI) {
  runApplication([&](ui::OndiApplication& application, DesktopBrowserModel& model) {
    signUpOnTheAgentPage(model);
    // Counts the page's calls to the desktop's own OpenAI client.
    runScript(model,
              "const bridge = OndiOperator.app.bridge; const openAI = bridge.openAI;"
              "window.openAICalls = 0;"
              "bridge.openAI = (...args) => { window.openAICalls++; return openAI.apply(bridge, "
              "args); }; 0");
    const auto failOnce = [&] {
      runScript(model,
                "window.armed = false; fetch('/api/test/agent-failure', {method: 'POST', "
                "headers: {'Content-Type': 'application/json'}, body: JSON.stringify({status: "
                "503, count: 1})}).then((response) => { window.armed = response.ok; }); 0");
      ASSERT_TRUE(waitUntil([&] { return pageSays(model, "window.armed === true"); }));
    };
    const auto send = [&](const std::string& prompt) {
      runScript(model, "document.getElementById('promptInput').value = '" + prompt +
                           "'; document.getElementById('composer').requestSubmit(); 0");
    };

    application.activate_action("model-provider",
                                Glib::Variant<Glib::ustring>::create("anthropic"));
    Gtk::Widget& window = *application.mainWindow();
    EXPECT_EQ(firstLabelText(*findNamed(window, "model-provider-picker")), "Fable 5");
    ASSERT_TRUE(waitUntil([&] {
      return pageSays(model,
                      "OndiOperator.app.selectedModel.mode === 'anthropic' && "
                      "document.getElementById('runtimeMode').textContent.includes('Fable 5')");
    }));
    screenshot("model-provider-anthropic");
    failOnce();
    send("Summarise my week");
    ASSERT_TRUE(waitUntil(
        [&] {
          return pageSays(model, "document.body.innerText.includes('Fable 5 could not answer')");
        },
        kPageWait));
    EXPECT_TRUE(pageSays(model, "window.openAICalls === 0"));

    // Automatic choice lets the same failure ask the desktop's OpenAI client.
    application.activate_action("model-provider", Glib::Variant<Glib::ustring>::create("auto"));
    ASSERT_TRUE(waitUntil(
        [&] { return pageSays(model, "OndiOperator.app.selectedModel.mode === 'auto'"); }));
    failOnce();
    send("Summarise my month");
    EXPECT_TRUE(waitUntil([&] { return pageSays(model, "window.openAICalls > 0"); }, kPageWait));
  });
}

}  // namespace
