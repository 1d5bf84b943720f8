#pragma once

#include <cstdint>
#include <string_view>
#include <vector>

#include "agent/ChatRecords.h"

namespace ondi::server {

class Database;
class ServiceClock;

// The messages of each account's threads, in the order they were added.
class MessageStore {
 public:
  static constexpr int kThreadLimit = 200;

  MessageStore(Database& database, const ServiceClock& clock);

  // Adds a message with a fresh "msg_" id to an existing thread.
  ChatMessage append(std::string_view accountId, std::string_view threadId, std::string_view role,
                     std::string_view content);

  // The thread's newest kThreadLimit messages, oldest first.
  std::vector<ChatMessage> latest(std::string_view accountId, std::string_view threadId);

  // How many prompts the account has sent in all its threads since the time.
  int promptsSince(std::string_view accountId, std::int64_t since);

 private:
  Database& database_;
  const ServiceClock& clock_;
};

}  // namespace ondi::server
