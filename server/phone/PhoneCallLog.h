#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace ondi::server {

class Database;
class ServiceClock;

// The calls each account's agent has placed. The stand-in carrier moves every call along a fixed
// schedule from its start: queued, ringing after 2 seconds, in progress once answered after 5,
// and completed after a minute's conversation. Calls are brought up to date with the service
// clock whenever they are read, and each status change is kept with the time it happened.
class PhoneCallLog {
 public:
  static constexpr std::int64_t kRingingAfterSeconds = 2;
  static constexpr std::int64_t kAnsweredAfterSeconds = 5;
  static constexpr std::int64_t kConversationSeconds = 60;

  struct Call {
    std::string id;
    std::string lineId;
    std::string remoteNumber;
    std::string agentId;
    std::string agentName;
    std::string purpose;
    // "queued", "ringing", "in-progress" or "completed".
    std::string status;
    std::int64_t startedAt = 0;
    std::int64_t updatedAt = 0;
    std::optional<std::int64_t> completedAt;
    std::optional<std::int64_t> durationSeconds;
  };

  struct Placement {
    std::string_view lineId;
    std::string_view remoteNumber;
    std::string_view agentId;
    std::string_view agentName;
    std::string_view purpose;
  };

  PhoneCallLog(Database& database, const ServiceClock& clock);

  // Queues an outbound call now.
  Call place(std::string_view accountId, const Placement& placement);
  // The account's newest calls first, up to the limit.
  std::vector<Call> recent(std::string_view accountId, int limit);
  // How many calls the account has placed since that time.
  std::int64_t placedSince(std::string_view accountId, std::int64_t since);

 private:
  void bringUpToDate(std::string_view accountId);
  // Moves the call to the status at that time and records the change.
  void advance(std::int64_t seq, std::string_view status, std::int64_t at);

  Database& database_;
  const ServiceClock& clock_;
};

}  // namespace ondi::server
