#pragma once

#include <optional>
#include <string>
#include <vector>

#include <nlohmann/json_fwd.hpp>

namespace ondi {

// One cloud run of the account, as the service lists it.
struct DaytonaRunSummary {
  struct Input {
    std::optional<std::string> objective;

    bool operator==(const Input&) const = default;
  };

  // The remote browser the run drives.
  struct LiveSession {
    std::optional<std::string> provider;
    std::optional<std::string> frameMode;
    std::optional<std::string> sessionId;
    std::optional<std::string> status;
    std::optional<std::string> pageTitle;
    std::optional<std::string> pageUrl;
    std::optional<std::string> snapshotUrl;
    std::optional<std::string> controlUrl;
    std::optional<std::string> sandboxId;
    std::optional<std::string> updatedAt;

    // Browserbase by provider, or, without one, a "live-url" frame mode.
    bool isBrowserbase() const;
    // The lower-cased provider, empty when none.
    std::string providerName() const;

    bool operator==(const LiveSession&) const = default;
  };

  std::string id;
  std::optional<std::string> definition;
  std::optional<std::string> status;
  std::optional<std::string> updatedAt;
  std::optional<std::string> createdAt;
  std::optional<Input> input;
  std::optional<LiveSession> liveSession;

  // The run to show: the followed one when listed; otherwise, newest first, the first with a
  // remote browser session, else the first cloud-agent run, else the newest.
  static std::optional<DaytonaRunSummary> preferredRun(const std::vector<DaytonaRunSummary>& runs,
                                                       const std::optional<std::string>& following);

  bool operator==(const DaytonaRunSummary&) const = default;
};

void from_json(const nlohmann::json& json, DaytonaRunSummary::Input& input);
void from_json(const nlohmann::json& json, DaytonaRunSummary::LiveSession& session);
void from_json(const nlohmann::json& json, DaytonaRunSummary& run);

}  // namespace ondi
