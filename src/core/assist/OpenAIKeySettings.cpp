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

void OpenAIKeySettings::save(const std::string& key, std::function<void(Outcome)> completion) {
  const std::string userID = account_.signedInUserID();
  keychain_.saveAPIKey(
      key, userID,
      whileAlive(lifetime_, [this, userID, completion = std::move(completion)](auto saved) {
        if (!saved) {
          return completion({false, "Could not save API key: " + saved.error().description()});
        }
        // Saving a blank key removes the saved one, and says so.
        completion({true, keychain_.hasSavedAPIKeyHint(userID) ? kSaved : kRemoved});
      }));
}

void OpenAIKeySettings::remove(std::function<void(Outcome)> completion) {
  keychain_.deleteAPIKey(
      account_.signedInUserID(),
      whileAlive(lifetime_, [completion = std::move(completion)](auto removed) {
        if (!removed) {
          return completion({false, "Could not remove API key: " + removed.error().description()});
        }
        completion({true, kRemoved});
      }));
}

}  // namespace ondi
