#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "runs/BrowserRun.h"

namespace ondi::server {

class Database;
class ServiceClock;

// The accounts' cloud-agent runs. A run belongs to the account that started it; every look-up
// but the session's is by account, so one account never reaches another's runs.
class BrowserRunStore {
 public:
  BrowserRunStore(Database& database, const ServiceClock& clock);

  // Stores a run with that id whose browser session starts now under a fresh session id.
  BrowserRun create(std::string_view accountId, std::string_view id, std::string_view objective,
                    std::string_view provider);

  std::optional<BrowserRun> find(std::string_view accountId, std::string_view id);

  // The run whose browser session has that id, and the account it belongs to.
  struct Owned {
    std::string accountId;
    BrowserRun run;
  };
  std::optional<Owned> findBySession(std::string_view sessionId);

  // The account's runs, the most recently started session first.
  std::vector<BrowserRun> newestFirst(std::string_view accountId, int limit);

  // Starts the run's browser session again now; false when the account has no such run.
  bool restartSession(std::string_view accountId, std::string_view id);

 private:
  Database& database_;
  const ServiceClock& clock_;
};

}  // namespace ondi::server
