#include "core/assist/OpenAIKeychain.h"

#include <glib.h>

#include "core/ports/Scheduler.h"
#include "core/ports/SettingsStore.h"
#include "core/util/GlibHandles.h"
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
  return "api-key-" +
         glib::takeString(g_compute_checksum_for_data(
             G_CHECKSUM_SHA256, reinterpret_cast<const guchar*>(trimmed.data()), trimmed.size()));
}

bool OpenAIKeychain::hasSavedAPIKeyHint(const std::string& userID) const {
  const auto name = account(userID);
  return name && settings_.boolValue(kHintKeyPrefix + *name, false);
}

void OpenAIKeychain::readAPIKey(const std::string& userID, bool allowUserInteraction,
                                ReadCompletion completion) {
  const auto name = account(userID);
  if (!name) {
    scheduler_.post([completion = std::move(completion)] { completion(std::nullopt); });
    return;
  }
  secrets_.read(
      kService, *name, allowUserInteraction,
      whileAlive(lifetime_, [this, name = *name, allowUserInteraction,
                             completion = std::move(completion)](SecretStore::ReadResult stored) {
        if (stored && *stored) {
          setHint(name, true);
          const std::string& key = **stored;
          const bool isText = g_utf8_validate(key.data(), static_cast<gssize>(key.size()), nullptr);
          completion(isText ? std::optional(key) : std::nullopt);
          return;
        }
        // Without interaction a locked or inaccessible item says nothing about whether a key
        // exists.
        if (allowUserInteraction || stored || stored.error().code == SecretStatus::itemNotFound) {
          setHint(name, false);
        }
        completion(std::nullopt);
      }));
}

void OpenAIKeychain::saveAPIKey(const std::string& key, const std::string& userID,
                                Completion completion) {
  const auto name = account(userID);
  if (!name) {
    scheduler_.post([completion = std::move(completion)] {
      completion(failure(SecretStatus::parameterError));
    });
    return;
  }
  const std::string trimmed = trimmedWhitespace(key);
  if (trimmed.empty()) {
    deleteAPIKey(userID, std::move(completion));
    return;
  }
  SecretStore::Completion saved =
      whileAlive(lifetime_, [this, name = *name, completion](SecretStatus status) {
        if (!status.ok()) return completion(std::unexpected(std::move(status)));
        setHint(name, true);
        completion({});
      });
  secrets_.update(kService, *name, trimmed,
                  whileAlive(lifetime_, [this, name = *name, trimmed, saved](SecretStatus status) {
                    if (status.code == SecretStatus::itemNotFound) {
                      secrets_.add(kService, name, trimmed, saved);
                    } else {
                      saved(std::move(status));
                    }
                  }));
}

void OpenAIKeychain::deleteAPIKey(const std::string& userID, Completion completion) {
  const auto name = account(userID);
  if (!name) {
    scheduler_.post([completion = std::move(completion)] {
      completion(failure(SecretStatus::parameterError));
    });
    return;
  }
  secrets_.remove(kService, *name,
                  whileAlive(lifetime_, [this, name = *name,
                                         completion = std::move(completion)](SecretStatus status) {
                    if (!status.ok() && status.code != SecretStatus::itemNotFound) {
                      return completion(std::unexpected(std::move(status)));
                    }
                    setHint(name, false);
                    completion({});
                  }));
}

void OpenAIKeychain::setHint(const std::string& account, bool available) {
  settings_.setBool(kHintKeyPrefix + account, available);
}

}  // namespace ondi
