#pragma once

#include <optional>
#include <string>
#include <vector>

#include <nlohmann/json.hpp>

#include "core/account/VelmoraModelProvider.h"

namespace ondi {

// How the agents of a huddle take turns answering.
enum class HuddleSelectionMode { relevant, all };

std::string rawValue(HuddleSelectionMode mode);
std::optional<HuddleSelectionMode> huddleSelectionModeFromRawValue(const std::string& raw);
// What the mode means, in the words the huddle screen shows.
std::string meaning(HuddleSelectionMode mode);

// One agent of the huddle roster.
struct HuddleParticipant {
  std::string id;
  std::string name;
  std::string role;
  std::string symbol;
  std::string voice;
  std::string modelMode;  // "openai" or "anthropic"
  bool isIncluded = true;

  VelmoraModelProvider provider() const;
  // Anthropic is kept as it is; every other provider answers through the OpenAI family.
  void setProvider(VelmoraModelProvider provider);

  bool operator==(const HuddleParticipant&) const = default;
};

// The seven agents a huddle starts with, every one included.
const std::vector<HuddleParticipant>& defaultHuddleRoster();

// Who takes part in the next huddle and how they answer.
struct HuddleConfiguration {
  HuddleSelectionMode mode = HuddleSelectionMode::relevant;
  std::vector<HuddleParticipant> participants;

  std::vector<HuddleParticipant> activeParticipants() const;

  bool operator==(const HuddleConfiguration&) const = default;
};

// {"mode", "participants"}: only the included agents, each as {"id", "name", "role", "voice",
// "modelMode"} in that order.
nlohmann::ordered_json toJSON(const HuddleConfiguration& configuration);

// One utterance of the huddle's transcript.
struct HuddleTurn {
  std::string id;
  std::string kind;  // "user" for the user's own turn
  std::string agentId;
  std::string speaker;
  std::string provider;
  std::string model;
  std::optional<std::string> voice;
  std::string text;
  bool available = false;
  std::string createdAt;

  bool operator==(const HuddleTurn&) const = default;
};

// The voice console's view of the huddle.
struct HuddleSnapshot {
  bool enabled = false;
  std::string mode = "relevant";
  std::string status = "idle";
  std::string activeAgentId;
  bool microphoneMuted = false;
  std::vector<HuddleTurn> turns;

  // What is shown before the console has answered.
  static HuddleSnapshot empty() { return {}; }

  bool operator==(const HuddleSnapshot&) const = default;
};

void from_json(const nlohmann::json& json, HuddleTurn& turn);
void from_json(const nlohmann::json& json, HuddleSnapshot& snapshot);

// Whether the account may start a realtime call, as the service answers it.
struct RealtimeVoiceAccessStatus {
  bool realtimeReady = false;
  bool realtimeAuthRequired = false;
  bool realtimeUpgradeRequired = false;
  std::optional<std::string> realtimeReason;

  // The line shown to the user: the service's own reason first, then sign-in, plan review,
  // ready, unavailable.
  std::string detail() const;

  bool operator==(const RealtimeVoiceAccessStatus&) const = default;
};

void from_json(const nlohmann::json& json, RealtimeVoiceAccessStatus& status);

// The access check answered outside 200–299.
std::string huddleAccessHTTPErrorDescription(int status);

// Why a realtime call did not start.
struct RealtimeVoiceStartError {
  enum class Kind { connectionFailed, signInRequired, consoleUnavailable };
  Kind kind = Kind::connectionFailed;
  std::string message;  // connectionFailed only

  static RealtimeVoiceStartError connectionFailed(std::string message) {
    return {Kind::connectionFailed, std::move(message)};
  }
  static RealtimeVoiceStartError signInRequired() { return {Kind::signInRequired, {}}; }
  static RealtimeVoiceStartError consoleUnavailable() { return {Kind::consoleUnavailable, {}}; }

  std::string description() const;

  bool operator==(const RealtimeVoiceStartError&) const = default;
};

}  // namespace ondi
