#pragma once

#include <map>
#include <memory>
#include <optional>
#include <string>

#include <sigc++/signal.h>

#include "core/account/AccountHost.h"
#include "core/account/AccountState.h"
#include "core/account/AgentInstructionsController.h"
#include "core/account/AuthenticationController.h"
#include "core/account/ConversationThreadController.h"
#include "core/account/DesktopPreferencesController.h"
#include "core/account/WorkspaceAPIClient.h"
#include "core/account/WorkspaceSessionController.h"
#include "core/app/NavigationState.h"
#include "core/app/PlatformServices.h"
#include "core/app/Published.h"
#include "core/app/ServiceOrigin.h"
#include "core/app/VelmoraRoute.h"
#include "core/assist/LocalOpenAIClient.h"
#include "core/assist/OpenAIKeychain.h"
#include "core/browser/BrowserTabNavigation.h"
#include "core/browser/BrowserTabs.h"
#include "core/desktop/DesktopActionDispatcher.h"
#include "core/desktop/DesktopActionHost.h"
#include "core/desktop/DesktopActionResult.h"
#include "core/desktop/ExternalBrowsers.h"
#include "core/surface/MicrophonePolicy.h"
#include "core/surface/PageBridge.h"
#include "core/surface/SurfaceHost.h"
#include "core/surface/SurfaceResources.h"
#include "core/surface/WorkspaceHosts.h"
#include "core/util/Lifetime.h"

namespace ondi {

// The one model of the application: the surface, the in-app browser, the account and every
// native-to-page call. Screens observe its published fields and call its operations.
class DesktopBrowserModel : private SurfaceHost::Client,
                            private AccountHost,
                            private PageBridge::Features,
                            private DesktopActionHost {
 public:
  DesktopBrowserModel(ServiceOrigin origin, PlatformServices services, SurfaceResources resources);
  ~DesktopBrowserModel() override;
  DesktopBrowserModel(const DesktopBrowserModel&) = delete;
  DesktopBrowserModel& operator=(const DesktopBrowserModel&) = delete;

  NavigationState navigation;
  BrowserTabs tabs;
  AccountState account;
  Published<std::string> settingsRequestID;
  // The cloud-browser workflow the run monitor is asked to follow.
  Published<std::optional<std::string>> requestedMonitoredWorkflowID;
  // The application-wide request to run the live browser demo.
  sigc::signal<void()> runLiveBrowserDemoRequested;

  // The one way to change destination.
  void load(const VelmoraRoute& route) override;
  // Loads a fetched address into the surface.
  void loadURL(const std::string& url);
  void loadDesktopChat() { surface_.loadDesktopChat(); }
  void reload();
  void goBack();
  void goForward();

  // Hands the current page to the system's default browser.
  void openExternal();
  // Shows a managed cloud-browser workflow's control page in the tab bound to it and asks the
  // run monitor to follow it; false when the id or the control page is not valid.
  bool openManagedBrowserWorkflow(const std::string& workflowID, const std::string& title) override;
  // Answers the page's desktop action request `id`.
  void publishDesktopActionUpdate(const std::string& id, bool ok,
                                  const std::optional<std::string>& text,
                                  const std::optional<std::string>& error) override;
  // Hands the current page to Google Chrome or Safari; the outcome is not reported.
  void openCurrentInChrome() { handOffCurrentPage(ExternalBrowser::chrome); }
  void openCurrentInSafari() { handOffCurrentPage(ExternalBrowser::safari); }

  // Opens `url` in a new tab and shows it; false, with the reason in `tabs.notice`, when the
  // browser has as many tabs as it keeps.
  bool openInAppBrowserTab(const std::string& url, std::optional<std::string> title) override;
  void loadCurrentBrowserTab(const std::string& url, std::optional<std::string> title);
  void selectBrowserTab(const std::string& id);
  // Opens what the address bar holds in the selected tab; text that gives no address does
  // nothing.
  void loadBrowserAddress(const std::string& text);
  // Closes a tab; the only tab is kept and the workspace gives way to the agent.
  void closeBrowserTab(const std::string& id);
  DesktopActionResult closeSelectedInAppBrowserTab() override;
  // "previous" goes one tab back, anything else one forward, wrapping around at both ends.
  DesktopActionResult switchInAppBrowserTab(const std::string& direction) override;
  // Shows the current page in the in-app browser: a new tab, or the selected one while the
  // browser is up.
  void openCurrentInVelmoraBrowser();
  // The address of what is on screen; none when nothing has one.
  std::optional<std::string> currentPageURL() const;

  // Refreshes the published navigation state from `view` on a later turn of the main loop.
  void updateState(const WebView* view) override;

  std::string managedBrowserBaseURL() const { return api_.managedBrowserBaseURL(); }
  // The account page of the service's web site, on the origin that API requests go to now.
  std::string accountWebsiteURL() const;
  // Opens that page in the system's browser.
  void openAccountWebsite();
  void performAuthenticatedAPIRequest(const std::string& path, const std::string& method,
                                      const std::optional<std::string>& body,
                                      const std::map<std::string, std::string>& headers,
                                      WorkspaceAPIClient::Completion completion) {
    api_.performAuthenticatedAPIRequest(path, method, body, headers, std::move(completion));
  }
  void clearWorkspaceSessionCookies(std::function<void()> completion) {
    api_.clearWorkspaceSessionCookies(std::move(completion));
  }

  // Account: session, sign-in, preferences, instructions and conversation threads.
  void refreshWorkspaceSession() { session_.refresh(); }
  void presentAuthentication(DesktopAuthIntent intent) { auth_.presentAuthentication(intent); }
  void dismissAuthentication() { auth_.dismissAuthentication(); }
  void setAuthenticationIntent(DesktopAuthIntent intent) { auth_.setAuthenticationIntent(intent); }
  void submitPasswordAuthentication(DesktopAuthIntent intent, const std::string& name,
                                    const std::string& email, const std::string& password,
                                    const std::string& passwordConfirmation) {
    auth_.submitPasswordAuthentication(intent, name, email, password, passwordConfirmation);
  }
  void continueWithGoogle(DesktopAuthIntent intent) { auth_.continueWithGoogle(intent); }
  void signOutWorkspace(bool openSignInAfter) { auth_.signOutWorkspace(openSignInAfter); }
  void updateDesktopPreferences(const std::function<void(DesktopAccountPreferences&)>& edit) {
    preferences_.update(edit);
  }
  void updateAgentInstructions(const std::string& agentID,
                               const std::vector<std::string>& instructions,
                               AgentInstructionsController::Completion completion) {
    instructions_.updateAgentInstructions(agentID, instructions, std::move(completion));
  }
  void startNewChat() { threads_.startNewChat(); }
  void openConversationThread(const std::string& id) { threads_.openConversationThread(id); }
  void applyConversationThreadSnapshot(const nlohmann::json& body) override {
    threads_.applyConversationThreadSnapshot(body);
  }

  // Direct OpenAI answers with the user's own key, and the key's keychain.
  void handleLocalOpenAIRequest(const nlohmann::json& body) override {
    openAI_.handleLocalOpenAIRequest(body);
  }
  void publishOpenAIStatus(const std::string& id) { openAI_.publishOpenAIStatus(id); }
  OpenAIKeychain& openAIKeychain() { return openAIKeychain_; }

  // Shows `theme` in the surface at once: its background and the page's colours.
  void applyDesktopThemeToWebView(VelmoraTheme theme) override;

  WebView& surfaceWebView() { return surface_.webView(); }
  bool isShowingDesktopChat() const override { return surface_.isShowingDesktopChat(); }

 private:
  void openInAppBrowserTab(const std::string& url) override { openInAppBrowserTab(url, {}); }
  void showBrowserNotice(const std::string& text) override { tabs.notice.set(text); }
  std::string operatorPageBaseURL() const override { return managedBrowserBaseURL(); }
  void webViewDidFinishLoading(const WebView& view) override;
  void runSurfaceScript(const std::string& script) override;
  void surfaceScriptMessageReceived(const ScriptMessage& message) override {
    bridge_.receive(message);
  }
  std::string currentSurfaceURL() const override { return surface_.webView().url(); }
  void handleSpeechRequest(const std::string& action, const std::string& draft) override;
  void handleDesktopActionRequest(const nlohmann::json& body) override {
    dispatcher_.handleDesktopActionRequest(body);
  }

  WebView& activeWebView();
  void showSelectedBrowserTab();
  void handOffCurrentPage(const ExternalBrowser& browser);
  // A web view named for a later turn: none, the surface, or a tab's.
  struct ViewReference {
    bool any;
    std::optional<std::string> tabID;
  };
  void refreshNavigationState(const ViewReference& reference);
  BrowserTabSession makeBrowserSession(const std::string& url, std::optional<std::string> title,
                                       std::optional<std::string> managedWorkflowID);
  WebViewConfiguration surfaceConfiguration(const SurfaceResources& resources) const;
  WebViewConfiguration browserTabConfiguration() const;

  ServiceOrigin origin_;
  PlatformServices services_;
  WorkspaceHosts hosts_;
  MicrophonePolicy microphone_;
  SurfaceHost surface_;
  BrowserTabNavigation tabNavigation_;
  WorkspaceAPIClient api_;
  DesktopPreferencesController preferences_;
  WorkspaceSessionController session_;
  AuthenticationController auth_;
  AgentInstructionsController instructions_;
  ConversationThreadController threads_;
  OpenAIKeychain openAIKeychain_;
  LocalOpenAIClient openAI_;
  PageBridge bridge_;
  ExternalBrowsers externalBrowsers_;
  DesktopActionDispatcher dispatcher_;
  Lifetime lifetime_;
};

}  // namespace ondi
