#pragma once

#include <functional>
#include <optional>
#include <string>

#include "core/account/DesktopAPI.h"
#include "core/messaging/MessagingRoute.h"
#include "core/messaging/RelayHeartbeat.h"
#include "core/published/Published.h"
#include "core/shell/DesktopSurfaceSignal.h"
#include "core/util/Lifetime.h"

namespace ondi {

class Clock;
class Environment;
class SystemServices;
class WorkspaceAPIClient;

// Where the account's route stands.
struct IMessageRouteState {
  enum class Kind { loading, ready, rotating, error };

  static IMessageRouteState loading() { return {Kind::loading, {}}; }
  static IMessageRouteState ready() { return {Kind::ready, {}}; }
  static IMessageRouteState rotating() { return {Kind::rotating, {}}; }
  static IMessageRouteState error(std::string message) { return {Kind::error, std::move(message)}; }

  Kind kind = Kind::loading;
  std::string message;

  bool operator==(const IMessageRouteState&) const = default;
};

// What the messaging workspace's readiness is made of.
struct MessagingSurfaceReadiness {
  bool relayRunning = false;
  bool routeReady = false;
  bool checking = false;
  bool signInRequired = false;

  DesktopSurfaceSignal signal() const;
};

// The account's private messaging route and the Messages relay: it loads and rotates the route
// through the service, reads the relay's heartbeat file on every refresh (never on a timer),
// derives what the messaging workspace shows, and publishes the header's messaging signal.
class IMessageBridgeModel {
 public:
  static constexpr const char* kDefaultAgentName = "TELVORIX";

  struct Dependencies {
    WorkspaceAPIClient& api;
    const Environment& environment;
    const Clock& clock;
    SystemServices& system;
    Published<DesktopSurfaceSignal>& messagingSignal;
    // The service's base address, for the setup status page.
    std::function<std::string()> serviceBaseURL;
  };

  explicit IMessageBridgeModel(Dependencies dependencies);
  IMessageBridgeModel(const IMessageBridgeModel&) = delete;
  IMessageBridgeModel& operator=(const IMessageBridgeModel&) = delete;

  Published<RelayChannelState> channelState{RelayChannelState::checking};
  Published<IMessageRouteState> routeState{IMessageRouteState::loading()};
  Published<std::optional<MessagingRoute>> route;
  Published<bool> isRefreshing{false};

  // Reads the heartbeat and loads the route; nothing while a refresh runs.
  void refresh();
  // Asks the service for a new code; a failure that leaves no route loads the current one again.
  void rotateCode();
  // Puts the route code on the clipboard and opens Messages on the route's address. None when
  // it did, else the sentence that says why not.
  std::optional<std::string> openMessages();

  std::optional<std::string> recipient() const;
  std::string maskedRecipient() const;
  std::optional<std::string> routeCode() const;
  std::string agentName() const;
  // The route's own secure address, else the service's messaging status page.
  std::optional<std::string> qrURL() const;
  // What the QR code shows: only while the route is ready or failed.
  std::optional<std::string> qrPayload() const;
  // Whether the QR code is the route's own rather than the status page.
  bool hasPrivateRouteQRCode() const;
  bool isBlueRelayReady() const;
  bool requiresSignIn() const;
  // What to do next; empty once the route is ready and the relay is running.
  std::string recoveryMessage() const;
  MessagingSurfaceReadiness readiness() const;
  bool isMessagingRouteComplete() const;

 private:
  using Done = std::function<void()>;

  void fetchRoute(const std::string& method, const std::string& path, Done done);
  void applyRoute(const DesktopAPIResult& result);
  void fail(const std::string& message);
  void publishSignal();
  void finishRefreshHalf(bool& half);

  Dependencies deps_;
  bool routeRefreshComplete_ = false;
  bool probeRefreshComplete_ = false;
  Lifetime lifetime_;
};

}  // namespace ondi
