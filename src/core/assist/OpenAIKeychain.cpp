#include "core/assist/OpenAIKeychain.h"

#include <glib.h>

#include "core/ports/SettingsStore.h"
#include "core/util/Text.h"

namespace ondi {
namespace {

std::unexpected<SecretStatus> failure(std::int32_t code) {
  return std::unexpected(SecretStatus{code, std::nullopt});
}

}  // namespace

std::optional<std::string> OpenAIKeychain::account(const std::string& userID) {
  const std::string trimmed = trimmedWhitespace(userID);
  if (trimmed.empty()) return std::nullopt;
  char* digest = g_compute_checksum_for_data(
      G_CHECKSUM_SHA256, reinterpret_cast<const guchar*>(trimmed.data()), trimmed.size());
  std::string result = std::string("api-key-") + digest;
  g_free(digest);
  return result;
}

bool OpenAIKeychain::hasSavedAPIKeyHint(const std::string& userID) const {
  const auto name = account(userID);
  return name && settings_.boolValue(kHintKeyPrefix + *name, false);
}

std::optional<std::string> OpenAIKeychain::readAPIKey(const std::string& userID,
                                                      bool allowUserInteraction) {
  const auto name = account(userID);
  if (!name) return std::nullopt;
  const auto stored = secrets_.read(kService, *name, allowUserInteraction);
  if (stored && *stored) {
    setHint(*name, true);
    const std::string& key = **stored;
    if (!g_utf8_validate(key.data(), static_cast<gssize>(key.size()), nullptr)) {
      return std::nullopt;
    }
    return key;
  }
  // Without interaction a locked or inaccessible item says nothing about whether a key exists.
  if (allowUserInteraction || stored || stored.error().code == SecretStatus::itemNotFound) {
    setHint(*name, false);
  }
  return std::nullopt;
}

std::expected<void, SecretStatus> OpenAIKeychain::saveAPIKey(const std::string& key,
                                                             const std::string& userID) {
  const auto name = account(userID);
  if (!name) return failure(SecretStatus::parameterError);
  const std::string trimmed = trimmedWhitespace(key);
  if (trimmed.empty()) return deleteAPIKey(userID);

  SecretStatus status = secrets_.update(kService, *name, trimmed);
  if (status.code == SecretStatus::itemNotFound) status = secrets_.add(kService, *name, trimmed);
  if (!status.ok()) return std::unexpected(std::move(status));
  setHint(*name, true);
  return {};
}

std::expected<void, SecretStatus> OpenAIKeychain::deleteAPIKey(const std::string& userID) {
  const auto name = account(userID);
  if (!name) return failure(SecretStatus::parameterError);
  SecretStatus status = secrets_.remove(kService, *name);
  if (!status.ok() && status.code != SecretStatus::itemNotFound) {
    return std::unexpected(std::move(status));
  }
  setHint(*name, false);
  return {};
}

void OpenAIKeychain::setHint(const std::string& account, bool available) {
  settings_.setBool(kHintKeyPrefix + account, available);
}

}  // namespace ondi
