#include "core/messaging/IMessageBridgeModel.h"

#include "core/account/WorkspaceAPIClient.h"
#include "core/messaging/MessageLinks.h"
#include "core/ports/Clock.h"
#include "core/ports/SystemServices.h"
#include "core/util/Json.h"
#include "core/util/Text.h"

namespace ondi {
namespace {

constexpr const char* kRoutePath = "/api/messaging/route";
constexpr const char* kRotatePath = "/api/messaging/route/rotate";
constexpr const char* kRelayAddressMissing = "Configure the shared iMessage relay address";

std::string errorForStatus(int statusCode) {
  if (statusCode == 401) return "Sign in from the Agent workspace first";
  if (statusCode == 503) return kRelayAddressMissing;
  return "Could not load this account's route";
}

}  // namespace

DesktopSurfaceSignal MessagingSurfaceReadiness::signal() const {
  if (signInRequired) return DesktopSurfaceSignal::signInRequired;
  if (checking) return DesktopSurfaceSignal::connecting;
  if (relayRunning && routeReady) return DesktopSurfaceSignal::live;
  return DesktopSurfaceSignal::setupRequired;
}

IMessageBridgeModel::IMessageBridgeModel(Dependencies dependencies)
    : deps_(std::move(dependencies)) {
  deps_.messagingSignal.set(DesktopSurfaceSignal::connecting);
}

void IMessageBridgeModel::refresh() {
  if (isRefreshing.get()) return;
  isRefreshing.set(true);
  routeRefreshComplete_ = false;
  probeRefreshComplete_ = false;
  routeState.set(IMessageRouteState::loading());
  publishSignal();
  channelState.set(RelayChannelState::checking);
  publishSignal();
  channelState.set(readRelayHeartbeat(relayHeartbeatPath(deps_.environment), deps_.clock.now()));
  publishSignal();
  finishRefreshHalf(probeRefreshComplete_);
  fetchRoute("GET", kRoutePath, [this] { finishRefreshHalf(routeRefreshComplete_); });
}

void IMessageBridgeModel::finishRefreshHalf(bool& half) {
  half = true;
  if (routeRefreshComplete_ && probeRefreshComplete_) isRefreshing.set(false);
}

void IMessageBridgeModel::rotateCode() {
  const auto kind = routeState.get().kind;
  if (!route.get() || kind == IMessageRouteState::Kind::loading ||
      kind == IMessageRouteState::Kind::rotating) {
    return;
  }
  routeState.set(IMessageRouteState::rotating());
  publishSignal();
  fetchRoute("POST", kRotatePath, [this] {
    if (routeState.get().kind != IMessageRouteState::Kind::error || route.get()) return;
    // A failed rotation falls back to the route the account has.
    routeState.set(IMessageRouteState::loading());
    publishSignal();
    fetchRoute("GET", kRoutePath, {});
  });
}

void IMessageBridgeModel::fetchRoute(const std::string& method, const std::string& path,
                                     Done done) {
  const std::optional<std::string> body =
      method == "POST" ? std::optional<std::string>("{}") : std::nullopt;
  deps_.api.performAuthenticatedAPIRequest(
      path, method, body, {},
      whileAlive(lifetime_, [this, done = std::move(done)](const DesktopAPIResult& result) {
        applyRoute(result);
        if (done) done();
      }));
}

void IMessageBridgeModel::applyRoute(const DesktopAPIResult& result) {
  if (!result) {
    fail(result.error().description());
    return;
  }
  const auto envelope = decodeJSON<MessagingRouteEnvelope>(result->data);
  if (!envelope) {
    fail("The messaging service sent an answer that could not be read.");
    return;
  }
  const bool succeeded = result->statusCode >= 200 && result->statusCode <= 299;
  if (!succeeded || !envelope->ok || !envelope->route) {
    fail(envelope->error.value_or(errorForStatus(result->statusCode)));
    return;
  }
  const MessagingRoute& received = *envelope->route;
  if (!MessagingRouteURLPolicy::secureURL(received.connectUrl, received.qrPayload)) {
    fail("The route did not include a secure QR handoff");
    return;
  }
  route.set(received);
  routeState.set(isMessageAddress(received.resolvedRecipient())
                     ? IMessageRouteState::ready()
                     : IMessageRouteState::error(kRelayAddressMissing));
  publishSignal();
}

void IMessageBridgeModel::fail(const std::string& message) {
  route.set(std::nullopt);
  routeState.set(IMessageRouteState::error(shortRouteError(message)));
  publishSignal();
}

void IMessageBridgeModel::publishSignal() {
  deps_.messagingSignal.set(readiness().signal());
}

std::optional<std::string> IMessageBridgeModel::openMessages() {
  const auto address = recipient();
  const auto code = routeCode();
  if (!address || !code) return std::nullopt;
  deps_.system.setClipboardText(*code);
  const std::string url = messagesURL("sms", *address, "");
  if (!deps_.system.hasDefaultHandler(url)) {
    return "The agent code is on the clipboard, but no app on this computer opens Messages "
           "links. Send the code to " +
           maskedRecipient() + " from Messages on your phone.";
  }
  deps_.system.openWithDefaultHandler(url);
  return std::nullopt;
}

std::optional<std::string> IMessageBridgeModel::recipient() const {
  if (!route.get()) return std::nullopt;
  std::string resolved = route.get()->resolvedRecipient();
  if (!isMessageAddress(resolved)) return std::nullopt;
  return resolved;
}

std::string IMessageBridgeModel::maskedRecipient() const {
  if (route.get() && route.get()->maskedDestination && !route.get()->maskedDestination->empty()) {
    return *route.get()->maskedDestination;
  }
  if (const auto address = recipient()) return maskMessageAddress(*address);
  return "Not configured";
}

std::optional<std::string> IMessageBridgeModel::routeCode() const {
  if (!route.get()) return std::nullopt;
  std::string code = trimmedWhitespace(route.get()->code);
  if (code.empty()) return std::nullopt;
  return code;
}

std::string IMessageBridgeModel::agentName() const {
  const auto name = route.get() ? route.get()->resolvedAgentName() : std::nullopt;
  return name.value_or(kDefaultAgentName);
}

std::optional<std::string> IMessageBridgeModel::qrURL() const {
  if (route.get()) {
    if (auto own =
            MessagingRouteURLPolicy::secureURL(route.get()->connectUrl, route.get()->qrPayload)) {
      return own;
    }
  }
  return MessagingRouteURLPolicy::secureSetupStatusURL(deps_.serviceBaseURL());
}

std::optional<std::string> IMessageBridgeModel::qrPayload() const {
  const auto kind = routeState.get().kind;
  if (kind != IMessageRouteState::Kind::ready && kind != IMessageRouteState::Kind::error) {
    return std::nullopt;
  }
  return qrURL();
}

bool IMessageBridgeModel::hasPrivateRouteQRCode() const {
  return route.get() &&
         MessagingRouteURLPolicy::secureURL(route.get()->connectUrl, route.get()->qrPayload);
}

bool IMessageBridgeModel::isBlueRelayReady() const {
  if (channelState.get() != RelayChannelState::running || !route.get()) return false;
  const auto& current = *route.get();
  return lowercased(current.channel.value_or(current.transport.value_or(""))) == "imessage";
}

bool IMessageBridgeModel::requiresSignIn() const {
  const auto& state = routeState.get();
  return state.kind == IMessageRouteState::Kind::error &&
         lowercased(state.message).find("sign in") != std::string::npos;
}

std::string IMessageBridgeModel::recoveryMessage() const {
  if (requiresSignIn()) return routeState.get().message;
  const auto kind = routeState.get().kind;
  const bool settled =
      kind == IMessageRouteState::Kind::ready || kind == IMessageRouteState::Kind::error;
  if (settled && channelState.get() == RelayChannelState::stopped) {
    return "The iMessage relay is offline or stale. Restart it, then retry.";
  }
  if (channelState.get() == RelayChannelState::unavailable) {
    return "Start and configure the Ondi iMessage relay before composing.";
  }
  if (readiness().checking) return "Checking your private route and the iMessage relay.";
  if (kind != IMessageRouteState::Kind::ready) {
    return "Finish setting up the private route before composing.";
  }
  // The route is ready and the relay is running: nothing to recover from.
  return "";
}

MessagingSurfaceReadiness IMessageBridgeModel::readiness() const {
  const auto kind = routeState.get().kind;
  return {channelState.get() == RelayChannelState::running, kind == IMessageRouteState::Kind::ready,
          channelState.get() == RelayChannelState::checking ||
              kind == IMessageRouteState::Kind::loading ||
              kind == IMessageRouteState::Kind::rotating,
          requiresSignIn()};
}

bool IMessageBridgeModel::isMessagingRouteComplete() const {
  return routeState.get().kind == IMessageRouteState::Kind::ready && recipient() && routeCode();
}

}  // namespace ondi
