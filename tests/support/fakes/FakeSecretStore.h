#pragma once

#include <map>
#include <utility>
#include <vector>

#include "core/ports/SecretStore.h"

namespace ondi::fakes {

// A keyring in memory. While `locked`, reads without interaction fail as a locked keyring's
// do; with `failure` set, every operation fails with that status.
class FakeSecretStore final : public SecretStore {
 public:
  using Key = std::pair<std::string, std::string>;  // service, account

  std::expected<std::optional<std::string>, SecretStatus> read(const std::string& service,
                                                               const std::string& account,
                                                               bool allowInteraction) override {
    reads.push_back(allowInteraction);
    if (failure) return std::unexpected(*failure);
    const auto found = items.find({service, account});
    if (found == items.end()) return std::nullopt;
    if (locked && !allowInteraction) {
      return std::unexpected(SecretStatus{SecretStatus::interactionNotAllowed, std::nullopt});
    }
    return found->second;
  }
  SecretStatus update(const std::string& service, const std::string& account,
                      const std::string& secret) override {
    if (failure) return *failure;
    const auto found = items.find({service, account});
    if (found == items.end()) return {SecretStatus::itemNotFound, std::nullopt};
    found->second = secret;
    return {};
  }
  SecretStatus add(const std::string& service, const std::string& account,
                   const std::string& secret) override {
    if (failure) return *failure;
    items[{service, account}] = secret;
    return {};
  }
  SecretStatus remove(const std::string& service, const std::string& account) override {
    if (failure) return *failure;
    if (items.erase({service, account}) == 0) return {SecretStatus::itemNotFound, std::nullopt};
    return {};
  }

  std::map<Key, std::string> items;
  bool locked = false;
  std::optional<SecretStatus> failure;
  // Whether each read allowed interaction, in order.
  std::vector<bool> reads;
};

}  // namespace ondi::fakes
