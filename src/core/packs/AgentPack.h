#pragma once

#include <optional>
#include <string>
#include <vector>

#include "core/workspace/AccentTone.h"

namespace ondi {

// Who a pack is for; the pack browser lists one audience at a time.
enum class AgentPackAudience { business, personal };

std::string rawValue(AgentPackAudience audience);
// Exactly "business" or "personal"; any other text is no audience.
std::optional<AgentPackAudience> agentPackAudience(const std::string& raw);

// A connected app a helper works with.
struct AgentPackConnector {
  std::string name;
  std::string symbol;
  AccentTone tone = AccentTone::blue;
  std::string status;  // "needs_setup" or "available"; shown, never interpreted
  bool operator==(const AgentPackConnector&) const = default;
};

// One specialist of a pack's team.
struct AgentPackHelper {
  std::string id;  // unique across the catalog
  std::string name;
  std::string role;
  std::string symbol;
  std::vector<std::string> steps;
  std::vector<AgentPackConnector> connectors;
  std::string status;
  bool operator==(const AgentPackHelper&) const = default;
};

// A ready prompt a pack offers to start work with.
struct AgentPackWorkflow {
  std::string id;
  std::string title;
  std::string detail;
  std::string prompt;
  std::string symbol;
  std::string status;
  bool operator==(const AgentPackWorkflow&) const = default;
};

// A ready-made team of agents for one use case.
struct AgentUseCasePack {
  std::string id;
  AgentPackAudience audience = AgentPackAudience::business;
  std::string title;
  std::string subtitle;
  std::string overview;
  std::string symbol;
  std::vector<AgentPackHelper> helpers;
  std::vector<AgentPackWorkflow> workflows;
  std::string approvalTitle;
  std::string approvalDetail;
  std::vector<std::string> aliases;  // further ids the catalog finds the pack under
  bool operator==(const AgentUseCasePack&) const = default;

  // The instruction that pins a conversation to this pack: its focus, its team, its starter
  // workflows and its approval rule.
  std::string workspaceScopeInstruction() const;
};

}  // namespace ondi
