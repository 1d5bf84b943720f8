#include "core/voice/HuddleRecords.h"

#include "core/util/Json.h"
#include "core/util/Text.h"

namespace ondi {

std::string rawValue(HuddleSelectionMode mode) {
  return mode == HuddleSelectionMode::all ? "all" : "relevant";
}

std::optional<HuddleSelectionMode> huddleSelectionModeFromRawValue(const std::string& raw) {
  if (raw == "relevant") return HuddleSelectionMode::relevant;
  if (raw == "all") return HuddleSelectionMode::all;
  return std::nullopt;
}

std::string meaning(HuddleSelectionMode mode) {
  return mode == HuddleSelectionMode::all
             ? "Every enabled agent answers each spoken turn in order."
             : "Main Agent invites up to two specialists that match what you say.";
}

VelmoraModelProvider HuddleParticipant::provider() const {
  return modelMode == "anthropic" ? VelmoraModelProvider::anthropic : VelmoraModelProvider::openAI;
}

void HuddleParticipant::setProvider(VelmoraModelProvider provider) {
  modelMode = provider == VelmoraModelProvider::anthropic ? "anthropic" : "openai";
}

const std::vector<HuddleParticipant>& defaultHuddleRoster() {
  static const std::vector<HuddleParticipant> roster{
      {"main", "Main Agent", "Facilitates, resolves conflicts, and names the next step.",
       "sparkles", "Marin", "openai", true},
      {"architect", "Architect Agent", "Systems, product structure, tradeoffs, and sequencing.",
       "point.3.connected.trianglepath.dotted", "Cedar", "openai", true},
      {"ads", "Ads Agent", "Paid acquisition, audiences, creative testing, and spend.", "megaphone",
       "Coral", "anthropic", true},
      {"developer", "Developer Agent", "Implementation, code, debugging, and technical changes.",
       "chevron.left.forwardslash.chevron.right", "Echo", "openai", true},
      {"integration", "Integration Agent",
       "Connectors, APIs, authentication, webhooks, and data flow.", "link", "Ash", "openai", true},
      {"seo", "SEO Agent", "Organic search, content intent, page language, and demand.",
       "magnifyingglass", "Shimmer", "anthropic", true},
      {"testing", "Testing Agent", "Regressions, acceptance criteria, and verification.",
       "checkmark.seal", "Sage", "openai", true},
  };
  return roster;
}

std::vector<HuddleParticipant> HuddleConfiguration::activeParticipants() const {
  std::vector<HuddleParticipant> active;
  for (const auto& participant : participants) {
    if (participant.isIncluded) active.push_back(participant);
  }
  return active;
}

nlohmann::ordered_json toJSON(const HuddleConfiguration& configuration) {
  auto participants = nlohmann::ordered_json::array();
  for (const auto& participant : configuration.activeParticipants()) {
    participants.push_back({{"id", participant.id},
                            {"name", participant.name},
                            {"role", participant.role},
                            {"voice", participant.voice},
                            {"modelMode", participant.modelMode}});
  }
  return {{"mode", rawValue(configuration.mode)}, {"participants", std::move(participants)}};
}

void from_json(const nlohmann::json& json, HuddleTurn& turn) {
  json.at("id").get_to(turn.id);
  json.at("kind").get_to(turn.kind);
  json.at("agentId").get_to(turn.agentId);
  json.at("speaker").get_to(turn.speaker);
  json.at("provider").get_to(turn.provider);
  json.at("model").get_to(turn.model);
  turn.voice = optionalField<std::string>(json, "voice");
  json.at("text").get_to(turn.text);
  json.at("available").get_to(turn.available);
  json.at("createdAt").get_to(turn.createdAt);
}

void from_json(const nlohmann::json& json, HuddleSnapshot& snapshot) {
  json.at("enabled").get_to(snapshot.enabled);
  json.at("mode").get_to(snapshot.mode);
  json.at("status").get_to(snapshot.status);
  json.at("activeAgentId").get_to(snapshot.activeAgentId);
  json.at("microphoneMuted").get_to(snapshot.microphoneMuted);
  json.at("turns").get_to(snapshot.turns);
}

std::string RealtimeVoiceAccessStatus::detail() const {
  if (realtimeReason) {
    auto reason = trimmedWhitespace(*realtimeReason);
    if (!reason.empty()) return reason;
  }
  if (realtimeAuthRequired) return "Sign in to start a realtime call.";
  if (realtimeUpgradeRequired) return "Review your plan before starting a realtime call.";
  if (realtimeReady) return "Ready to start";
  return "Realtime voice is unavailable. Please try again.";
}

void from_json(const nlohmann::json& json, RealtimeVoiceAccessStatus& status) {
  json.at("realtimeReady").get_to(status.realtimeReady);
  json.at("realtimeAuthRequired").get_to(status.realtimeAuthRequired);
  json.at("realtimeUpgradeRequired").get_to(status.realtimeUpgradeRequired);
  status.realtimeReason = optionalField<std::string>(json, "realtimeReason");
}

std::string huddleAccessHTTPErrorDescription(int status) {
  return "Realtime access status returned HTTP " + std::to_string(status) + ".";
}

std::string RealtimeVoiceStartError::description() const {
  switch (kind) {
    case Kind::connectionFailed:
      return message;
    case Kind::signInRequired:
      return "Sign in to Ondi before starting a realtime call.";
    case Kind::consoleUnavailable:
      return "The realtime console is not ready. Reload it and try again.";
  }
  return message;
}

}  // namespace ondi
