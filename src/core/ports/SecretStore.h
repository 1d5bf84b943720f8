#pragma once

#include <cstdint>
#include <expected>
#include <functional>
#include <optional>
#include <string>

namespace ondi {

// The outcome of a secret store operation, numbered as the keychain numbers it: 0 is success.
struct SecretStatus {
  static constexpr std::int32_t success = 0;
  static constexpr std::int32_t userCanceled = -128;
  static constexpr std::int32_t parameterError = -50;
  static constexpr std::int32_t notAvailable = -25291;
  static constexpr std::int32_t duplicateItem = -25299;
  static constexpr std::int32_t itemNotFound = -25300;
  static constexpr std::int32_t interactionNotAllowed = -25308;
  static constexpr std::int32_t internalComponent = -2070;

  std::int32_t code = success;
  // The secret service's own message for this failure, when it gave one.
  std::optional<std::string> message;

  bool ok() const { return code == success; }

  // The service's message, else the system's text for a known code, else "System keyring error N".
  std::string description() const {
    if (message && !message->empty()) return *message;
    switch (code) {
      case success:
        return "No error.";
      case userCanceled:
        return "User canceled the operation.";
      case parameterError:
        return "One or more parameters passed to a function were not valid.";
      case notAvailable:
        return "No system keyring is available.";
      case duplicateItem:
        return "The specified item already exists in the system keyring.";
      case itemNotFound:
        return "The specified item could not be found in the system keyring.";
      case interactionNotAllowed:
        return "User interaction is not allowed.";
      default:
        return "System keyring error " + std::to_string(code);
    }
  }
};

// The system's store of generic passwords, one item per (service, account). Every call returns
// at once: the store does its work away from the main loop, one call at a time in the order
// they were made, and each completion runs once, later, on the main loop. Only reads that
// allow interaction may wait for the user.
class SecretStore {
 public:
  using ReadResult = std::expected<std::optional<std::string>, SecretStatus>;
  using ReadCompletion = std::function<void(ReadResult)>;
  using Completion = std::function<void(SecretStatus)>;

  virtual ~SecretStore() = default;
  // The item's secret; none when no such item exists. Without interaction, an item that
  // cannot be read without asking the user fails with `interactionNotAllowed`.
  virtual void read(const std::string& service, const std::string& account, bool allowInteraction,
                    ReadCompletion completion) = 0;
  // Replaces the secret of an existing item; `itemNotFound` when there is none.
  virtual void update(const std::string& service, const std::string& account,
                      const std::string& secret, Completion completion) = 0;
  // Adds an item kept on this machine only.
  virtual void add(const std::string& service, const std::string& account,
                   const std::string& secret, Completion completion) = 0;
  // Deletes the item; `itemNotFound` when there is none.
  virtual void remove(const std::string& service, const std::string& account,
                      Completion completion) = 0;
};

}  // namespace ondi
