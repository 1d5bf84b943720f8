#include "core/assist/OpenAIKeySettings.h"

#include "core/account/AccountState.h"
#include "core/assist/OpenAIKeychain.h"

namespace ondi {
namespace {
constexpr const char* kSaved = "API key saved in the system keyring for this account.";
constexpr const char* kRemoved = "API key removed.";
}  // namespace

std::string OpenAIKeySettings::status() const {
  const std::string userID = account_.signedInUserID();
  if (userID.empty()) return "Sign in before saving a local API key.";
  return keychain_.hasSavedAPIKeyHint(userID) ? kSaved : "No API key saved for this account.";
}

OpenAIKeySettings::Outcome OpenAIKeySettings::save(const std::string& key) {
  const std::string userID = account_.signedInUserID();
  const auto saved = keychain_.saveAPIKey(key, userID);
  if (!saved) return {false, "Could not save API key: " + saved.error().description()};
  // Saving a blank key removes the saved one, and says so.
  return {true, keychain_.hasSavedAPIKeyHint(userID) ? kSaved : kRemoved};
}

OpenAIKeySettings::Outcome OpenAIKeySettings::remove() {
  const auto removed = keychain_.deleteAPIKey(account_.signedInUserID());
  if (!removed) return {false, "Could not remove API key: " + removed.error().description()};
  return {true, kRemoved};
}

}  // namespace ondi
