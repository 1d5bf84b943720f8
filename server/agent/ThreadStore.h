#pragma once

#include <cstdint>
#include <optional>
#include <string_view>
#include <vector>

#include "agent/ChatRecords.h"

namespace ondi::server {

class Database;
class ServiceClock;

// Each account's chat threads. A thread that was changed last comes first.
class ThreadStore {
 public:
  static constexpr int kListLimit = 100;

  ThreadStore(Database& database, const ServiceClock& clock);

  std::optional<ChatThread> find(std::string_view accountId, std::string_view threadId);
  // The account's threads, newest first, at most kListLimit.
  std::vector<ChatThread> newestFirst(std::string_view accountId);

  std::int64_t count(std::string_view accountId);

  // Creates the thread as the account's newest; the thread must not exist yet.
  void create(std::string_view accountId, std::string_view threadId, std::string_view title);
  void rename(std::string_view accountId, std::string_view threadId, std::string_view title);
  // Marks the thread changed now, which makes it the newest.
  void touch(std::string_view accountId, std::string_view threadId);

 private:
  Database& database_;
  const ServiceClock& clock_;
};

}  // namespace ondi::server
