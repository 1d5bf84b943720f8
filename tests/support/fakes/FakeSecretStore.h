#pragma once

#include <map>
#include <utility>
#include <vector>

#include "core/ports/Scheduler.h"
#include "core/ports/SecretStore.h"

namespace ondi::fakes {

// A keyring in memory. Like the real store it answers later: each call's work and completion
// happen on a later turn of the main loop (through the scheduler), in the order of the calls.
// While `locked`, reads without interaction fail as a locked keyring's do; with `failure` set,
// every operation fails with that status.
class FakeSecretStore final : public SecretStore {
 public:
  using Key = std::pair<std::string, std::string>;  // service, account

  explicit FakeSecretStore(Scheduler& scheduler) : scheduler_(scheduler) {}

  void read(const std::string& service, const std::string& account, bool allowInteraction,
            ReadCompletion completion) override {
    scheduler_.post([=, this] { completion(readNow(service, account, allowInteraction)); });
  }
  void update(const std::string& service, const std::string& account, const std::string& secret,
              Completion completion) override {
    scheduler_.post([=, this] { completion(updateNow(service, account, secret)); });
  }
  void add(const std::string& service, const std::string& account, const std::string& secret,
           Completion completion) override {
    scheduler_.post([=, this] {
      if (failure) return completion(*failure);
      items[{service, account}] = secret;
      completion({});
    });
  }
  void remove(const std::string& service, const std::string& account,
              Completion completion) override {
    scheduler_.post([=, this] {
      if (failure) return completion(*failure);
      if (items.erase({service, account}) == 0) {
        return completion({SecretStatus::itemNotFound, std::nullopt});
      }
      completion({});
    });
  }

  std::map<Key, std::string> items;
  bool locked = false;
  std::optional<SecretStatus> failure;
  // Whether each read allowed interaction, in order.
  std::vector<bool> reads;

 private:
  ReadResult readNow(const std::string& service, const std::string& account,
                     bool allowInteraction) {
    reads.push_back(allowInteraction);
    if (failure) return std::unexpected(*failure);
    const auto found = items.find({service, account});
    if (found == items.end()) return std::nullopt;
    if (locked && !allowInteraction) {
      return std::unexpected(SecretStatus{SecretStatus::interactionNotAllowed, std::nullopt});
    }
    return found->second;
  }
  SecretStatus updateNow(const std::string& service, const std::string& account,
                         const std::string& secret) {
    if (failure) return *failure;
    const auto found = items.find({service, account});
    if (found == items.end()) return {SecretStatus::itemNotFound, std::nullopt};
    found->second = secret;
    return {};
  }

  Scheduler& scheduler_;
};

}  // namespace ondi::fakes
