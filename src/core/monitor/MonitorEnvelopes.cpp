#include "core/monitor/MonitorEnvelopes.h"

#include "core/util/Json.h"

namespace ondi {

void from_json(const nlohmann::json& json, RunListEnvelope& envelope) {
  json.at("ok").get_to(envelope.ok);
  envelope.result = optionalField<std::vector<DaytonaRunSummary>>(json, "result");
  envelope.error = optionalField<std::string>(json, "error");
}

void from_json(const nlohmann::json& json, LiveContentEnvelope& envelope) {
  json.at("ok").get_to(envelope.ok);
  envelope.provider = optionalField<std::string>(json, "provider");
  envelope.frameMode = optionalField<std::string>(json, "frameMode");
  envelope.sessionId = optionalField<std::string>(json, "sessionId");
  envelope.liveViewUrl = optionalField<std::string>(json, "liveViewUrl");
  envelope.debuggerFullscreenUrl = optionalField<std::string>(json, "debuggerFullscreenUrl");
  envelope.url = optionalField<std::string>(json, "url");
  envelope.screenshot = optionalField<std::string>(json, "screenshot");
  envelope.capturedAt = optionalField<std::string>(json, "capturedAt");
  envelope.status = optionalField<std::string>(json, "status");
  envelope.error = optionalField<std::string>(json, "error");
}

void from_json(const nlohmann::json& json, DemoStartEnvelope& envelope) {
  json.at("ok").get_to(envelope.ok);
  envelope.demoId = optionalField<std::string>(json, "demoId");
  envelope.sessionId = optionalField<std::string>(json, "sessionId");
  envelope.provider = optionalField<std::string>(json, "provider");
  envelope.frameMode = optionalField<std::string>(json, "frameMode");
  envelope.error = optionalField<std::string>(json, "error");
}

}  // namespace ondi
