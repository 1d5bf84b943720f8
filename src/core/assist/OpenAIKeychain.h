#pragma once

#include <expected>
#include <functional>
#include <optional>
#include <string>

#include "core/ports/SecretStore.h"
#include "core/util/Lifetime.h"

namespace ondi {

class Scheduler;
class SettingsStore;

// The user's own OpenAI API key, one secret store item per signed-in account, with a hint in
// the user defaults that says whether a key exists without touching the store. A user id is
// the signed-in user's id, or empty when nobody is signed in. Reads, saves and deletions
// complete once, later, on the main loop; the hint is up to date when they do.
class OpenAIKeychain {
 public:
  static constexpr const char* kService = "com.velmora.desktop.openai";
  static constexpr const char* kHintKeyPrefix = "Velmora.openAIKeyAvailable.";

  using ReadCompletion = std::function<void(std::optional<std::string>)>;
  using Completion = std::function<void(std::expected<void, SecretStatus>)>;

  OpenAIKeychain(SecretStore& secrets, SettingsStore& settings, Scheduler& scheduler)
      : secrets_(secrets), settings_(settings), scheduler_(scheduler) {}

  // "api-key-" and the SHA-256 of the trimmed id in lower-case hex; none for a blank id.
  static std::optional<std::string> account(const std::string& userID);

  bool hasSavedAPIKeyHint(const std::string& userID) const;
  // The saved key; none when there is none, it cannot be read, or it is not UTF-8 text.
  void readAPIKey(const std::string& userID, bool allowUserInteraction, ReadCompletion completion);
  // Saves the trimmed key; a blank key deletes the saved one.
  void saveAPIKey(const std::string& key, const std::string& userID, Completion completion);
  // Deleting when nothing is saved succeeds.
  void deleteAPIKey(const std::string& userID, Completion completion);

 private:
  void setHint(const std::string& account, bool available);

  SecretStore& secrets_;
  SettingsStore& settings_;
  Scheduler& scheduler_;
  Lifetime lifetime_;
};

}  // namespace ondi
