#pragma once

#include <optional>
#include <string>
#include <vector>

#include "core/workspace/OperationsRecords.h"

namespace ondi {

class WorkspaceStore;
struct DesktopAccountPreferences;

// One figure of the home screen's status rail.
struct HomeMetric {
  std::string title;
  std::string value;
  std::string symbol;
};

// The four figures: approvals waiting, requests not complete, agents active or drafting, and
// connected apps.
std::vector<HomeMetric> homeMetrics(const WorkspaceStore& store);

enum class HomeQuickActionKind { newRequest, reviewApprovals, openBrowser };

struct HomeQuickAction {
  std::string symbol;
  std::string title;
  std::string detail;
  HomeQuickActionKind action;
};

const std::vector<HomeQuickAction>& homeQuickActions();

inline constexpr const char* kReviewApprovalsPrompt =
    "Show me every item currently waiting for approval. Do not take any action until I choose "
    "one.";

// Where a setup row takes the user to put its part in place.
enum class HomeSetupDestination { connectors, agentPacks, settings };

// One part of the workspace to set up, and whether it is in place.
struct HomeSetupRow {
  std::string identifier;
  std::string symbol;
  std::string title;
  std::string detail;
  bool isComplete = false;
  HomeSetupDestination destination = HomeSetupDestination::settings;
};

// Connected tools are in place once an app is connected, specialist agents once the workspace
// lists agents besides the main one, approval controls while the account keeps spending and
// customer messages behind review.
std::vector<HomeSetupRow> homeSetupRows(const WorkspaceStore& store,
                                        const DesktopAccountPreferences& preferences);

// The request the continue row offers: the first one waiting for the user, else the first
// one not complete.
std::optional<RequestItem> continueRequest(const std::vector<RequestItem>& requests);
// The prompt that picks the request up again with its agent.
std::string continuePrompt(const RequestItem& request);

}  // namespace ondi
