#pragma once

#include <chrono>
#include <functional>
#include <optional>
#include <string>

#include "core/origin/ServiceOrigin.h"
#include "core/ports/WebView.h"
#include "core/published/Published.h"
#include "core/util/Lifetime.h"
#include "core/voice/RealtimeVoiceControl.h"

namespace ondi {

class Environment;
class Logger;
struct NavigationState;
class RouteNavigation;
class Scheduler;
class SurfaceHost;
class SystemServices;
class WorkspaceAPIClient;
class WorkspaceSessionState;

// The voice console in the agent surface: loads it, starts a huddle in it (retrying while the
// console is not ready), stops, mutes and interrupts it, reads its snapshots, and asks the
// service whether the account may start a realtime call.
class RealtimeVoiceSession final : public RealtimeVoiceControl {
 public:
  struct Dependencies {
    const ServiceOrigin& origin;
    const Environment& environment;
    const Published<WorkspaceSessionState>& session;
    const NavigationState& state;
    RouteNavigation& navigation;
    SurfaceHost& surface;
    WorkspaceAPIClient& api;
    SystemServices& system;
    Scheduler& scheduler;
    Logger& logger;
  };

  explicit RealtimeVoiceSession(Dependencies dependencies) : deps_(dependencies) {}
  RealtimeVoiceSession(const RealtimeVoiceSession&) = delete;
  RealtimeVoiceSession& operator=(const RealtimeVoiceSession&) = delete;

  void startRealtimeVoiceSession(std::optional<HuddleConfiguration> huddle,
                                 std::function<void(StartResult)> completion) override;
  void stopRealtimeVoiceSession() override;
  void setHuddleMicrophoneMuted(bool muted) override;
  void interruptHuddleResponse() override;
  void refreshHuddleSnapshot(
      std::function<void(std::optional<HuddleSnapshot>)> completion) override;
  void loadRealtimeVoiceAgent() override;
  void openRealtimeVoiceExternal() override;
  void checkRealtimeAccess(std::function<void(AccessResult)> completion) override;

  // The console's address now: the environment's choice or the service's page.
  std::string consoleURL() const;

 private:
  void runStartScript(std::chrono::milliseconds delay, int attempt,
                      std::optional<std::string> huddleJSON,
                      std::function<void(StartResult)> completion);
  void finishStartAttempt(const ScriptResult& result, int attempt,
                          std::optional<std::string> huddleJSON,
                          std::function<void(StartResult)> completion);

  Dependencies deps_;
  Lifetime lifetime_;
};

}  // namespace ondi
