#include "core/voice/RealtimeVoiceSession.h"

#include <nlohmann/json.hpp>

#include "core/account/WorkspaceAPIClient.h"
#include "core/account/WorkspaceSessionState.h"
#include "core/navigation/NavigationState.h"
#include "core/navigation/RouteNavigation.h"
#include "core/navigation/VelmoraRoute.h"
#include "core/ports/Environment.h"
#include "core/ports/Logger.h"
#include "core/ports/Scheduler.h"
#include "core/ports/SystemServices.h"
#include "core/surface/SurfaceHost.h"
#include "core/util/Json.h"
#include "core/util/Text.h"
#include "core/voice/RealtimeAgentURL.h"
#include "core/voice/RealtimeVoiceScripts.h"

namespace ondi {
namespace {

using std::chrono::milliseconds;

constexpr std::string_view kCategory = "voice";
// A console that was just asked to load needs a moment to define its functions.
constexpr milliseconds kConsoleSettleDelay{1000};
constexpr milliseconds kRetryInterval{650};
constexpr int kLastAttempt = 2;
constexpr milliseconds kConsoleLoadTimeout{30000};
constexpr const char* kNoLiveConnection = "Realtime voice did not establish a live connection.";

bool isTrue(const nlohmann::json& object, const char* key) {
  const auto found = object.find(key);
  return found != object.end() && found->is_boolean() && found->get<bool>();
}

std::string stringField(const nlohmann::json& object, const char* key) {
  const auto found = object.find(key);
  return found != object.end() && found->is_string() ? found->get<std::string>() : "";
}

}  // namespace

std::string RealtimeVoiceSession::consoleURL() const {
  return realtimeAgentURL(deps_.environment.value(kRealtimeAgentURLVariable),
                          deps_.api.managedBrowserBaseURL(), deps_.origin);
}

void RealtimeVoiceSession::loadRealtimeVoiceAgent() {
  deps_.navigation.show(VelmoraRoute::voice());
  const std::string url = consoleURL();
  deps_.navigation.showAddress(url);
  // Loading replaces the desktop chat the surface may show.
  deps_.surface.load(url, kConsoleLoadTimeout, LoadCachePolicy::reloadIgnoringLocalAndRemoteCache);
}

void RealtimeVoiceSession::startRealtimeVoiceSession(std::optional<HuddleConfiguration> huddle,
                                                     std::function<void(StartResult)> completion) {
  deps_.logger.info(kCategory, "Realtime voice start requested");
  if (!deps_.session.get().isAuthenticated()) {
    completion(std::unexpected(RealtimeVoiceStartError::signInRequired()));
    return;
  }
  std::optional<std::string> huddleJSON;
  if (huddle) huddleJSON = encodeJSON(toJSON(*huddle));
  const bool needsLoading =
      deps_.state.activeRoute.get() != VelmoraRoute::voice() || deps_.surface.currentURL().empty();
  milliseconds delay{0};
  if (needsLoading) {
    loadRealtimeVoiceAgent();
    delay = kConsoleSettleDelay;
  } else if (deps_.surface.isPageLoading()) {
    delay = kConsoleSettleDelay;
  }
  runStartScript(delay, 0, std::move(huddleJSON), std::move(completion));
}

void RealtimeVoiceSession::runStartScript(milliseconds delay, int attempt,
                                          std::optional<std::string> huddleJSON,
                                          std::function<void(StartResult)> completion) {
  deps_.scheduler.postAfter(
      delay, whileAlive(lifetime_, [this, attempt, huddleJSON = std::move(huddleJSON),
                                    completion = std::move(completion)]() mutable {
        const std::string script = realtimeVoiceStartScript(huddleJSON);
        deps_.surface.callAsyncJavaScript(
            script, whileAlive(lifetime_, [this, attempt, huddleJSON = std::move(huddleJSON),
                                           completion = std::move(completion)](
                                              const ScriptResult& result) mutable {
              finishStartAttempt(result, attempt, std::move(huddleJSON), std::move(completion));
            }));
      }));
}

void RealtimeVoiceSession::finishStartAttempt(const ScriptResult& result, int attempt,
                                              std::optional<std::string> huddleJSON,
                                              std::function<void(StartResult)> completion) {
  const bool canRetry = attempt < kLastAttempt;
  if (!result) {
    if (canRetry) {
      runStartScript(kRetryInterval, attempt + 1, std::move(huddleJSON), std::move(completion));
    } else {
      completion(std::unexpected(RealtimeVoiceStartError::connectionFailed(result.error())));
    }
    return;
  }
  const auto answer = nlohmann::json::parse(*result, nullptr, false);
  if (answer.is_object() && isTrue(answer, "connected") && isTrue(answer, "ok")) {
    completion({});
    return;
  }
  const std::string code = answer.is_object() ? stringField(answer, "code") : "";
  if (canRetry && (code == "console_unavailable" || code == "huddle_console_unavailable")) {
    runStartScript(kRetryInterval, attempt + 1, std::move(huddleJSON), std::move(completion));
    return;
  }
  // A blank error says nothing to the user: the fixed sentence stands in for it.
  const std::string error = answer.is_object() ? stringField(answer, "error") : "";
  completion(std::unexpected(RealtimeVoiceStartError::connectionFailed(
      trimmedWhitespace(error).empty() ? kNoLiveConnection : error)));
}

void RealtimeVoiceSession::stopRealtimeVoiceSession() {
  deps_.logger.info(kCategory, "Realtime voice stop requested");
  deps_.surface.runScript(realtimeVoiceStopScript());
}

void RealtimeVoiceSession::setHuddleMicrophoneMuted(bool muted) {
  deps_.surface.runScript(huddleMicrophoneMutedScript(muted));
}

void RealtimeVoiceSession::interruptHuddleResponse() {
  deps_.surface.runScript(huddleInterruptScript());
}

void RealtimeVoiceSession::refreshHuddleSnapshot(
    std::function<void(std::optional<HuddleSnapshot>)> completion) {
  deps_.surface.evaluateScript(
      huddleSnapshotScript(),
      whileAlive(lifetime_, [completion = std::move(completion)](const ScriptResult& result) {
        if (!result) {
          completion(std::nullopt);
          return;
        }
        const auto text = nlohmann::json::parse(*result, nullptr, false);
        if (!text.is_string()) {
          completion(std::nullopt);
          return;
        }
        completion(decodeJSON<HuddleSnapshot>(text.get<std::string>()));
      }));
}

void RealtimeVoiceSession::openRealtimeVoiceExternal() {
  deps_.system.openWithDefaultHandler(consoleURL());
}

void RealtimeVoiceSession::checkRealtimeAccess(std::function<void(AccessResult)> completion) {
  deps_.api.performAuthenticatedAPIRequest(
      "/api/voice/status", "GET", std::nullopt, {},
      whileAlive(lifetime_, [completion = std::move(completion)](const DesktopAPIResult& result) {
        if (!result) {
          completion(std::unexpected(result.error().description()));
          return;
        }
        if (result->statusCode < 200 || result->statusCode > 299) {
          completion(std::unexpected(huddleAccessHTTPErrorDescription(result->statusCode)));
          return;
        }
        if (auto status = decodeJSON<RealtimeVoiceAccessStatus>(result->data)) {
          completion(std::move(*status));
        } else {
          completion(std::unexpected(std::string("Realtime access status could not be read.")));
        }
      }));
}

}  // namespace ondi
