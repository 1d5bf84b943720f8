#include "core/app/DesktopBrowserModel.h"

#include <nlohmann/json.hpp>

#include "core/account/AccountWebsite.h"
#include "core/account/AgentInstructionsController.h"
#include "core/account/AuthenticationController.h"
#include "core/account/ConversationThreadController.h"
#include "core/account/DesktopPreferencesController.h"
#include "core/account/WorkspaceAPIClient.h"
#include "core/account/WorkspaceSessionController.h"
#include "core/actions/DesktopActionResult.h"
#include "core/app/LoadedSurfacePage.h"
#include "core/app/Navigator.h"
#include "core/app/PlatformServices.h"
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
#include "core/navigation/NavigationState.h"
#include "core/navigation/VelmoraRoute.h"
#include "core/origin/ServiceOrigin.h"
#include "core/packs/AgentPackCatalog.h"
#include "core/packs/ModelProviderSelection.h"
#include "core/packs/PackBrowserSelection.h"
#include "core/packs/PackWorkspaceController.h"
#include "core/payments/AgentPaymentStore.h"
#include "core/phone/AgentPhoneController.h"
#include "core/ports/Logger.h"
#include "core/ports/SystemServices.h"
#include "core/ports/WebView.h"
#include "core/script/SurfaceResources.h"
#include "core/shell/ShellController.h"
#include "core/support/SupportDesk.h"
#include "core/surface/MicrophonePolicy.h"
#include "core/surface/SurfaceHost.h"
#include "core/surface/WorkspaceHosts.h"
#include "core/theme/VelmoraTheme.h"
#include "core/util/ScopedConnections.h"
#include "core/voice/DictationController.h"
#include "core/voice/HuddleController.h"
#include "core/voice/MicrophoneConsent.h"
#include "core/voice/RealtimeVoiceSession.h"
#include "core/workspace/AgentPromptPreparation.h"
#include "core/workspace/WorkspaceStore.h"

namespace ondi {

// The controllers and the wiring between them.
struct DesktopBrowserModel::Parts {
  Parts(AccountState& account, sigc::signal<void()>& runLiveBrowserDemoRequested,
        ServiceOrigin origin, PlatformServices services, SurfaceResources resources,
        std::optional<std::string> shortVersion);

  AccountState& account;
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
};

DesktopBrowserModel::Parts::Parts(AccountState& account,
                                  sigc::signal<void()>& runLiveBrowserDemoRequested,
                                  ServiceOrigin origin, PlatformServices services,
                                  SurfaceResources resources,
                                  std::optional<std::string> shortVersion)
    : account(account),
      origin_(std::move(origin)),
      services_(services),
      hosts_(origin_.registrableDomain),
      microphoneConsent_(services_.microphone, services_.settings),
      microphone_(hosts_, microphoneConsent_, [this] { return realtimeVoice_.consoleURL(); }),
      navigator_({origin_, hosts_, surface_, browser_, services_.scheduler, services_.logger,
                  packWorkspace_, [this] { session_.refresh(); },
                  [this] { loadedSurfacePage_.setUp(); },
                  [this] { realtimeVoice_.loadRealtimeVoiceAgent(); }}),
      surface_(
          {services_.webViews, origin_, hosts_, services_.logger, services_.system, microphone_,
           navigator_, [this] { return api_.managedBrowserBaseURL(); }, std::move(resources),
           [this] { return currentTheme(services_.settings); }},
          {[this](const std::string& action, const std::string& draft) {
             dictation_.handleRequest(action, draft);
           },
           [this](const nlohmann::json& body) { openAI_.handleLocalOpenAIRequest(body); },
           [this](const nlohmann::json& body) { dispatcher_.handleDesktopActionRequest(body); },
           [this](const nlohmann::json& body) { threads_.applyConversationThreadSnapshot(body); }}),
      browser_({services_.webViews, services_.system, microphone_, services_.clock,
                services_.logger, navigator_, [this] { return api_.managedBrowserBaseURL(); }}),
      api_(origin_, services_.environment, services_.transport, services_.cookies,
           services_.scheduler, [this] { return surface_.currentURL(); }),
      preferences_(account, services_.settings, api_,
                   [this](VelmoraTheme theme) { surface_.applyTheme(theme); }),
      session_(account, api_, preferences_),
      auth_({account, api_, session_, preferences_, services_.random, services_.webAuthenticator,
             navigator_}),
      instructions_(account, api_),
      threads_(account, navigator_.state(), navigator_, surface_, services_.scheduler,
               services_.logger),
      openAIKeychain_(services_.secrets, services_.settings, services_.scheduler),
      openAI_({account, services_.settings, services_.environment, services_.transport,
               openAIKeychain_, surface_}),
      dictation_(surface_, services_.speechRecognizer, microphoneConsent_),
      externalBrowsers_(services_.applications),
      dispatcher_(
          browser_, externalBrowsers_, surface_,
          [this](const nlohmann::json& body) { threads_.applyConversationThreadSnapshot(body); }),
      handoff_({origin_, navigator_, browser_, surface_, services_.system, externalBrowsers_,
                services_.logger}),
      website_(api_, services_.system, services_.logger),
      workspace_({api_, browser_, navigator_.state(), services_.logger}),
      prompts_(navigator_, surface_),
      packWorkspace_({services_.packs, navigator_, navigator_.state(), surface_, prompts_,
                      services_.scheduler}),
      modelProvider_({account, services_.settings, preferences_, surface_, services_.logger}),
      loadedSurfacePage_({navigator_.state(), modelProvider_, packWorkspace_, prompts_}),
      support_({origin_, api_, browser_, navigator_.state(), services_.system, services_.logger,
                std::move(shortVersion)}),
      billing_({services_.settings, origin_, [this] { return api_.managedBrowserBaseURL(); },
                browser_, navigator_.state()}),
      shell_(preferences_, navigator_),
      monitor_({api_, browser_, account.workspaceSessionState, services_.scheduler,
                services_.images, ManagedLiveViewURLValidator(origin_.browserbaseDomain),
                [this] { session_.refresh(); }}),
      liveView_(services_.webViews,
                LiveViewPolicy(ManagedLiveViewURLValidator(origin_.browserbaseDomain))),
      realtimeVoice_({origin_, services_.environment, account.workspaceSessionState,
                      navigator_.state(), navigator_, surface_, api_, services_.system,
                      services_.scheduler, services_.logger}),
      huddle_({realtimeVoice_, account.workspaceSessionState, session_.checked,
               shell_.signals.voice, services_.scheduler, [this] { session_.refresh(); },
               [this] { auth_.presentAuthentication(DesktopAuthIntent::signIn); }}),
      payments_({api_, services_.settings, services_.clock, account.workspaceSessionState,
                 session_.checked}),
      messaging_({api_, services_.environment, services_.clock, services_.system,
                  shell_.signals.messaging, [this] { return api_.managedBrowserBaseURL(); }}),
      phone_({api_, account, session_.checked, services_.logger}) {
  account.desktopPreferences.set(DesktopAccountPreferences::localDefaults(services_.settings));
  account.selectedModelProvider.set(storedModelProvider(services_.settings));
  services_.logger.info("browser", "Desktop browser model initialized");
  navigator_.load(VelmoraRoute::home());
  // A workflow the agent hands over is followed even while no monitor is on screen, and the
  // inspector that holds the monitor is shown.
  connections_.add(browser_.requestedMonitoredWorkflowID.changed().connect(
      [this](const std::optional<std::string>& workflowID) {
        monitor_.followWorkflow(workflowID);
        if (workflowID) shell_.setShowInspector(true);
      }));
  connections_.add(runLiveBrowserDemoRequested.connect([this] {
    shell_.setShowInspector(true);
    monitor_.runGuestDemo();
  }));
}

DesktopBrowserModel::DesktopBrowserModel(ServiceOrigin origin, PlatformServices services,
                                         SurfaceResources resources,
                                         std::optional<std::string> shortVersion)
    : parts_(std::make_unique<Parts>(account, runLiveBrowserDemoRequested, std::move(origin),
                                     services, std::move(resources), std::move(shortVersion))),
      navigation(parts_->navigator_.state()),
      tabs(parts_->browser_.tabs),
      settingsRequestID(parts_->openAI_.settingsRequestID),
      requestedMonitoredWorkflowID(parts_->browser_.requestedMonitoredWorkflowID) {}

DesktopBrowserModel::~DesktopBrowserModel() = default;

Navigator& DesktopBrowserModel::navigator() {
  return parts_->navigator_;
}
BrowserWorkspaceController& DesktopBrowserModel::browser() {
  return parts_->browser_;
}
AuthenticationController& DesktopBrowserModel::authentication() {
  return parts_->auth_;
}
DesktopPreferencesController& DesktopBrowserModel::preferences() {
  return parts_->preferences_;
}
AgentInstructionsController& DesktopBrowserModel::agentInstructions() {
  return parts_->instructions_;
}
OpenAIKeychain& DesktopBrowserModel::openAIKeychain() {
  return parts_->openAIKeychain_;
}
AccountWebsite& DesktopBrowserModel::accountWebsite() {
  return parts_->website_;
}
WorkspaceSessionController& DesktopBrowserModel::session() {
  return parts_->session_;
}
PageHandoff& DesktopBrowserModel::handoff() {
  return parts_->handoff_;
}
WorkspaceStore& DesktopBrowserModel::workspace() {
  return parts_->workspace_;
}
ConversationThreadController& DesktopBrowserModel::conversationThreads() {
  return parts_->threads_;
}
ShellController& DesktopBrowserModel::shell() {
  return parts_->shell_;
}
AgentPromptPreparation& DesktopBrowserModel::agentPrompts() {
  return parts_->prompts_;
}
const AgentPackCatalog& DesktopBrowserModel::packs() const {
  return parts_->services_.packs;
}
PackWorkspaceController& DesktopBrowserModel::packWorkspace() {
  return parts_->packWorkspace_;
}
PackBrowserSelection& DesktopBrowserModel::packBrowser() {
  return parts_->packBrowser_;
}
ModelProviderSelection& DesktopBrowserModel::modelProvider() {
  return parts_->modelProvider_;
}
SupportDesk& DesktopBrowserModel::support() {
  return parts_->support_;
}
const Clock& DesktopBrowserModel::clock() const {
  return parts_->services_.clock;
}
BillingController& DesktopBrowserModel::billing() {
  return parts_->billing_;
}
DaytonaMonitorStore& DesktopBrowserModel::monitor() {
  return parts_->monitor_;
}
MicrophoneConsent& DesktopBrowserModel::microphoneConsent() {
  return parts_->microphoneConsent_;
}
BrowserbaseLiveView& DesktopBrowserModel::liveView() {
  return parts_->liveView_;
}
RealtimeVoiceSession& DesktopBrowserModel::realtimeVoice() {
  return parts_->realtimeVoice_;
}
HuddleController& DesktopBrowserModel::huddle() {
  return parts_->huddle_;
}
AgentPaymentStore& DesktopBrowserModel::agentPayments() {
  return parts_->payments_;
}
IMessageBridgeModel& DesktopBrowserModel::messaging() {
  return parts_->messaging_;
}
MessageComposer& DesktopBrowserModel::messageComposer() {
  return parts_->composer_;
}
AgentPhoneController& DesktopBrowserModel::agentPhone() {
  return parts_->phone_;
}

void DesktopBrowserModel::load(const VelmoraRoute& route) {
  parts_->navigator_.load(route);
}
void DesktopBrowserModel::loadURL(const std::string& url) {
  parts_->navigator_.loadURL(url);
}
void DesktopBrowserModel::reload() {
  parts_->navigator_.reload();
}
void DesktopBrowserModel::goBack() {
  parts_->navigator_.goBack();
}
void DesktopBrowserModel::goForward() {
  parts_->navigator_.goForward();
}
std::optional<std::string> DesktopBrowserModel::currentPageURL() const {
  return parts_->navigator_.currentPageURL();
}

void DesktopBrowserModel::openExternal() {
  parts_->handoff_.openExternal();
}
void DesktopBrowserModel::openCurrentInChrome() {
  parts_->handoff_.openIn(ExternalBrowser::chrome);
}
void DesktopBrowserModel::openCurrentInSafari() {
  parts_->handoff_.openIn(ExternalBrowser::safari);
}
void DesktopBrowserModel::openCurrentInVelmoraBrowser() {
  parts_->handoff_.openInAppBrowser();
}

bool DesktopBrowserModel::openInAppBrowserTab(const std::string& url,
                                              std::optional<std::string> title) {
  return parts_->browser_.openInAppBrowserTab(url, std::move(title));
}
void DesktopBrowserModel::loadCurrentBrowserTab(const std::string& url,
                                                std::optional<std::string> title) {
  parts_->browser_.loadCurrentBrowserTab(url, std::move(title));
}
void DesktopBrowserModel::selectBrowserTab(const std::string& id) {
  parts_->browser_.selectBrowserTab(id);
}
void DesktopBrowserModel::loadBrowserAddress(const std::string& text) {
  parts_->browser_.loadBrowserAddress(text);
}
void DesktopBrowserModel::closeBrowserTab(const std::string& id) {
  parts_->browser_.closeBrowserTab(id);
}
DesktopActionResult DesktopBrowserModel::closeSelectedInAppBrowserTab() {
  return parts_->browser_.closeSelectedInAppBrowserTab();
}
DesktopActionResult DesktopBrowserModel::switchInAppBrowserTab(const std::string& direction) {
  return parts_->browser_.switchInAppBrowserTab(direction);
}
bool DesktopBrowserModel::openManagedBrowserWorkflow(const std::string& workflowID,
                                                     const std::string& title) {
  return parts_->browser_.openManagedBrowserWorkflow(workflowID, title);
}

std::string DesktopBrowserModel::accountWebsiteURL() const {
  return parts_->website_.url();
}
void DesktopBrowserModel::openAccountWebsite() {
  parts_->website_.open();
}

void DesktopBrowserModel::openSecureURL(const std::string& url) {
  parts_->services_.logger.info(
      "browser", "Opening secure page in the user's browser host=" + hostForLog(url));
  parts_->services_.system.openWithDefaultHandler(url);
}

void DesktopBrowserModel::performAuthenticatedAPIRequest(
    const std::string& path, const std::string& method, const std::optional<std::string>& body,
    const std::map<std::string, std::string>& headers, APICompletion completion) {
  parts_->api_.performAuthenticatedAPIRequest(path, method, body, headers, std::move(completion));
}
void DesktopBrowserModel::refreshWorkspaceSession() {
  parts_->session_.refresh();
}
void DesktopBrowserModel::presentAuthentication(DesktopAuthIntent intent) {
  parts_->auth_.presentAuthentication(intent);
}
void DesktopBrowserModel::dismissAuthentication() {
  parts_->auth_.dismissAuthentication();
}
void DesktopBrowserModel::setAuthenticationIntent(DesktopAuthIntent intent) {
  parts_->auth_.setAuthenticationIntent(intent);
}
void DesktopBrowserModel::submitPasswordAuthentication(DesktopAuthIntent intent,
                                                       const std::string& name,
                                                       const std::string& email,
                                                       const std::string& password,
                                                       const std::string& passwordConfirmation) {
  parts_->auth_.submitPasswordAuthentication(intent, name, email, password, passwordConfirmation);
}
void DesktopBrowserModel::continueWithGoogle(DesktopAuthIntent intent) {
  parts_->auth_.continueWithGoogle(intent);
}
void DesktopBrowserModel::signOutWorkspace(bool openSignInAfter) {
  parts_->auth_.signOutWorkspace(openSignInAfter);
}
void DesktopBrowserModel::updateDesktopPreferences(
    const std::function<void(DesktopAccountPreferences&)>& edit) {
  parts_->preferences_.update(edit);
}
void DesktopBrowserModel::updateAgentInstructions(const std::string& agentID,
                                                  const std::vector<std::string>& instructions,
                                                  InstructionsCompletion completion) {
  parts_->instructions_.updateAgentInstructions(agentID, instructions, std::move(completion));
}
void DesktopBrowserModel::startNewChat() {
  parts_->threads_.startNewChat();
}
void DesktopBrowserModel::openConversationThread(const std::string& id) {
  parts_->threads_.openConversationThread(id);
}
void DesktopBrowserModel::applyConversationThreadSnapshot(const nlohmann::json& body) {
  parts_->threads_.applyConversationThreadSnapshot(body);
}

void DesktopBrowserModel::handleLocalOpenAIRequest(const nlohmann::json& body) {
  parts_->openAI_.handleLocalOpenAIRequest(body);
}
void DesktopBrowserModel::publishOpenAIStatus(const std::string& id) {
  parts_->openAI_.publishOpenAIStatus(id);
}

WebView& DesktopBrowserModel::surfaceWebView() {
  return parts_->surface_.webView();
}
bool DesktopBrowserModel::isShowingDesktopChat() const {
  return parts_->surface_.isShowingDesktopChat();
}

}  // namespace ondi
