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
#include "core/surface/MicrophonePolicy.h"
#include "core/surface/PageBridge.h"
#include "core/surface/SurfaceHost.h"
#include "core/surface/WorkspaceHosts.h"
#include "core/util/Lifetime.h"

namespace ondi {

// The one model of the application: the surface, the in-app browser, the account and every
// native-to-page call. Screens observe its published fields and call its operations.
class DesktopBrowserModel : private SurfaceHost::Client,
                            private AccountHost,
                            private PageBridge::Features {
 public:
  DesktopBrowserModel(ServiceOrigin origin, PlatformServices services, std::string desktopChatHTML);
  ~DesktopBrowserModel() override;
  DesktopBrowserModel(const DesktopBrowserModel&) = delete;
  DesktopBrowserModel& operator=(const DesktopBrowserModel&) = delete;

  NavigationState navigation;
  BrowserTabs tabs;
  AccountState account;
  Published<std::string> settingsRequestID;
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

  void openInAppBrowserTab(const std::string& url, std::optional<std::string> title);
  void loadCurrentBrowserTab(const std::string& url, std::optional<std::string> title);
  void selectBrowserTab(const std::string& id);

  // Refreshes the published navigation state from `view` on a later turn of the main loop.
  void updateState(const WebView* view) override;

  std::string managedBrowserBaseURL() const { return api_.managedBrowserBaseURL(); }
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

  WebView& surfaceWebView() { return surface_.webView(); }
  bool isShowingDesktopChat() const override { return surface_.isShowingDesktopChat(); }
  const ServiceOrigin& serviceOrigin() const { return origin_; }

 private:
  void openInAppBrowserTab(const std::string& url) override { openInAppBrowserTab(url, {}); }
  std::string operatorPageBaseURL() const override { return managedBrowserBaseURL(); }
  void webViewDidFinishLoading(const WebView& view) override;
  void runSurfaceScript(const std::string& script) override;
  void surfaceScriptMessageReceived(const ScriptMessage& message) override {
    bridge_.receive(message);
  }
  std::string currentSurfaceURL() const override { return surface_.webView().url(); }
  void handleSpeechRequest(const std::string& action, const std::string& draft) override;
  void handleDesktopActionRequest(const nlohmann::json& body) override;

  WebView& activeWebView();
  void refreshNavigationState(const WebView* view);
  BrowserTabSession makeBrowserSession(const std::string& url, std::optional<std::string> title,
                                       std::optional<std::string> managedWorkflowID);
  WebViewConfiguration surfaceConfiguration() const;
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
  Lifetime lifetime_;
};

}  // namespace ondi
