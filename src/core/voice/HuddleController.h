#pragma once

#include <chrono>
#include <cstdint>
#include <functional>
#include <optional>
#include <string>
#include <vector>

#include <sigc++/signal.h>

#include "core/account/WorkspaceSessionState.h"
#include "core/ports/Scheduler.h"
#include "core/published/Published.h"
#include "core/shell/DesktopSurfaceSignal.h"
#include "core/util/Lifetime.h"
#include "core/util/ScopedConnections.h"
#include "core/voice/HuddleCallState.h"
#include "core/voice/HuddleRecords.h"
#include "core/voice/RealtimeVoiceControl.h"

namespace ondi {

// The huddle screen's state: who takes part and how they answer, the call from the account
// check to a live call, and the voice console's transcript, read every 0.35 s while the screen
// is shown. It follows the account session while shown, and a call ends when the screen goes,
// so the microphone never stays open behind another screen.
class HuddleController {
 public:
  static constexpr std::chrono::milliseconds kSnapshotInterval{350};

  struct Dependencies {
    RealtimeVoiceControl& voice;
    const Published<WorkspaceSessionState>& session;
    // Emitted when a session check has answered, whether or not the state changed.
    sigc::signal<void()>& sessionChecked;
    Published<DesktopSurfaceSignal>& voiceSignal;
    Scheduler& scheduler;
    std::function<void()> refreshSession;
    std::function<void()> presentSignIn;
  };

  explicit HuddleController(Dependencies dependencies);
  ~HuddleController();
  HuddleController(const HuddleController&) = delete;
  HuddleController& operator=(const HuddleController&) = delete;

  const Published<HuddleCallState>& callState() const { return callState_; }
  const Published<std::string>& lastAction() const { return lastAction_; }
  const Published<HuddleSelectionMode>& selectionMode() const { return selectionMode_; }
  const Published<std::vector<HuddleParticipant>>& participants() const { return participants_; }
  const Published<HuddleSnapshot>& snapshot() const { return snapshot_; }
  const Published<bool>& isParticipantsVisible() const { return isParticipantsVisible_; }
  const Published<bool>& isMicrophoneMuted() const { return isMicrophoneMuted_; }
  // Changes with every access check and every session change that ends one, so that only the
  // answer to the latest check counts.
  std::uint64_t accessRequestID() const { return accessRequestID_; }
  std::vector<HuddleParticipant> activeParticipants() const;

  // The screen came into view or went out of it. Shown: the access follows the session,
  // which is checked again, and the transcript is read at once and then every 0.35 s.
  // Hidden: reading stops, and a call under way ends.
  void setVisible(bool visible);
  bool isVisible() const { return visible_; }

  void synchronizeAccess(const WorkspaceSessionState& session);
  // Asks the service whether the account may start a realtime call; not in a call.
  void refreshAccessStatus();

  // Starts a huddle with the included agents; only when ready and with at least one agent.
  void startCall();
  // Leaves the call under way.
  void stopCall();
  // "Reload voice service": loads the console again and confirms the account; not in a call.
  void reload();
  void openExternally();
  void toggleMute();
  void interrupt();
  void signIn();

  // The roster, the models and the answering mode are fixed while in a call.
  void toggleParticipant(const std::string& id);
  void setProvider(const std::string& id, VelmoraModelProvider provider);
  void setSelectionMode(HuddleSelectionMode mode);
  void toggleParticipantsVisible();

 private:
  void setState(HuddleCallState state, std::string action);
  void publishSignal();
  std::string readyAction() const;
  void answerAccess(std::uint64_t requestID, const RealtimeVoiceControl::AccessResult& result);
  void readSnapshot();
  void scheduleSnapshot();
  void editParticipant(const std::string& id, const std::function<void(HuddleParticipant&)>& edit);

  Dependencies deps_;
  Published<HuddleCallState> callState_{HuddleCallState::checking()};
  Published<std::string> lastAction_{"Checking Ondi account access"};
  Published<HuddleSelectionMode> selectionMode_{HuddleSelectionMode::relevant};
  Published<std::vector<HuddleParticipant>> participants_{defaultHuddleRoster()};
  Published<HuddleSnapshot> snapshot_{HuddleSnapshot::empty()};
  Published<bool> isParticipantsVisible_{true};
  Published<bool> isMicrophoneMuted_{false};
  std::uint64_t accessRequestID_ = 0;
  bool visible_ = false;
  // A reload waits for the session check it started, which may leave the state as it was.
  bool awaitingSessionCheck_ = false;
  bool snapshotInFlight_ = false;
  // Advanced when a call starts or ends, so that a transcript read before it is dropped.
  unsigned snapshotEpoch_ = 0;
  std::optional<Scheduler::TaskId> snapshotTimer_;
  Lifetime lifetime_;
  ScopedConnections connections_;
};

}  // namespace ondi
