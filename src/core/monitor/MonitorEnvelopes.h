#pragma once

#include <optional>
#include <string>
#include <vector>

#include <nlohmann/json_fwd.hpp>

#include "core/monitor/DaytonaRunSummary.h"

namespace ondi {

// The answer of the platform query that lists the account's runs.
struct RunListEnvelope {
  bool ok = false;
  std::optional<std::vector<DaytonaRunSummary>> result;
  std::optional<std::string> error;
};

// What a run's or the demo's remote browser shows: a live view address or a screenshot.
struct LiveContentEnvelope {
  bool ok = false;
  std::optional<std::string> provider;
  std::optional<std::string> frameMode;
  std::optional<std::string> sessionId;
  std::optional<std::string> liveViewUrl;
  std::optional<std::string> debuggerFullscreenUrl;
  std::optional<std::string> url;
  std::optional<std::string> screenshot;
  std::optional<std::string> capturedAt;
  std::optional<std::string> status;
  std::optional<std::string> error;
};

// The answer of starting the guest demo.
struct DemoStartEnvelope {
  bool ok = false;
  std::optional<std::string> demoId;
  std::optional<std::string> sessionId;
  std::optional<std::string> provider;
  std::optional<std::string> frameMode;
  std::optional<std::string> error;
};

void from_json(const nlohmann::json& json, RunListEnvelope& envelope);
void from_json(const nlohmann::json& json, LiveContentEnvelope& envelope);
void from_json(const nlohmann::json& json, DemoStartEnvelope& envelope);

}  // namespace ondi
