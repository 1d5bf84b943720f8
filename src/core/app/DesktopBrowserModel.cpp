#include "core/app/DesktopBrowserModel.h"

#include "core/ports/Logger.h"
#include "core/ports/SystemServices.h"
#include "core/ports/WebView.h"
#include "core/theme/VelmoraTheme.h"

namespace ondi {

DesktopBrowserModel::DesktopBrowserModel(ServiceOrigin origin, PlatformServices services,
                                         SurfaceResources resources,
                                         std::optional<std::string> shortVersion)
    : origin_(std::move(origin)),
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
      billing_({services_.settings, origin_, browser_, navigator_.state()}),
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

void DesktopBrowserModel::openSecureURL(const std::string& url) {
  services_.logger.info("browser",
                        "Opening secure page in the user's browser host=" + hostForLog(url));
  services_.system.openWithDefaultHandler(url);
}

}  // namespace ondi
