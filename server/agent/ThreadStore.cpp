#include "agent/ThreadStore.h"

#include <string>

#include "ServiceClock.h"
#include "db/Database.h"

namespace ondi::server {
namespace {

// Threads with their message count and newest message; the caller adds the condition.
constexpr std::string_view kSelectThreads =
    "SELECT t.id, t.title, t.created_at, t.updated_at,"
    " (SELECT count(*) FROM agent_messages m"
    "  WHERE m.account_id = t.account_id AND m.thread_id = t.id),"
    " coalesce((SELECT m.content FROM agent_messages m"
    "  WHERE m.account_id = t.account_id AND m.thread_id = t.id ORDER BY m.seq DESC LIMIT 1), '')"
    " FROM agent_threads t WHERE t.account_id = ? ";

constexpr std::string_view kNextActivity =
    "(SELECT coalesce(max(activity), 0) + 1 FROM agent_threads WHERE account_id = ?)";

ChatThread threadFrom(const Statement& row) {
  return ChatThread{.id = row.columnText(0),
                    .title = row.columnText(1),
                    .createdAt = row.columnInt64(2),
                    .updatedAt = row.columnInt64(3),
                    .messageCount = static_cast<int>(row.columnInt64(4)),
                    .lastMessage = row.columnText(5)};
}

}  // namespace

ThreadStore::ThreadStore(Database& database, const ServiceClock& clock)
    : database_(database), clock_(clock) {}

std::int64_t ThreadStore::count(std::string_view accountId) {
  Statement query = database_.prepare("SELECT count(*) FROM agent_threads WHERE account_id = ?");
  query.bind(1, accountId).step();
  return query.columnInt64(0);
}

std::optional<ChatThread> ThreadStore::find(std::string_view accountId, std::string_view threadId) {
  Statement query = database_.prepare(std::string(kSelectThreads) + "AND t.id = ?");
  if (!query.bind(1, accountId).bind(2, threadId).step()) return std::nullopt;
  return threadFrom(query);
}

std::vector<ChatThread> ThreadStore::newestFirst(std::string_view accountId) {
  Statement query = database_.prepare(
      std::string(kSelectThreads) + "ORDER BY t.activity DESC LIMIT " + std::to_string(kListLimit));
  query.bind(1, accountId);
  std::vector<ChatThread> threads;
  while (query.step()) threads.push_back(threadFrom(query));
  return threads;
}

void ThreadStore::create(std::string_view accountId, std::string_view threadId,
                         std::string_view title) {
  const std::int64_t now = clock_.now();
  database_
      .prepare(
          "INSERT INTO agent_threads (account_id, id, title, created_at, updated_at, activity)"
          " VALUES (?, ?, ?, ?, ?, " +
          std::string(kNextActivity) + ")")
      .bind(1, accountId)
      .bind(2, threadId)
      .bind(3, title)
      .bind(4, now)
      .bind(5, now)
      .bind(6, accountId)
      .step();
}

void ThreadStore::rename(std::string_view accountId, std::string_view threadId,
                         std::string_view title) {
  database_.prepare("UPDATE agent_threads SET title = ? WHERE account_id = ? AND id = ?")
      .bind(1, title)
      .bind(2, accountId)
      .bind(3, threadId)
      .step();
}

void ThreadStore::touch(std::string_view accountId, std::string_view threadId) {
  database_
      .prepare("UPDATE agent_threads SET updated_at = ?, activity = " + std::string(kNextActivity) +
               " WHERE account_id = ? AND id = ?")
      .bind(1, clock_.now())
      .bind(2, accountId)
      .bind(3, accountId)
      .bind(4, threadId)
      .step();
}

}  // namespace ondi::server
