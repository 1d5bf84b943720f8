#pragma once

#include <map>
#include <optional>
#include <string>

#include <sigc++/signal.h>

#include "core/account/AccountState.h"
#include "core/account/AccountWebsite.h"
#include "core/account/AgentInstructionsController.h"
#include "core/account/AuthenticationController.h"
#include "core/account/ConversationThreadController.h"
#include "core/account/DesktopPreferencesController.h"
#include "core/account/WorkspaceAPIClient.h"
#include "core/account/WorkspaceSessionController.h"
#include "core/app/NavigationState.h"
#include "core/app/Navigator.h"
#include "core/app/PlatformServices.h"
#include "core/app/Published.h"
#include "core/app/ServiceOrigin.h"
#include "core/app/VelmoraRoute.h"
#include "core/assist/LocalOpenAIClient.h"
#include "core/assist/OpenAIKeychain.h"
#include "core/billing/BillingController.h"
#include "core/browser/BrowserWorkspaceController.h"
#include "core/desktop/DesktopActionDispatcher.h"
#include "core/desktop/ExternalBrowsers.h"
#include "core/desktop/PageHandoff.h"
#include "core/messaging/IMessageBridgeModel.h"
#include "core/messaging/MessageComposer.h"
#include "core/monitor/BrowserbaseLiveView.h"
#include "core/monitor/DaytonaMonitorStore.h"
#include "core/packs/AgentPackCatalog.h"
#include "core/packs/ModelProviderSelection.h"
#include "core/packs/PackBrowserSelection.h"
#include "core/packs/PackWorkspaceController.h"
#include "core/payments/AgentPaymentStore.h"
#include "core/phone/AgentPhoneController.h"
#include "core/shell/ShellController.h"
#include "core/support/SupportDesk.h"
#include "core/surface/LoadedSurfacePage.h"
#include "core/surface/MicrophonePolicy.h"
#include "core/surface/SurfaceHost.h"
#include "core/surface/SurfaceResources.h"
#include "core/surface/WorkspaceHosts.h"
#include "core/util/ScopedConnections.h"
#include "core/voice/DictationController.h"
#include "core/voice/HuddleController.h"
#include "core/voice/MicrophoneConsent.h"
#include "core/voice/RealtimeVoiceSession.h"
#include "core/workspace/AgentPromptPreparation.h"
#include "core/workspace/WorkspaceStore.h"

namespace ondi {

// The composition of the application's controllers: it builds them, wires them to each
// other and to the platform, and forwards the application's operations to the controller that
// owns each. It holds no state and no logic of its own.
class DesktopBrowserModel {
 public:
  // `shortVersion` is the application's version; none in a development build.
  DesktopBrowserModel(ServiceOrigin origin, PlatformServices services, SurfaceResources resources,
                      std::optional<std::string> shortVersion = std::nullopt);
  DesktopBrowserModel(const DesktopBrowserModel&) = delete;
  DesktopBrowserModel& operator=(const DesktopBrowserModel&) = delete;

  // Shared by the account controllers; declared first so they are built after it.
  AccountState account;

 private:
  ServiceOrigin origin_;
  PlatformServices services_;
  WorkspaceHosts hosts_;
  MicrophoneConsent microphoneConsent_;
  MicrophonePolicy microphone_;
  Navigator navigator_;
  SurfaceHost surface_;
  BrowserWorkspaceController browser_;
  WorkspaceAPIClient api_;
  DesktopPreferencesController preferences_;
  WorkspaceSessionController session_;
  AuthenticationController auth_;
  AgentInstructionsController instructions_;
  ConversationThreadController threads_;
  OpenAIKeychain openAIKeychain_;
  LocalOpenAIClient openAI_;
  DictationController dictation_;
  ExternalBrowsers externalBrowsers_;
  DesktopActionDispatcher dispatcher_;
  PageHandoff handoff_;
  AccountWebsite website_;
  WorkspaceStore workspace_;
  AgentPromptPreparation prompts_;
  PackWorkspaceController packWorkspace_;
  PackBrowserSelection packBrowser_{services_.settings, services_.packs};
  ModelProviderSelection modelProvider_;
  LoadedSurfacePage loadedSurfacePage_;
  SupportDesk support_;
  BillingController billing_;
  ShellController shell_;
  DaytonaMonitorStore monitor_;
  BrowserbaseLiveView liveView_;
  RealtimeVoiceSession realtimeVoice_;
  HuddleController huddle_;
  AgentPaymentStore payments_;
  IMessageBridgeModel messaging_;
  MessageComposer composer_{services_.system};
  AgentPhoneController phone_;
  ScopedConnections connections_;

 public:
  // The controllers, for the screens that show them.
  Navigator& navigator() { return navigator_; }
  BrowserWorkspaceController& browser() { return browser_; }
  AuthenticationController& authentication() { return auth_; }
  DesktopPreferencesController& preferences() { return preferences_; }
  AgentInstructionsController& agentInstructions() { return instructions_; }
  OpenAIKeychain& openAIKeychain() { return openAIKeychain_; }
  AccountWebsite& accountWebsite() { return website_; }
  WorkspaceSessionController& session() { return session_; }
  PageHandoff& handoff() { return handoff_; }
  WorkspaceStore& workspace() { return workspace_; }
  ConversationThreadController& conversationThreads() { return threads_; }
  ShellController& shell() { return shell_; }
  AgentPromptPreparation& agentPrompts() { return prompts_; }
  const AgentPackCatalog& packs() const { return services_.packs; }
  PackWorkspaceController& packWorkspace() { return packWorkspace_; }
  PackBrowserSelection& packBrowser() { return packBrowser_; }
  ModelProviderSelection& modelProvider() { return modelProvider_; }
  SupportDesk& support() { return support_; }
  const Clock& clock() const { return services_.clock; }
  BillingController& billing() { return billing_; }
  DaytonaMonitorStore& monitor() { return monitor_; }
  MicrophoneConsent& microphoneConsent() { return microphoneConsent_; }
  BrowserbaseLiveView& liveView() { return liveView_; }
  // The voice console in the surface, as the huddle screen drives it.
  RealtimeVoiceSession& realtimeVoice() { return realtimeVoice_; }
  HuddleController& huddle() { return huddle_; }
  AgentPaymentStore& agentPayments() { return payments_; }
  IMessageBridgeModel& messaging() { return messaging_; }
  MessageComposer& messageComposer() { return composer_; }
  AgentPhoneController& agentPhone() { return phone_; }

  const NavigationState& navigation = navigator_.state();
  BrowserTabs& tabs = browser_.tabs;
  Published<std::string>& settingsRequestID = openAI_.settingsRequestID;
  Published<std::optional<std::string>>& requestedMonitoredWorkflowID =
      browser_.requestedMonitoredWorkflowID;
  // The application-wide request to run the live browser demo.
  sigc::signal<void()> runLiveBrowserDemoRequested;

  // Navigation.
  void load(const VelmoraRoute& route) { navigator_.load(route); }
  void loadURL(const std::string& url) { navigator_.loadURL(url); }
  void loadDesktopChat() { navigator_.loadDesktopChat(); }
  void reload() { navigator_.reload(); }
  void goBack() { navigator_.goBack(); }
  void goForward() { navigator_.goForward(); }
  std::optional<std::string> currentPageURL() const { return navigator_.currentPageURL(); }

  // Hand-offs of the page in front.
  void openExternal() { handoff_.openExternal(); }
  void openCurrentInChrome() { handoff_.openIn(ExternalBrowser::chrome); }
  void openCurrentInSafari() { handoff_.openIn(ExternalBrowser::safari); }
  void openCurrentInVelmoraBrowser() { handoff_.openInAppBrowser(); }

  // The in-app browser.
  bool openInAppBrowserTab(const std::string& url, std::optional<std::string> title) {
    return browser_.openInAppBrowserTab(url, std::move(title));
  }
  void loadCurrentBrowserTab(const std::string& url, std::optional<std::string> title) {
    browser_.loadCurrentBrowserTab(url, std::move(title));
  }
  void selectBrowserTab(const std::string& id) { browser_.selectBrowserTab(id); }
  void loadBrowserAddress(const std::string& text) { browser_.loadBrowserAddress(text); }
  void closeBrowserTab(const std::string& id) { browser_.closeBrowserTab(id); }
  DesktopActionResult closeSelectedInAppBrowserTab() {
    return browser_.closeSelectedInAppBrowserTab();
  }
  DesktopActionResult switchInAppBrowserTab(const std::string& direction) {
    return browser_.switchInAppBrowserTab(direction);
  }
  bool openManagedBrowserWorkflow(const std::string& workflowID, const std::string& title) {
    return browser_.openManagedBrowserWorkflow(workflowID, title);
  }

  // The service and the account.
  std::string managedBrowserBaseURL() const { return api_.managedBrowserBaseURL(); }
  std::string accountWebsiteURL() const { return website_.url(); }
  void openAccountWebsite() { website_.open(); }
  // Hands a secure address (the service's onboarding, a provider's console) to the user's own
  // browser.
  void openSecureURL(const std::string& url);
  void performAuthenticatedAPIRequest(const std::string& path, const std::string& method,
                                      const std::optional<std::string>& body,
                                      const std::map<std::string, std::string>& headers,
                                      WorkspaceAPIClient::Completion completion) {
    api_.performAuthenticatedAPIRequest(path, method, body, headers, std::move(completion));
  }
  void clearWorkspaceSessionCookies(std::function<void()> completion) {
    api_.clearWorkspaceSessionCookies(std::move(completion));
  }
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
  void applyConversationThreadSnapshot(const nlohmann::json& body) {
    threads_.applyConversationThreadSnapshot(body);
  }

  // The agent phone.
  void refreshAgentPhone() { phone_.refreshAgentPhone(); }
  void connectAgentPhone(const AgentPhoneLinkRequest& request,
                         AgentPhoneController::Completion completion) {
    phone_.connectAgentPhone(request, std::move(completion));
  }
  void updateAgentPhoneRouting(const AgentPhoneRoutingRequest& request,
                               AgentPhoneController::Completion completion) {
    phone_.updateAgentPhoneRouting(request, std::move(completion));
  }
  void disconnectAgentPhone(AgentPhoneController::Completion completion) {
    phone_.disconnectAgentPhone(std::move(completion));
  }
  void placeAgentPhoneCall(const AgentPhoneOutboundRequest& request,
                           AgentPhoneController::Completion completion) {
    phone_.placeAgentPhoneCall(request, std::move(completion));
  }

  // Direct OpenAI answers with the user's own key.
  void handleLocalOpenAIRequest(const nlohmann::json& body) {
    openAI_.handleLocalOpenAIRequest(body);
  }
  void publishOpenAIStatus(const std::string& id) { openAI_.publishOpenAIStatus(id); }

  // The surface.
  void applyDesktopThemeToWebView(VelmoraTheme theme) { surface_.applyTheme(theme); }
  WebView& surfaceWebView() { return surface_.webView(); }
  bool isShowingDesktopChat() const { return surface_.isShowingDesktopChat(); }
};

}  // namespace ondi
