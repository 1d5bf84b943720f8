#pragma once

#include <optional>
#include <string>
#include <vector>

#include "core/workspace/AccentTone.h"

namespace ondi {

// The operations records the workspace screens show. Times such as "4 min ago" are display
// text, not computed.

enum class AgentLoad { idle, active, drafting, review };
enum class RequestStatus { routed, drafting, waiting, complete };
enum class ApprovalState { waiting, approved, paused };

// Each enumeration shows as its raw value ("Idle", "Routed", "Needs review", …).
std::string rawValue(AgentLoad load);
std::string rawValue(RequestStatus status);
std::string rawValue(ApprovalState state);
std::optional<AgentLoad> agentLoad(const std::string& rawValue);
std::optional<RequestStatus> requestStatus(const std::string& rawValue);
std::optional<ApprovalState> approvalState(const std::string& rawValue);

struct AgentProfile {
  std::string id;
  std::string name;
  std::string shortName;
  std::string focus;
  std::string currentWork;
  std::string output;
  AgentLoad load = AgentLoad::idle;
  AccentTone tone = AccentTone::blue;
  std::string signal;
  bool operator==(const AgentProfile&) const = default;
};

struct RequestItem {
  std::string id;
  std::string title;
  std::string agent;
  std::string source;
  RequestStatus status = RequestStatus::routed;
  std::string summary;
  double progress = 0;  // 0 to 1
  std::string lastUpdated;
  bool operator==(const RequestItem&) const = default;
};

struct ApprovalItem {
  std::string id;
  std::string title;
  std::string agent;
  std::string source;
  std::string summary;
  std::string risk;
  std::vector<std::string> steps;
  ApprovalState state = ApprovalState::waiting;
  bool operator==(const ApprovalItem&) const = default;
};

struct ActivityItem {
  std::string id;
  std::string title;
  std::string detail;
  std::string timestamp;
  AccentTone tone = AccentTone::blue;
  bool operator==(const ActivityItem&) const = default;
};

struct PricingPlan {
  std::string id;
  std::string name;
  std::string price;
  std::string audience;
  std::vector<std::string> included;
  bool isFeatured = false;
  AccentTone tone = AccentTone::blue;
  bool operator==(const PricingPlan&) const = default;
};

// A connectable app; `id` is the broker's app slug and `lastSync` the status line under its
// name.
struct ConnectorItem {
  std::string id;
  std::string name;
  std::string category;
  std::string symbol;
  bool isConnected = false;
  std::string lastSync;
  AccentTone tone = AccentTone::blue;
  bool operator==(const ConnectorItem&) const = default;
};

}  // namespace ondi
