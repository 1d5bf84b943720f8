#include "agent/MessageStore.h"

#include <algorithm>
#include <string>

#include "ServiceClock.h"
#include "crypto/SecureRandom.h"
#include "db/Database.h"

namespace ondi::server {
namespace {

constexpr std::size_t kIdRandomBytes = 12;

}  // namespace

MessageStore::MessageStore(Database& database, const ServiceClock& clock)
    : database_(database), clock_(clock) {}

ChatMessage MessageStore::append(std::string_view accountId, std::string_view threadId,
                                 std::string_view role, std::string_view content) {
  ChatMessage message{.id = "msg_" + randomHex(kIdRandomBytes),
                      .role = std::string(role),
                      .content = std::string(content),
                      .createdAt = clock_.now(),
                      .threadId = std::string(threadId)};
  database_
      .prepare(
          "INSERT INTO agent_messages (id, account_id, thread_id, role, content, created_at)"
          " VALUES (?, ?, ?, ?, ?, ?)")
      .bind(1, message.id)
      .bind(2, accountId)
      .bind(3, threadId)
      .bind(4, role)
      .bind(5, content)
      .bind(6, message.createdAt)
      .step();
  return message;
}

std::vector<ChatMessage> MessageStore::latest(std::string_view accountId,
                                              std::string_view threadId) {
  Statement query = database_.prepare(
      "SELECT id, role, content, created_at FROM agent_messages"
      " WHERE account_id = ? AND thread_id = ? ORDER BY seq DESC LIMIT " +
      std::to_string(kThreadLimit));
  query.bind(1, accountId).bind(2, threadId);
  std::vector<ChatMessage> messages;
  while (query.step()) {
    messages.push_back(ChatMessage{.id = query.columnText(0),
                                   .role = query.columnText(1),
                                   .content = query.columnText(2),
                                   .createdAt = query.columnInt64(3),
                                   .threadId = std::string(threadId)});
  }
  std::ranges::reverse(messages);
  return messages;
}

int MessageStore::promptsSince(std::string_view accountId, std::int64_t since) {
  Statement query = database_.prepare(
      "SELECT count(*) FROM agent_messages"
      " WHERE account_id = ? AND role = 'user' AND created_at >= ?");
  query.bind(1, accountId).bind(2, since).step();
  return static_cast<int>(query.columnInt64(0));
}

}  // namespace ondi::server
