#include "runs/BrowserRunStore.h"

#include "ServiceClock.h"
#include "db/Database.h"
#include "runs/SessionUuid.h"

namespace ondi::server {
namespace {

constexpr char kColumns[] =
    "id, objective, provider, session_id, created_at, session_started_at, account_id";

BrowserRun readRun(const Statement& row) {
  return BrowserRun{.id = row.columnText(0),
                    .objective = row.columnText(1),
                    .provider = row.columnText(2),
                    .sessionId = row.columnText(3),
                    .createdAt = row.columnInt64(4),
                    .sessionStartedAt = row.columnInt64(5)};
}

}  // namespace

BrowserRunStore::BrowserRunStore(Database& database, const ServiceClock& clock)
    : database_(database), clock_(clock) {}

BrowserRun BrowserRunStore::create(std::string_view accountId, std::string_view id,
                                   std::string_view objective, std::string_view provider) {
  const std::int64_t now = clock_.now();
  BrowserRun run{.id = std::string(id),
                 .objective = std::string(objective),
                 .provider = std::string(provider),
                 .sessionId = newSessionUuid(),
                 .createdAt = now,
                 .sessionStartedAt = now};
  database_
      .prepare(
          "INSERT INTO browser_runs (id, account_id, objective, provider, session_id, created_at,"
          " session_started_at) VALUES (?, ?, ?, ?, ?, ?, ?)")
      .bind(1, run.id)
      .bind(2, accountId)
      .bind(3, run.objective)
      .bind(4, run.provider)
      .bind(5, run.sessionId)
      .bind(6, run.createdAt)
      .bind(7, run.sessionStartedAt)
      .step();
  return run;
}

std::optional<BrowserRun> BrowserRunStore::find(std::string_view accountId, std::string_view id) {
  Statement query = database_.prepare(std::string("SELECT ") + kColumns +
                                      " FROM browser_runs WHERE account_id = ? AND id = ?");
  query.bind(1, accountId).bind(2, id);
  if (!query.step()) return std::nullopt;
  return readRun(query);
}

std::optional<BrowserRunStore::Owned> BrowserRunStore::findBySession(std::string_view sessionId) {
  Statement query = database_.prepare(std::string("SELECT ") + kColumns +
                                      " FROM browser_runs WHERE session_id = ?");
  query.bind(1, sessionId);
  if (!query.step()) return std::nullopt;
  return Owned{.accountId = query.columnText(6), .run = readRun(query)};
}

std::vector<BrowserRun> BrowserRunStore::newestFirst(std::string_view accountId, int limit) {
  Statement query = database_.prepare(
      std::string("SELECT ") + kColumns +
      " FROM browser_runs WHERE account_id = ? ORDER BY session_started_at DESC, seq DESC"
      " LIMIT ?");
  query.bind(1, accountId).bind(2, std::int64_t{limit});
  std::vector<BrowserRun> runs;
  while (query.step()) runs.push_back(readRun(query));
  return runs;
}

bool BrowserRunStore::restartSession(std::string_view accountId, std::string_view id) {
  database_
      .prepare("UPDATE browser_runs SET session_started_at = ? WHERE account_id = ? AND id = ?")
      .bind(1, clock_.now())
      .bind(2, accountId)
      .bind(3, id)
      .step();
  return database_.changes() > 0;
}

}  // namespace ondi::server
