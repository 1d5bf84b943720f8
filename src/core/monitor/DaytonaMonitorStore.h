#pragma once

#include <chrono>
#include <expected>
#include <functional>
#include <optional>
#include <string>

#include <sigc++/signal.h>

#include "core/account/WorkspaceSessionState.h"
#include "core/monitor/ConnectionState.h"
#include "core/monitor/DaytonaRunSummary.h"
#include "core/monitor/ManagedLiveViewURLValidator.h"
#include "core/monitor/MonitorError.h"
#include "core/monitor/MonitorFrame.h"
#include "core/ports/Scheduler.h"
#include "core/published/Published.h"
#include "core/util/Lifetime.h"
#include "core/util/ScopedConnections.h"

namespace ondi {

class BrowserWorkspaceController;
class WorkspaceAPIClient;
struct LiveContentEnvelope;

// The run monitor: it lists the account's cloud runs, picks the one to show, and keeps its
// remote browser's live view address or latest screenshot current by polling every two
// seconds. Rounds run one at a time, and only while the monitor is shown, not paused, and the
// account is signed in (the guest demo needs no account). It also runs the guest demo, follows
// the workflow the agent page hands over, and opens a run's control page in an in-app tab.
class DaytonaMonitorStore {
 public:
  static constexpr std::chrono::milliseconds kPollingInterval{2000};

  struct Dependencies {
    WorkspaceAPIClient& api;
    BrowserWorkspaceController& browser;
    const Published<WorkspaceSessionState>& session;
    Scheduler& scheduler;
    const ImageDecoder& images;
    ManagedLiveViewURLValidator validator;
    // Asks the account session to confirm itself after the service refused it.
    std::function<void()> refreshSession;
  };

  explicit DaytonaMonitorStore(Dependencies dependencies);
  ~DaytonaMonitorStore();
  DaytonaMonitorStore(const DaytonaMonitorStore&) = delete;
  DaytonaMonitorStore& operator=(const DaytonaMonitorStore&) = delete;

  Published<ConnectionState> connectionState{ConnectionState::discovering()};
  Published<std::optional<MonitorFrame>> frame;
  // A validated live view address.
  Published<std::optional<std::string>> liveViewURL;
  Published<std::optional<DaytonaRunSummary>> selectedRun;
  Published<std::optional<std::chrono::system_clock::time_point>> capturedAt;
  // A demo start or a browser session request is under way.
  Published<bool> isBusy{false};
  // Polling was started (by showing the monitor, following a workflow or the demo).
  Published<bool> isMonitoring{false};
  Published<std::optional<std::string>> demoSessionID;
  Published<std::optional<std::string>> demoProvider;
  // "opening", then the demo's own lower-cased status.
  Published<std::optional<std::string>> demoStatus;
  Published<std::optional<std::string>> followedWorkflowID;
  // The run whose control page was opened in a tab.
  Published<std::optional<std::string>> controlOpenWorkflowID;
  // Emitted whenever a display value (title, label, texts, badge, buttons) may have changed.
  sigc::signal<void()> displayChanged;

  bool isRequestInFlight() const { return roundInFlight_; }
  const std::optional<std::string>& liveViewSessionID() const { return liveViewSessionID_; }
  // The origin browser-runner live views must be on.
  std::string managedBrowserBaseURL() const;

  // Starts polling unless it runs, with a first round at once.
  void startMonitoring();
  // One round now; one asked for while another is in flight runs when that one ends.
  void refresh(bool usingCachedLiveView);
  // Shows this workflow's run from now on; none (or an invalid id) stops following.
  void followWorkflow(const std::optional<std::string>& workflowID);
  // Pauses live updates, or resumes them with a fresh round that ignores the cached view.
  void toggleWatching();
  void runGuestDemo();
  // Asks the service to open or resume the selected run's browser session.
  void startDesktop();
  // Opens the selected run's control page in a new in-app tab.
  void takeControl();
  // Forgets the shown run and its content.
  void clearMonitor();
  // While the monitor is not on screen no round runs; showing it starts monitoring and
  // refreshes at once.
  void setMonitorShown(bool shown);
  bool isMonitorShown() const { return shown_; }

  bool isDemoRunning() const { return demoSessionID.get().has_value(); }
  // Pause is offered while monitoring a screenshot stream, and Resume whenever paused.
  bool canPause() const;
  // Control is offered for a listed run with a remote browser session while signed in.
  bool canTakeControl() const;
  bool isControlOpen() const;

  std::string runTitle() const;
  std::string pageLabel() const;
  // What the empty frame area says when neither a live view nor a frame is shown.
  std::string emptyStateText() const;
  // "CONNECTING", "READY", "LIVE", "FOCUSED", "PAUSED", "SIGN IN" or "OFFLINE".
  std::string statusBadge() const;

 private:
  using Done = std::function<void(std::optional<MonitorError>)>;
  using Body = std::expected<std::string, MonitorError>;

  bool canRunRound() const;
  // Starts or stops the polling timer to match the monitor's situation.
  void syncPolling();
  void pollingTick();
  void beginRound(bool usingCachedLiveView);
  void endRound(unsigned epoch, std::optional<MonitorError> error);
  void runRound(bool usingCachedLiveView, Done done);
  void demoRound(bool usingCachedLiveView, Done done);
  void showRun(const DaytonaRunSummary& run, bool usingCachedLiveView, Done done);
  void fetchLiveContent(const std::string& path, std::optional<std::string> expectedProvider,
                        Done done);
  std::optional<MonitorError> applyLiveContent(const LiveContentEnvelope& envelope,
                                               const std::optional<std::string>& expectedProvider);
  void request(const std::string& path, const std::string& method, std::optional<std::string> body,
               std::function<void(Body)> completion);
  void fail(const MonitorError& error);
  void endDemo();
  void sessionChanged(const WorkspaceSessionState& session);
  bool isStale(unsigned epoch) const { return epoch != epoch_; }

  Dependencies deps_;
  bool shown_ = false;
  bool roundInFlight_ = false;
  // A round asked for while another was in flight: whether it may use the cached view.
  std::optional<bool> queuedRound_;
  // Advanced whenever what the monitor should show changes, so answers of older rounds are
  // dropped.
  unsigned epoch_ = 0;
  std::optional<Scheduler::TaskId> pollingTimer_;
  std::optional<std::string> liveViewSessionID_;
  Lifetime lifetime_;
  ScopedConnections connections_;
};

}  // namespace ondi
