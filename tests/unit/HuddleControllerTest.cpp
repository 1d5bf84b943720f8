#include "core/voice/HuddleController.h"

#include <gtest/gtest.h>

#include "fakes/ManualScheduler.h"

namespace ondi {
namespace {

using Kind = HuddleCallState::Kind;

const WorkspaceSessionState kSignedIn =
    WorkspaceSessionState::authenticated({"u1", "Ada", "ada@example.com", "email"});

// The voice console and the service, answering when the test says so.
class FakeVoice final : public RealtimeVoiceControl {
 public:
  void startRealtimeVoiceSession(std::optional<HuddleConfiguration> huddle,
                                 std::function<void(StartResult)> completion) override {
    started.push_back(huddle);
    startCompletion = std::move(completion);
  }
  void stopRealtimeVoiceSession() override { ++stops; }
  void setHuddleMicrophoneMuted(bool muted) override { mutes.push_back(muted); }
  void interruptHuddleResponse() override { ++interrupts; }
  void refreshHuddleSnapshot(
      std::function<void(std::optional<HuddleSnapshot>)> completion) override {
    snapshotReads.push_back(std::move(completion));
  }
  void loadRealtimeVoiceAgent() override { ++loads; }
  void openRealtimeVoiceExternal() override { ++opens; }
  void checkRealtimeAccess(std::function<void(AccessResult)> completion) override {
    accessChecks.push_back(std::move(completion));
  }

  std::vector<std::optional<HuddleConfiguration>> started;
  std::function<void(StartResult)> startCompletion;
  std::vector<std::function<void(std::optional<HuddleSnapshot>)>> snapshotReads;
  std::vector<std::function<void(AccessResult)>> accessChecks;
  std::vector<bool> mutes;
  int stops = 0;
  int interrupts = 0;
  int loads = 0;
  int opens = 0;
};

RealtimeVoiceAccessStatus access(bool ready, bool authRequired, bool upgradeRequired) {
  return {ready, authRequired, upgradeRequired, std::nullopt};
}

RealtimeVoiceAccessStatus ready() {
  return access(true, false, false);
}

HuddleSnapshot speaking() {
  HuddleSnapshot snapshot;
  snapshot.enabled = true;
  snapshot.status = "speaking";
  snapshot.activeAgentId = "ads";
  snapshot.microphoneMuted = true;
  snapshot.turns.push_back({"t1", "user", "user", "You", "openai", "realtime", std::nullopt,
                            "Plan the launch", true, "now"});
  return snapshot;
}

class HuddleControllerTest : public ::testing::Test {
 protected:
  HuddleControllerTest()
      : huddle({voice, session, sessionChecked, signal, scheduler, [this] { ++sessionRefreshes; },
                [this] { ++signIns; }}) {}

  Kind state() const { return huddle.callState().get().kind(); }
  const std::string& action() const { return huddle.lastAction().get(); }
  // Shows the screen signed in and answers its latest access check as ready.
  void showReady() {
    session.set(kSignedIn);
    if (huddle.isVisible()) {
      huddle.refreshAccessStatus();
    } else {
      huddle.setVisible(true);
    }
    voice.accessChecks.back()(ready());
    ASSERT_EQ(state(), Kind::ready);
  }
  void goLive() {
    huddle.startCall();
    voice.startCompletion({});
    ASSERT_EQ(state(), Kind::live);
  }

  FakeVoice voice;
  Published<WorkspaceSessionState> session{WorkspaceSessionState::checking()};
  sigc::signal<void()> sessionChecked;
  Published<DesktopSurfaceSignal> signal{DesktopSurfaceSignal::ready};
  fakes::ManualScheduler scheduler;
  int sessionRefreshes = 0;
  int signIns = 0;
  HuddleController huddle;
};

TEST_F(HuddleControllerTest, OnlyTheLatestAccessAnswerCountsAndItsFlagsDecideTheState) {
  showReady();
  EXPECT_EQ(action(), "Ready · 7 agents available to invite");
  EXPECT_EQ(signal.get(), DesktopSurfaceSignal::ready);
  EXPECT_EQ(sessionRefreshes, 1) << "showing the screen confirms the account";

  huddle.refreshAccessStatus();
  huddle.refreshAccessStatus();
  EXPECT_EQ(action(), "Checking Realtime huddle access");
  EXPECT_EQ(signal.get(), DesktopSurfaceSignal::connecting);
  voice.accessChecks[1](ready());
  EXPECT_EQ(state(), Kind::checking) << "an answer to an older check changes nothing";
  voice.accessChecks[2](access(false, false, true));
  EXPECT_EQ(huddle.callState().get(),
            HuddleCallState::unavailable("Review your plan before starting a realtime call."));
  EXPECT_EQ(action(), "Review your plan before starting a realtime call.");
  EXPECT_EQ(signal.get(), DesktopSurfaceSignal::offline);

  huddle.toggleParticipant("seo");
  huddle.refreshAccessStatus();
  voice.accessChecks.back()(access(true, true, false));
  EXPECT_EQ(state(), Kind::signInRequired);
  EXPECT_EQ(action(), "Ready · 6 agents available to invite");
  huddle.refreshAccessStatus();
  voice.accessChecks.back()(access(false, true, false));
  EXPECT_EQ(action(), "Sign in to start a realtime call.");
  huddle.refreshAccessStatus();
  voice.accessChecks.back()(std::unexpected(huddleAccessHTTPErrorDescription(503)));
  EXPECT_EQ(huddle.callState().get(),
            HuddleCallState::unavailable("Realtime access status returned HTTP 503."));

  // An answer that comes after sign-out is dropped too.
  huddle.refreshAccessStatus();
  session.set(WorkspaceSessionState::signedOut());
  voice.accessChecks.back()(ready());
  EXPECT_EQ(state(), Kind::signInRequired);
  EXPECT_EQ(action(), "Sign in to start a multi-agent huddle");
}

TEST_F(HuddleControllerTest, ACallIgnoresAccessChecksAndEndsWhenTheAccountGoes) {
  showReady();
  goLive();
  EXPECT_EQ(action(), "Listening · speak naturally and interrupt at any time");
  EXPECT_EQ(signal.get(), DesktopSurfaceSignal::live);
  const std::size_t checks = voice.accessChecks.size();
  huddle.synchronizeAccess(kSignedIn);
  huddle.refreshAccessStatus();
  session.set(WorkspaceSessionState::checking());
  EXPECT_EQ(voice.accessChecks.size(), checks);
  EXPECT_EQ(state(), Kind::live);
  EXPECT_EQ(voice.stops, 0);

  session.set(WorkspaceSessionState::signedOut());
  EXPECT_EQ(voice.stops, 1);
  EXPECT_EQ(state(), Kind::signInRequired);
  EXPECT_EQ(action(), "Sign in to start a multi-agent huddle");
  EXPECT_EQ(signal.get(), DesktopSurfaceSignal::signInRequired);

  showReady();
  goLive();
  session.set(WorkspaceSessionState::unavailable("Account status is unavailable."));
  EXPECT_EQ(voice.stops, 2);
  EXPECT_EQ(huddle.callState().get(),
            HuddleCallState::unavailable("Account status is unavailable."));
  EXPECT_EQ(action(), "Account status is unavailable.");
}

TEST_F(HuddleControllerTest, StartingSendsTheChosenTeamAndNothingWithoutOne) {
  showReady();
  huddle.setSelectionMode(HuddleSelectionMode::all);
  huddle.toggleParticipant("architect");
  huddle.setProvider("main", VelmoraModelProvider::anthropic);
  huddle.startCall();
  EXPECT_EQ(action(), "Requesting microphone access for 6 agents");
  ASSERT_EQ(voice.started.size(), 1u);
  const HuddleConfiguration& sent = *voice.started[0];
  EXPECT_EQ(sent.mode, HuddleSelectionMode::all);
  ASSERT_EQ(sent.activeParticipants().size(), 6u);
  EXPECT_EQ(sent.activeParticipants()[0].modelMode, "anthropic");
  EXPECT_EQ(sent.activeParticipants()[1].id, "ads");

  // Joining locks the team, the models and the mode.
  huddle.toggleParticipant("ads");
  huddle.setProvider("ads", VelmoraModelProvider::openAI);
  huddle.setSelectionMode(HuddleSelectionMode::relevant);
  EXPECT_EQ(huddle.participants().get(), sent.participants);
  EXPECT_EQ(huddle.selectionMode().get(), HuddleSelectionMode::all);
  huddle.startCall();
  EXPECT_EQ(voice.started.size(), 1u) << "a second start while joining is ignored";
  voice.startCompletion({});
  huddle.toggleParticipant("ads");
  EXPECT_EQ(huddle.participants().get(), sent.participants);

  huddle.stopCall();
  for (const auto& participant : huddle.activeParticipants()) {
    huddle.toggleParticipant(participant.id);
  }
  ASSERT_TRUE(huddle.activeParticipants().empty());
  huddle.startCall();
  EXPECT_EQ(voice.started.size(), 1u);
  EXPECT_EQ(state(), Kind::ready);
}

TEST_F(HuddleControllerTest, AFailedStartExplainsItselfUnlessTheCallWasLeftMeanwhile) {
  showReady();
  huddle.startCall();
  voice.startCompletion(std::unexpected(RealtimeVoiceStartError::connectionFailed(
      "Realtime voice did not establish a live connection.")));
  EXPECT_EQ(huddle.callState().get(),
            HuddleCallState::unavailable("Realtime voice did not establish a live connection."));
  EXPECT_EQ(signal.get(), DesktopSurfaceSignal::offline);

  showReady();
  huddle.startCall();
  session.set(WorkspaceSessionState::checking());
  voice.startCompletion(std::unexpected(RealtimeVoiceStartError::signInRequired()));
  EXPECT_EQ(state(), Kind::signInRequired);
  EXPECT_EQ(action(), "Sign in to start a multi-agent huddle");

  showReady();
  huddle.startCall();
  huddle.stopCall();
  voice.startCompletion(std::unexpected(RealtimeVoiceStartError::consoleUnavailable()));
  EXPECT_EQ(state(), Kind::ready);
  EXPECT_EQ(action(), "Huddle ended");
}

TEST_F(HuddleControllerTest, LeavingResetsMuteAndTheTranscriptAndHidingLeavesToo) {
  showReady();
  goLive();
  voice.snapshotReads.back()(std::nullopt);
  scheduler.advance(HuddleController::kSnapshotInterval);
  voice.snapshotReads.back()(speaking());
  EXPECT_TRUE(huddle.isMicrophoneMuted().get()) << "the console's mute is shown";
  EXPECT_EQ(huddle.snapshot().get().turns.size(), 1u);
  huddle.toggleMute();
  huddle.toggleMute();
  EXPECT_EQ(voice.mutes, (std::vector<bool>{false, true}));
  huddle.interrupt();
  EXPECT_EQ(voice.interrupts, 1);

  huddle.stopCall();
  EXPECT_EQ(voice.stops, 1);
  EXPECT_EQ(state(), Kind::ready);
  EXPECT_EQ(action(), "Huddle ended");
  EXPECT_FALSE(huddle.isMicrophoneMuted().get());
  EXPECT_EQ(huddle.snapshot().get(), HuddleSnapshot::empty());

  goLive();
  huddle.setVisible(false);
  EXPECT_EQ(voice.stops, 2) << "no microphone stays open behind another screen";
  EXPECT_EQ(state(), Kind::ready);
}

TEST_F(HuddleControllerTest, TheTranscriptIsReadOneAtATimeAndOnlyWhileShown) {
  huddle.setVisible(true);
  ASSERT_EQ(voice.snapshotReads.size(), 1u) << "shown: read at once";
  scheduler.advance(HuddleController::kSnapshotInterval * 3);
  EXPECT_EQ(voice.snapshotReads.size(), 1u) << "never two reads at once";
  voice.snapshotReads[0](std::nullopt);
  scheduler.advance(HuddleController::kSnapshotInterval - std::chrono::milliseconds{1});
  EXPECT_EQ(voice.snapshotReads.size(), 1u);
  scheduler.advance(std::chrono::milliseconds{1});
  ASSERT_EQ(voice.snapshotReads.size(), 2u);
  voice.snapshotReads[1](speaking());
  EXPECT_EQ(huddle.snapshot().get(), speaking());
  scheduler.advance(HuddleController::kSnapshotInterval);
  ASSERT_EQ(voice.snapshotReads.size(), 3u);
  voice.snapshotReads[2](std::nullopt);
  EXPECT_EQ(huddle.snapshot().get(), speaking()) << "no answer keeps the last transcript";

  huddle.setVisible(false);
  scheduler.advance(HuddleController::kSnapshotInterval * 10);
  EXPECT_EQ(voice.snapshotReads.size(), 3u);
  EXPECT_EQ(scheduler.pendingCount(), 0u);
  huddle.setVisible(true);
  EXPECT_EQ(voice.snapshotReads.size(), 4u) << "shown again: read at once";

  // A read that began before a call started does not bring back the old transcript.
  voice.snapshotReads[3](std::nullopt);
  session.set(kSignedIn);
  voice.accessChecks.back()(ready());
  scheduler.advance(HuddleController::kSnapshotInterval);
  ASSERT_EQ(voice.snapshotReads.size(), 5u);
  huddle.startCall();
  voice.snapshotReads[4](speaking());
  EXPECT_EQ(huddle.snapshot().get(), HuddleSnapshot::empty());
}

TEST_F(HuddleControllerTest, ReloadWaitsForTheSessionCheckEvenWhenTheAccountStaysTheSame) {
  showReady();
  huddle.reload();
  EXPECT_EQ(state(), Kind::checking);
  EXPECT_EQ(action(), "Reloading Realtime and checking access");
  EXPECT_EQ(voice.loads, 1);
  EXPECT_EQ(sessionRefreshes, 2);
  const std::size_t checks = voice.accessChecks.size();
  sessionChecked.emit();
  ASSERT_EQ(voice.accessChecks.size(), checks + 1);
  voice.accessChecks.back()(ready());
  EXPECT_EQ(state(), Kind::ready);
  sessionChecked.emit();
  EXPECT_EQ(voice.accessChecks.size(), checks + 1) << "other session checks start nothing";

  goLive();
  huddle.reload();
  EXPECT_EQ(voice.loads, 1);
  EXPECT_EQ(state(), Kind::live);
}

TEST_F(HuddleControllerTest, EachStateHasItsSignalLabelAndBadge) {
  struct Expected {
    HuddleCallState state;
    DesktopSurfaceSignal signal;
    const char* label;
    std::optional<std::string> badge;
  };
  const Expected expected[] = {
      {HuddleCallState::unavailable("x"), DesktopSurfaceSignal::offline, "Unavailable", {}},
      {HuddleCallState::checking(), DesktopSurfaceSignal::connecting, "Checking access", {}},
      {HuddleCallState::signInRequired(),
       DesktopSurfaceSignal::signInRequired,
       "Sign in required",
       {}},
      {HuddleCallState::ready(), DesktopSurfaceSignal::ready, "Ready to huddle", "READY"},
      {HuddleCallState::connecting(), DesktopSurfaceSignal::connecting, "Joining huddle",
       "JOINING"},
      {HuddleCallState::live(), DesktopSurfaceSignal::live, "Huddle in progress", "LIVE"},
  };
  for (const Expected& each : expected) {
    EXPECT_EQ(voiceSignal(each.state), each.signal) << each.label;
    EXPECT_EQ(stateLabel(each.state), each.label);
    EXPECT_EQ(callBadge(each.state), each.badge) << each.label;
  }
}

}  // namespace
}  // namespace ondi
