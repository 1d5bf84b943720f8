#include "core/monitor/MonitorDisplay.h"

namespace ondi {

std::string monitorRunTitle(bool isDemo, const std::optional<DaytonaRunSummary>& run) {
  if (isDemo) return "Gmail → LinkedIn → Apple.com (closed) → Linear";
  if (run && run->input && run->input->objective && !run->input->objective->empty()) {
    return *run->input->objective;
  }
  return "Live browser";
}

std::string monitorPageLabel(bool isDemo, const std::optional<DaytonaRunSummary>& run) {
  if (isDemo) return "Guest browser demo · no login";
  if (run && run->liveSession && run->liveSession->pageTitle &&
      !run->liveSession->pageTitle->empty()) {
    return *run->liveSession->pageTitle;
  }
  return "Ondi secure browser";
}

std::string monitorEmptyStateText(const ConnectionState& state,
                                  const WorkspaceSessionState& session, bool isDemo) {
  if (!isDemo) {
    switch (session.kind()) {
      case WorkspaceSessionState::Kind::checking:
        return "Checking Ondi account access…";
      case WorkspaceSessionState::Kind::signedOut:
        return "Sign in to view private browser sessions.";
      case WorkspaceSessionState::Kind::unavailable:
        return session.message();
      case WorkspaceSessionState::Kind::authenticated:
        break;
    }
  }
  switch (state.kind()) {
    case ConnectionState::Kind::failed:
      return state.message();
    case ConnectionState::Kind::waiting:
      return "Start a cloud-agent run and its live browser will appear here.";
    case ConnectionState::Kind::paused:
      return "Live updates are paused.";
    case ConnectionState::Kind::signInRequired:
      return "Sign in to view your private browser sessions.";
    case ConnectionState::Kind::discovering:
    case ConnectionState::Kind::live:
      break;
  }
  return "Connecting to the live browser…";
}

std::string monitorStatusBadge(const ConnectionState& state, const WorkspaceSessionState& session,
                               bool isDemo, bool isControlOpen) {
  if (!isDemo) {
    switch (session.kind()) {
      case WorkspaceSessionState::Kind::checking:
        return "CONNECTING";
      case WorkspaceSessionState::Kind::signedOut:
        return "SIGN IN";
      case WorkspaceSessionState::Kind::unavailable:
        return "OFFLINE";
      case WorkspaceSessionState::Kind::authenticated:
        break;
    }
  }
  switch (state.kind()) {
    case ConnectionState::Kind::failed:
      return "OFFLINE";
    case ConnectionState::Kind::waiting:
      return "READY";
    case ConnectionState::Kind::paused:
      return "PAUSED";
    case ConnectionState::Kind::signInRequired:
      return "SIGN IN";
    case ConnectionState::Kind::live:
      return isControlOpen ? "FOCUSED" : "LIVE";
    case ConnectionState::Kind::discovering:
      break;
  }
  return "CONNECTING";
}

}  // namespace ondi
