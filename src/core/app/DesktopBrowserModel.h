#pragma once

#include <expected>
#include <functional>
#include <map>
#include <memory>
#include <optional>
#include <string>
#include <vector>

#include <sigc++/signal.h>
#include <nlohmann/json_fwd.hpp>

#include "core/account/AccountState.h"
#include "core/account/DesktopAPI.h"
#include "core/published/Published.h"

namespace ondi {

class AccountWebsite;
class AgentInstructionsController;
class AgentPackCatalog;
class AgentPaymentStore;
class AgentPhoneController;
class AgentPromptPreparation;
class AuthenticationController;
class BillingController;
class BrowserTabs;
class BrowserWorkspaceController;
class BrowserbaseLiveView;
class Clock;
class ConversationThreadController;
class DaytonaMonitorStore;
class DesktopPreferencesController;
class HuddleController;
class IMessageBridgeModel;
class MessageComposer;
class MicrophoneConsent;
class ModelProviderSelection;
class Navigator;
class OpenAIKeychain;
class PackBrowserSelection;
class PackWorkspaceController;
class PageHandoff;
class RealtimeVoiceSession;
class ShellController;
class SupportDesk;
class VelmoraRoute;
class WebView;
class WorkspaceSessionController;
class WorkspaceStore;
struct DesktopActionResult;
struct NavigationState;
struct PlatformServices;
struct ServiceOrigin;
struct SurfaceResources;

// The composition of the application's controllers: it builds them, wires them to each
// other and to the platform, and forwards the application's operations to the controller that
// owns each. It holds no state and no logic of its own. The controllers live in a part of
// their own, so that the screens including this header see only what they use.
class DesktopBrowserModel {
 public:
  using APICompletion = std::function<void(DesktopAPIResult)>;
  using InstructionsCompletion =
      std::function<void(std::expected<AgentInstructionProfile, DesktopAPIRequestError>)>;

  // `shortVersion` is the application's version; none in a development build.
  DesktopBrowserModel(ServiceOrigin origin, PlatformServices services, SurfaceResources resources,
                      std::optional<std::string> shortVersion = std::nullopt);
  ~DesktopBrowserModel();
  DesktopBrowserModel(const DesktopBrowserModel&) = delete;
  DesktopBrowserModel& operator=(const DesktopBrowserModel&) = delete;

  // Shared by the account controllers; declared first so they are built after it.
  AccountState account;
  // The application-wide request to run the live browser demo.
  sigc::signal<void()> runLiveBrowserDemoRequested;

 private:
  struct Parts;
  std::unique_ptr<Parts> parts_;

 public:
  // The controllers, for the screens that show them.
  Navigator& navigator();
  BrowserWorkspaceController& browser();
  AuthenticationController& authentication();
  DesktopPreferencesController& preferences();
  AgentInstructionsController& agentInstructions();
  OpenAIKeychain& openAIKeychain();
  AccountWebsite& accountWebsite();
  WorkspaceSessionController& session();
  PageHandoff& handoff();
  WorkspaceStore& workspace();
  ConversationThreadController& conversationThreads();
  ShellController& shell();
  AgentPromptPreparation& agentPrompts();
  const AgentPackCatalog& packs() const;
  PackWorkspaceController& packWorkspace();
  PackBrowserSelection& packBrowser();
  ModelProviderSelection& modelProvider();
  SupportDesk& support();
  const Clock& clock() const;
  BillingController& billing();
  DaytonaMonitorStore& monitor();
  MicrophoneConsent& microphoneConsent();
  BrowserbaseLiveView& liveView();
  // The voice console in the surface, as the huddle screen drives it.
  RealtimeVoiceSession& realtimeVoice();
  HuddleController& huddle();
  AgentPaymentStore& agentPayments();
  IMessageBridgeModel& messaging();
  MessageComposer& messageComposer();
  AgentPhoneController& agentPhone();

  const NavigationState& navigation;
  BrowserTabs& tabs;
  Published<std::string>& settingsRequestID;
  Published<std::optional<std::string>>& requestedMonitoredWorkflowID;

  // Navigation.
  void load(const VelmoraRoute& route);
  void loadURL(const std::string& url);
  void reload();
  void goBack();
  void goForward();
  std::optional<std::string> currentPageURL() const;

  // Hand-offs of the page in front.
  void openExternal();
  void openCurrentInChrome();
  void openCurrentInSafari();
  void openCurrentInVelmoraBrowser();

  // The in-app browser.
  bool openInAppBrowserTab(const std::string& url, std::optional<std::string> title);
  void loadCurrentBrowserTab(const std::string& url, std::optional<std::string> title);
  void selectBrowserTab(const std::string& id);
  void loadBrowserAddress(const std::string& text);
  void closeBrowserTab(const std::string& id);
  DesktopActionResult closeSelectedInAppBrowserTab();
  DesktopActionResult switchInAppBrowserTab(const std::string& direction);
  bool openManagedBrowserWorkflow(const std::string& workflowID, const std::string& title);

  // The service and the account.
  std::string accountWebsiteURL() const;
  void openAccountWebsite();
  // Hands a secure address (the service's onboarding, a provider's console) to the user's own
  // browser.
  void openSecureURL(const std::string& url);
  void performAuthenticatedAPIRequest(const std::string& path, const std::string& method,
                                      const std::optional<std::string>& body,
                                      const std::map<std::string, std::string>& headers,
                                      APICompletion completion);
  void refreshWorkspaceSession();
  void presentAuthentication(DesktopAuthIntent intent);
  void dismissAuthentication();
  void setAuthenticationIntent(DesktopAuthIntent intent);
  void submitPasswordAuthentication(DesktopAuthIntent intent, const std::string& name,
                                    const std::string& email, const std::string& password,
                                    const std::string& passwordConfirmation);
  void continueWithGoogle(DesktopAuthIntent intent);
  void signOutWorkspace(bool openSignInAfter);
  void updateDesktopPreferences(const std::function<void(DesktopAccountPreferences&)>& edit);
  void updateAgentInstructions(const std::string& agentID,
                               const std::vector<std::string>& instructions,
                               InstructionsCompletion completion);
  void startNewChat();
  void openConversationThread(const std::string& id);
  void applyConversationThreadSnapshot(const nlohmann::json& body);

  // Direct OpenAI answers with the user's own key.
  void handleLocalOpenAIRequest(const nlohmann::json& body);
  void publishOpenAIStatus(const std::string& id);

  // The surface.
  WebView& surfaceWebView();
  bool isShowingDesktopChat() const;
};

}  // namespace ondi
