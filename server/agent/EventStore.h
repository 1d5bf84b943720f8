#pragma once

#include <string_view>
#include <vector>

#include "agent/ChatRecords.h"

namespace ondi::server {

class Database;
class ServiceClock;

// What the agent did for each account, as the activity list shows it.
class EventStore {
 public:
  static constexpr int kListLimit = 30;

  EventStore(Database& database, const ServiceClock& clock);

  // Records an event with a fresh "evt_" id at the current time.
  void record(std::string_view accountId, std::string_view type, std::string_view title,
              std::string_view detail, std::string_view status);

  // The account's newest kListLimit events, newest first.
  std::vector<AgentEvent> newestFirst(std::string_view accountId);

 private:
  Database& database_;
  const ServiceClock& clock_;
};

}  // namespace ondi::server
