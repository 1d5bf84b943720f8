#pragma once

#include <expected>
#include <optional>
#include <string>

#include "core/ports/SecretStore.h"

namespace ondi {

class SettingsStore;

// The user's own OpenAI API key, one secret store item per signed-in account, with a hint in
// the user defaults that says whether a key exists without touching the store. A user id is
// the signed-in user's id, or empty when nobody is signed in.
class OpenAIKeychain {
 public:
  static constexpr const char* kService = "com.velmora.desktop.openai";
  static constexpr const char* kHintKeyPrefix = "Velmora.openAIKeyAvailable.";

  OpenAIKeychain(SecretStore& secrets, SettingsStore& settings)
      : secrets_(secrets), settings_(settings) {}

  // "api-key-" and the SHA-256 of the trimmed id in lower-case hex; none for a blank id.
  static std::optional<std::string> account(const std::string& userID);

  bool hasSavedAPIKeyHint(const std::string& userID) const;
  // The saved key; none when there is none, it cannot be read, or it is not UTF-8 text.
  std::optional<std::string> readAPIKey(const std::string& userID, bool allowUserInteraction);
  // Saves the trimmed key; a blank key deletes the saved one.
  std::expected<void, SecretStatus> saveAPIKey(const std::string& key, const std::string& userID);
  // Deleting when nothing is saved succeeds.
  std::expected<void, SecretStatus> deleteAPIKey(const std::string& userID);

 private:
  void setHint(const std::string& account, bool available);

  SecretStore& secrets_;
  SettingsStore& settings_;
};

}  // namespace ondi
