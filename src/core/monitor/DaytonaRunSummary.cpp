#include "core/monitor/DaytonaRunSummary.h"

#include <algorithm>

#include "core/util/Json.h"
#include "core/util/Url.h"

namespace ondi {
namespace {

bool hasBrowserSession(const DaytonaRunSummary& run) {
  if (!run.liveSession) return false;
  const std::string provider = run.liveSession->providerName();
  return run.liveSession->isBrowserbase() || provider == "browser-runner" || provider == "daytona";
}

}  // namespace

std::string DaytonaRunSummary::LiveSession::providerName() const {
  return provider ? asciiLowercased(*provider) : std::string();
}

bool DaytonaRunSummary::LiveSession::isBrowserbase() const {
  if (provider) return asciiLowercased(*provider) == "browserbase";
  return frameMode && asciiLowercased(*frameMode) == "live-url";
}

std::optional<DaytonaRunSummary> DaytonaRunSummary::preferredRun(
    const std::vector<DaytonaRunSummary>& runs, const std::optional<std::string>& following) {
  if (following) {
    const auto followed = std::ranges::find(runs, *following, &DaytonaRunSummary::id);
    if (followed != runs.end()) return *followed;
  }
  if (runs.empty()) return std::nullopt;
  std::vector<DaytonaRunSummary> newestFirst = runs;
  std::ranges::stable_sort(newestFirst, std::ranges::greater{}, [](const DaytonaRunSummary& run) {
    return run.updatedAt.value_or(run.createdAt.value_or(""));
  });
  if (const auto browser = std::ranges::find_if(newestFirst, hasBrowserSession);
      browser != newestFirst.end()) {
    return *browser;
  }
  const auto cloudAgent = std::ranges::find(newestFirst, std::optional<std::string>("cloud-agent"),
                                            &DaytonaRunSummary::definition);
  return cloudAgent != newestFirst.end() ? *cloudAgent : newestFirst.front();
}

void from_json(const nlohmann::json& json, DaytonaRunSummary::Input& input) {
  input.objective = optionalField<std::string>(json, "objective");
}

void from_json(const nlohmann::json& json, DaytonaRunSummary::LiveSession& session) {
  session.provider = optionalField<std::string>(json, "provider");
  session.frameMode = optionalField<std::string>(json, "frameMode");
  session.sessionId = optionalField<std::string>(json, "sessionId");
  session.status = optionalField<std::string>(json, "status");
  session.pageTitle = optionalField<std::string>(json, "pageTitle");
  session.pageUrl = optionalField<std::string>(json, "pageUrl");
  session.snapshotUrl = optionalField<std::string>(json, "snapshotUrl");
  session.controlUrl = optionalField<std::string>(json, "controlUrl");
  session.sandboxId = optionalField<std::string>(json, "sandboxId");
  session.updatedAt = optionalField<std::string>(json, "updatedAt");
}

void from_json(const nlohmann::json& json, DaytonaRunSummary& run) {
  json.at("id").get_to(run.id);
  run.definition = optionalField<std::string>(json, "definition");
  run.status = optionalField<std::string>(json, "status");
  run.updatedAt = optionalField<std::string>(json, "updatedAt");
  run.createdAt = optionalField<std::string>(json, "createdAt");
  run.input = optionalField<DaytonaRunSummary::Input>(json, "input");
  run.liveSession = optionalField<DaytonaRunSummary::LiveSession>(json, "liveSession");
}

}  // namespace ondi
