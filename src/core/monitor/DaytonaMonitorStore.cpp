#include "core/monitor/DaytonaMonitorStore.h"

#include <algorithm>

#include <nlohmann/json.hpp>

#include "core/account/WorkspaceAPIClient.h"
#include "core/browser/BrowserWorkspaceController.h"
#include "core/browser/ManagedBrowserWorkflowReference.h"
#include "core/monitor/MonitorDisplay.h"
#include "core/monitor/MonitorEnvelopes.h"
#include "core/util/Json.h"
#include "core/util/Url.h"

namespace ondi {
namespace {

constexpr const char* kRunListFailure = "Could not load browser runs.";
constexpr const char* kUnavailable = "The live browser is unavailable.";
constexpr const char* kInvalidViewingURL = "The live browser returned an invalid viewing URL.";
constexpr const char* kInvalidFrame = "The browser returned an invalid desktop frame.";
constexpr const char* kDemoStartFailure = "Could not start the browser demo.";
constexpr const char* kDemoTabsFailure = "The browser demo could not open its tabs.";
constexpr const char* kSessionUnavailable = "Browser session unavailable.";

std::string workflowPath(const std::string& id, const std::string& leaf) {
  return "/api/platform/workflows/" + id + "/" + leaf;
}

std::string lowercased(const std::optional<std::string>& text) {
  return text ? asciiLowercased(*text) : std::string();
}

bool isValidWorkflowID(const DaytonaRunSummary& run) {
  const auto reference = ManagedBrowserWorkflowReference::make(run.id);
  return reference && reference->id() == run.id;
}

}  // namespace

DaytonaMonitorStore::DaytonaMonitorStore(Dependencies dependencies)
    : deps_(std::move(dependencies)) {
  const auto notify = [this](const auto&) { displayChanged.emit(); };
  connections_.add(connectionState.changed().connect(notify));
  connections_.add(selectedRun.changed().connect(notify));
  connections_.add(demoSessionID.changed().connect(notify));
  connections_.add(demoProvider.changed().connect(notify));
  connections_.add(frame.changed().connect(notify));
  connections_.add(controlOpenWorkflowID.changed().connect(notify));
  connections_.add(isMonitoring.changed().connect(notify));
  connections_.add(deps_.session.changed().connect(
      [this](const WorkspaceSessionState& session) { sessionChanged(session); }));
}

DaytonaMonitorStore::~DaytonaMonitorStore() {
  if (pollingTimer_) deps_.scheduler.cancel(*pollingTimer_);
}

std::string DaytonaMonitorStore::managedBrowserBaseURL() const {
  return deps_.api.managedBrowserBaseURL();
}

// Polling.

void DaytonaMonitorStore::startMonitoring() {
  if (isMonitoring.get()) return;
  isMonitoring.set(true);
  syncPolling();
  refresh(true);
}

void DaytonaMonitorStore::setMonitorShown(bool shown) {
  if (shown == shown_) return;
  shown_ = shown;
  if (!shown) return syncPolling();
  isMonitoring.set(true);
  syncPolling();
  refresh(true);
}

bool DaytonaMonitorStore::canRunRound() const {
  return shown_ && connectionState.get().kind() != ConnectionState::Kind::paused &&
         (isDemoRunning() || deps_.session.get().isAuthenticated());
}

void DaytonaMonitorStore::syncPolling() {
  const bool wanted = isMonitoring.get() && canRunRound();
  if (wanted == pollingTimer_.has_value()) return;
  if (wanted) {
    pollingTimer_ = deps_.scheduler.postAfter(kPollingInterval,
                                              whileAlive(lifetime_, [this] { pollingTick(); }));
  } else {
    deps_.scheduler.cancel(*pollingTimer_);
    pollingTimer_.reset();
  }
}

void DaytonaMonitorStore::pollingTick() {
  pollingTimer_ =
      deps_.scheduler.postAfter(kPollingInterval, whileAlive(lifetime_, [this] { pollingTick(); }));
  // A round that outlasts the period is not doubled.
  if (canRunRound() && !roundInFlight_) beginRound(true);
}

void DaytonaMonitorStore::refresh(bool usingCachedLiveView) {
  if (!canRunRound()) return;
  if (roundInFlight_) {
    queuedRound_ = queuedRound_.value_or(true) && usingCachedLiveView;
    return;
  }
  beginRound(usingCachedLiveView);
}

void DaytonaMonitorStore::beginRound(bool usingCachedLiveView) {
  roundInFlight_ = true;
  const unsigned epoch = epoch_;
  Done done = [this, epoch](std::optional<MonitorError> error) { endRound(epoch, error); };
  if (isDemoRunning()) {
    demoRound(usingCachedLiveView, std::move(done));
  } else {
    runRound(usingCachedLiveView, std::move(done));
  }
}

void DaytonaMonitorStore::endRound(unsigned epoch, std::optional<MonitorError> error) {
  roundInFlight_ = false;
  if (error && !isStale(epoch)) fail(*error);
  if (const auto queued = std::exchange(queuedRound_, std::nullopt)) refresh(*queued);
}

// One round.

void DaytonaMonitorStore::runRound(bool usingCachedLiveView, Done done) {
  const nlohmann::json query = {{"name", "workflows.list"}, {"args", {{"limit", 100}}}};
  request("/api/platform/query", "POST", encodeJSON(query),
          [this, usingCachedLiveView, epoch = epoch_, done](Body body) {
            if (!body) return done(body.error());
            const auto envelope = decodeJSON<RunListEnvelope>(*body);
            if (!envelope) return done(MonitorError::message(kRunListFailure));
            if (!envelope->ok) {
              return done(MonitorError::message(envelope->error.value_or(kRunListFailure)));
            }
            if (isStale(epoch)) return done(std::nullopt);
            std::vector<DaytonaRunSummary> runs =
                envelope->result.value_or(std::vector<DaytonaRunSummary>{});
            // Ids become request paths: a run whose id is not a plain workflow id is not shown.
            std::erase_if(runs,
                          [](const DaytonaRunSummary& run) { return !isValidWorkflowID(run); });
            const auto run = DaytonaRunSummary::preferredRun(runs, followedWorkflowID.get());
            if (!run) {
              clearMonitor();
              connectionState.set(ConnectionState::waiting());
              return done(std::nullopt);
            }
            selectedRun.set(*run);
            showRun(*run, usingCachedLiveView, done);
          });
}

void DaytonaMonitorStore::showRun(const DaytonaRunSummary& run, bool usingCachedLiveView,
                                  Done done) {
  const auto& session = run.liveSession;
  const bool showsSession = session && session->sessionId && liveViewURL.get() &&
                            session->sessionId == liveViewSessionID_;
  if (usingCachedLiveView && showsSession) {
    connectionState.set(ConnectionState::live());
    return done(std::nullopt);
  }
  if (session && session->providerName() == "daytona") {
    fetchLiveContent(workflowPath(run.id, "browser-snapshot"), "daytona", std::move(done));
  } else {
    fetchLiveContent(workflowPath(run.id, "browser-live"), std::nullopt, std::move(done));
  }
}

void DaytonaMonitorStore::demoRound(bool usingCachedLiveView, Done done) {
  const std::string status = demoStatus.get().value_or("");
  if (usingCachedLiveView && (status == "ready" || status == "failed") && liveViewURL.get()) {
    return done(std::nullopt);
  }
  const std::string leaf = lowercased(demoProvider.get()) == "daytona" ? "snapshot" : "live";
  request("/api/browser/demo/" + *demoSessionID.get() + "/" + leaf, "GET", std::nullopt,
          [this, epoch = epoch_, done](Body body) {
            if (!body) return done(body.error());
            const auto envelope = decodeJSON<LiveContentEnvelope>(*body);
            if (!envelope) return done(MonitorError::message(kUnavailable));
            if (isStale(epoch)) return done(std::nullopt);
            if (envelope->status) demoStatus.set(asciiLowercased(*envelope->status));
            if (demoStatus.get() == "failed") return done(MonitorError::message(kDemoTabsFailure));
            done(applyLiveContent(*envelope, demoProvider.get()));
          });
}

void DaytonaMonitorStore::fetchLiveContent(const std::string& path,
                                           std::optional<std::string> expectedProvider, Done done) {
  request(path, "GET", std::nullopt, [this, expectedProvider, epoch = epoch_, done](Body body) {
    if (!body) return done(body.error());
    const auto envelope = decodeJSON<LiveContentEnvelope>(*body);
    if (!envelope) return done(MonitorError::message(kUnavailable));
    if (isStale(epoch)) return done(std::nullopt);
    done(applyLiveContent(*envelope, expectedProvider));
  });
}

std::optional<MonitorError> DaytonaMonitorStore::applyLiveContent(
    const LiveContentEnvelope& envelope, const std::optional<std::string>& expectedProvider) {
  if (!envelope.ok) return MonitorError::message(envelope.error.value_or(kUnavailable));
  const std::string provider = lowercased(envelope.provider ? envelope.provider : expectedProvider);
  const bool isBrowserRunner = provider == "browser-runner";
  const bool isLiveView =
      isBrowserRunner || provider == "browserbase" || lowercased(envelope.frameMode) == "live-url";
  const auto& address =
      envelope.liveViewUrl ? envelope.liveViewUrl : envelope.debuggerFullscreenUrl;
  if (isLiveView && address) {
    const auto url = isBrowserRunner ? ManagedLiveViewURLValidator::browserRunnerURL(
                                           address, Url::parse(managedBrowserBaseURL()))
                                     : deps_.validator.browserbaseURL(address);
    if (!url) return MonitorError::message(kInvalidViewingURL);
    liveViewURL.set(url->string());
    liveViewSessionID_ = envelope.sessionId;
    frame.set(std::nullopt);
    capturedAt.set(std::nullopt);
    connectionState.set(ConnectionState::live());
    return std::nullopt;
  }
  if (!envelope.screenshot) return MonitorError::message(envelope.error.value_or(kUnavailable));
  auto decoded = MonitorFrame::decode(*envelope.screenshot, deps_.images);
  if (!decoded) return MonitorError::message(kInvalidFrame);
  frame.set(std::move(decoded));
  capturedAt.set(envelope.capturedAt ? parseISO8601(*envelope.capturedAt) : std::nullopt);
  liveViewURL.set(std::nullopt);
  liveViewSessionID_.reset();
  connectionState.set(ConnectionState::live());
  return std::nullopt;
}

void DaytonaMonitorStore::request(const std::string& path, const std::string& method,
                                  std::optional<std::string> body,
                                  std::function<void(Body)> completion) {
  deps_.api.performAuthenticatedAPIRequest(
      path, method, body, {},
      whileAlive(lifetime_, [completion = std::move(completion)](DesktopAPIResult result) {
        if (!result)
          return completion(std::unexpected(MonitorError::message(result.error().description())));
        if (result->statusCode < 200 || result->statusCode > 299) {
          return completion(std::unexpected(MonitorError::http(result->statusCode)));
        }
        completion(std::move(result->data));
      }));
}

void DaytonaMonitorStore::fail(const MonitorError& error) {
  // The service refusing the account's runs means the session ended: ask the account to
  // confirm itself once, and stop showing private content.
  if (error.statusCode() == 401 && !isDemoRunning()) {
    clearMonitor();
    if (connectionState.get().kind() == ConnectionState::Kind::signInRequired) return;
    connectionState.set(ConnectionState::signInRequired());
    if (deps_.refreshSession) deps_.refreshSession();
    return;
  }
  connectionState.set(ConnectionState::failed(error.description()));
}

// Commands.

void DaytonaMonitorStore::followWorkflow(const std::optional<std::string>& workflowID) {
  const auto reference =
      workflowID ? ManagedBrowserWorkflowReference::make(*workflowID) : std::nullopt;
  const auto id = reference ? std::optional(reference->id()) : std::nullopt;
  if (id == followedWorkflowID.get()) return startMonitoring();
  ++epoch_;
  clearMonitor();
  endDemo();
  followedWorkflowID.set(id);
  connectionState.set(ConnectionState::discovering());
  isMonitoring.set(true);
  syncPolling();
  refresh(true);
}

void DaytonaMonitorStore::toggleWatching() {
  ++epoch_;
  if (connectionState.get().kind() == ConnectionState::Kind::paused) {
    connectionState.set(ConnectionState::discovering());
    syncPolling();
    refresh(false);
  } else {
    connectionState.set(ConnectionState::paused());
    syncPolling();
  }
}

void DaytonaMonitorStore::runGuestDemo() {
  if (isBusy.get()) return;
  isBusy.set(true);
  request("/api/browser/demo", "POST", std::nullopt, [this](Body body) {
    isBusy.set(false);
    const auto envelope = body ? decodeJSON<DemoStartEnvelope>(*body) : std::nullopt;
    // The id becomes a request path, so it must be a plain id.
    const auto id = envelope && envelope->ok && envelope->demoId
                        ? ManagedBrowserWorkflowReference::make(*envelope->demoId)
                        : std::nullopt;
    if (!id) {
      const auto error = envelope ? envelope->error : std::nullopt;
      return connectionState.set(ConnectionState::failed(error.value_or(kDemoStartFailure)));
    }
    ++epoch_;
    clearMonitor();
    demoSessionID.set(id->id());
    demoProvider.set(envelope->provider);
    demoStatus.set("opening");
    connectionState.set(ConnectionState::discovering());
    isMonitoring.set(true);
    syncPolling();
    refresh(true);
  });
}

void DaytonaMonitorStore::startDesktop() {
  const auto& run = selectedRun.get();
  if (isBusy.get() || !run || isDemoRunning()) return;
  isBusy.set(true);
  request(workflowPath(run->id, "browser-session"), "POST", std::nullopt, [this](Body body) {
    isBusy.set(false);
    if (!body) return fail(body.error());
    refresh(false);
  });
}

void DaytonaMonitorStore::takeControl() {
  if (!canTakeControl()) return;
  const std::string id = selectedRun.get()->id;
  const auto reference = ManagedBrowserWorkflowReference::make(id);
  const auto base = Url::parse(managedBrowserBaseURL());
  const auto controlURL = reference && base ? reference->controlURL(*base) : std::nullopt;
  if (!controlURL) return connectionState.set(ConnectionState::failed(kSessionUnavailable));
  if (deps_.browser.openInAppBrowserTab(*controlURL, "Live browser")) {
    controlOpenWorkflowID.set(id);
  }
}

void DaytonaMonitorStore::clearMonitor() {
  selectedRun.set(std::nullopt);
  frame.set(std::nullopt);
  liveViewURL.set(std::nullopt);
  capturedAt.set(std::nullopt);
  liveViewSessionID_.reset();
  controlOpenWorkflowID.set(std::nullopt);
}

void DaytonaMonitorStore::endDemo() {
  demoSessionID.set(std::nullopt);
  demoProvider.set(std::nullopt);
  demoStatus.set(std::nullopt);
}

void DaytonaMonitorStore::sessionChanged(const WorkspaceSessionState& session) {
  if (session.kind() == WorkspaceSessionState::Kind::signedOut && !isDemoRunning()) {
    ++epoch_;
    clearMonitor();
  }
  if (session.isAuthenticated() &&
      connectionState.get().kind() == ConnectionState::Kind::signInRequired) {
    connectionState.set(ConnectionState::discovering());
  }
  const bool wasPolling = pollingTimer_.has_value();
  syncPolling();
  if (!wasPolling && pollingTimer_) refresh(true);
  displayChanged.emit();
}

// Display values.

bool DaytonaMonitorStore::canPause() const {
  if (!isMonitoring.get()) return false;
  if (connectionState.get().kind() == ConnectionState::Kind::paused) return true;
  const auto& run = selectedRun.get();
  const std::string provider = isDemoRunning()           ? lowercased(demoProvider.get())
                               : run && run->liveSession ? run->liveSession->providerName()
                                                         : std::string();
  return provider == "daytona" || frame.get().has_value();
}

bool DaytonaMonitorStore::canTakeControl() const {
  const auto& run = selectedRun.get();
  return run && run->liveSession && !isDemoRunning() && deps_.session.get().isAuthenticated();
}

bool DaytonaMonitorStore::isControlOpen() const {
  const auto& run = selectedRun.get();
  return run && controlOpenWorkflowID.get() == run->id;
}

std::string DaytonaMonitorStore::runTitle() const {
  return monitorRunTitle(isDemoRunning(), selectedRun.get());
}

std::string DaytonaMonitorStore::pageLabel() const {
  return monitorPageLabel(isDemoRunning(), selectedRun.get());
}

std::string DaytonaMonitorStore::emptyStateText() const {
  return monitorEmptyStateText(connectionState.get(), deps_.session.get(), isDemoRunning());
}

std::string DaytonaMonitorStore::statusBadge() const {
  return monitorStatusBadge(connectionState.get(), deps_.session.get(), isDemoRunning(),
                            isControlOpen());
}

}  // namespace ondi
