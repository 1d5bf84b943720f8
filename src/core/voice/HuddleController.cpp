#include "core/voice/HuddleController.h"

#include <algorithm>

namespace ondi {

namespace {
constexpr const char* kSignInAction = "Sign in to start a multi-agent huddle";
}  // namespace

HuddleController::HuddleController(Dependencies dependencies) : deps_(std::move(dependencies)) {
  connections_.add(callState_.changed().connect([this](const auto&) { publishSignal(); }));
  connections_.add(deps_.session.changed().connect([this](const WorkspaceSessionState& session) {
    awaitingSessionCheck_ = false;
    if (visible_) synchronizeAccess(session);
  }));
  // A confirmed account answers the check with the state it already had, which notifies
  // nobody; a reload waiting for that answer goes on with it.
  connections_.add(deps_.sessionChecked.connect([this] {
    if (!awaitingSessionCheck_) return;
    awaitingSessionCheck_ = false;
    if (visible_) synchronizeAccess(deps_.session.get());
  }));
}

HuddleController::~HuddleController() {
  if (snapshotTimer_) deps_.scheduler.cancel(*snapshotTimer_);
}

std::vector<HuddleParticipant> HuddleController::activeParticipants() const {
  return HuddleConfiguration{selectionMode_.get(), participants_.get()}.activeParticipants();
}

void HuddleController::setVisible(bool visible) {
  if (visible == visible_) return;
  visible_ = visible;
  if (!visible) {
    if (snapshotTimer_) deps_.scheduler.cancel(*snapshotTimer_);
    snapshotTimer_.reset();
    if (callState_.get().isInCall()) stopCall();
    return;
  }
  synchronizeAccess(deps_.session.get());
  deps_.refreshSession();
  readSnapshot();
}

void HuddleController::synchronizeAccess(const WorkspaceSessionState& session) {
  const bool inCall = callState_.get().isInCall();
  switch (session.kind()) {
    case WorkspaceSessionState::Kind::authenticated:
      if (!inCall) refreshAccessStatus();
      break;
    case WorkspaceSessionState::Kind::unavailable:
      ++accessRequestID_;
      if (inCall) deps_.voice.stopRealtimeVoiceSession();
      setState(HuddleCallState::unavailable(session.message()), session.message());
      break;
    case WorkspaceSessionState::Kind::checking:
      if (inCall) return;
      setState(HuddleCallState::checking(), "Checking Ondi account access");
      break;
    case WorkspaceSessionState::Kind::signedOut:
      ++accessRequestID_;
      if (inCall) deps_.voice.stopRealtimeVoiceSession();
      setState(HuddleCallState::signInRequired(), kSignInAction);
      break;
  }
  publishSignal();
}

void HuddleController::refreshAccessStatus() {
  if (callState_.get().isInCall()) return;
  const std::uint64_t requestID = ++accessRequestID_;
  setState(HuddleCallState::checking(), "Checking Realtime huddle access");
  publishSignal();
  deps_.voice.checkRealtimeAccess(
      whileAlive(lifetime_, [this, requestID](const RealtimeVoiceControl::AccessResult& result) {
        answerAccess(requestID, result);
      }));
}

void HuddleController::answerAccess(std::uint64_t requestID,
                                    const RealtimeVoiceControl::AccessResult& result) {
  if (requestID != accessRequestID_ || !deps_.session.get().isAuthenticated() ||
      callState_.get().isInCall()) {
    return;
  }
  if (!result) {
    setState(HuddleCallState::unavailable(result.error()), result.error());
  } else if (result->realtimeAuthRequired) {
    setState(HuddleCallState::signInRequired(),
             result->realtimeReady ? readyAction() : result->detail());
  } else if (result->realtimeReady) {
    setState(HuddleCallState::ready(), readyAction());
  } else {
    setState(HuddleCallState::unavailable(result->detail()), result->detail());
  }
  publishSignal();
}

std::string HuddleController::readyAction() const {
  return "Ready · " + std::to_string(activeParticipants().size()) + " agents available to invite";
}

void HuddleController::startCall() {
  if (callState_.get().kind() != HuddleCallState::Kind::ready) return;
  const std::size_t active = activeParticipants().size();
  if (active == 0) return;
  ++snapshotEpoch_;
  snapshot_.set(HuddleSnapshot::empty());
  setState(HuddleCallState::connecting(),
           "Requesting microphone access for " + std::to_string(active) + " agents");
  deps_.voice.startRealtimeVoiceSession(
      HuddleConfiguration{selectionMode_.get(), participants_.get()},
      whileAlive(lifetime_, [this](const RealtimeVoiceControl::StartResult& result) {
        if (callState_.get().kind() != HuddleCallState::Kind::connecting) return;
        if (result) {
          setState(HuddleCallState::live(),
                   "Listening · speak naturally and interrupt at any time");
        } else if (deps_.session.get().isAuthenticated()) {
          const std::string description = result.error().description();
          setState(HuddleCallState::unavailable(description), description);
        } else {
          setState(HuddleCallState::signInRequired(), kSignInAction);
        }
      }));
}

void HuddleController::stopCall() {
  if (!callState_.get().isInCall()) return;
  deps_.voice.stopRealtimeVoiceSession();
  ++snapshotEpoch_;
  setState(deps_.session.get().isAuthenticated() ? HuddleCallState::ready()
                                                 : HuddleCallState::signInRequired(),
           "Huddle ended");
  isMicrophoneMuted_.set(false);
  snapshot_.set(HuddleSnapshot::empty());
}

void HuddleController::reload() {
  if (callState_.get().isInCall()) return;
  setState(HuddleCallState::checking(), "Reloading Realtime and checking access");
  awaitingSessionCheck_ = true;
  deps_.voice.loadRealtimeVoiceAgent();
  deps_.refreshSession();
}

void HuddleController::openExternally() {
  deps_.voice.openRealtimeVoiceExternal();
}

void HuddleController::toggleMute() {
  const bool muted = !isMicrophoneMuted_.get();
  isMicrophoneMuted_.set(muted);
  deps_.voice.setHuddleMicrophoneMuted(muted);
}

void HuddleController::interrupt() {
  deps_.voice.interruptHuddleResponse();
}

void HuddleController::signIn() {
  deps_.presentSignIn();
}

void HuddleController::toggleParticipant(const std::string& id) {
  editParticipant(
      id, [](HuddleParticipant& participant) { participant.isIncluded = !participant.isIncluded; });
}

void HuddleController::setProvider(const std::string& id, VelmoraModelProvider provider) {
  editParticipant(
      id, [provider](HuddleParticipant& participant) { participant.setProvider(provider); });
}

void HuddleController::editParticipant(const std::string& id,
                                       const std::function<void(HuddleParticipant&)>& edit) {
  if (callState_.get().isInCall()) return;
  auto participants = participants_.get();
  const auto found = std::ranges::find(participants, id, &HuddleParticipant::id);
  if (found == participants.end()) return;
  edit(*found);
  participants_.set(std::move(participants));
}

void HuddleController::setSelectionMode(HuddleSelectionMode mode) {
  if (callState_.get().isInCall()) return;
  selectionMode_.set(mode);
}

void HuddleController::toggleParticipantsVisible() {
  isParticipantsVisible_.set(!isParticipantsVisible_.get());
}

void HuddleController::setState(HuddleCallState state, std::string action) {
  callState_.set(std::move(state));
  lastAction_.set(std::move(action));
}

void HuddleController::publishSignal() {
  deps_.voiceSignal.set(voiceSignal(callState_.get()));
}

void HuddleController::readSnapshot() {
  if (!visible_ || snapshotInFlight_) return;
  snapshotInFlight_ = true;
  deps_.voice.refreshHuddleSnapshot(whileAlive(
      lifetime_, [this, epoch = snapshotEpoch_](const std::optional<HuddleSnapshot>& snapshot) {
        snapshotInFlight_ = false;
        if (snapshot && epoch == snapshotEpoch_) {
          snapshot_.set(*snapshot);
          isMicrophoneMuted_.set(snapshot->microphoneMuted);
        }
        scheduleSnapshot();
      }));
}

void HuddleController::scheduleSnapshot() {
  if (!visible_ || snapshotTimer_) return;
  snapshotTimer_ = deps_.scheduler.postAfter(kSnapshotInterval, whileAlive(lifetime_, [this] {
                                               snapshotTimer_.reset();
                                               readSnapshot();
                                             }));
}

}  // namespace ondi
