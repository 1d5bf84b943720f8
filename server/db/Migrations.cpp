#include "db/Migrations.h"

#include <array>
#include <string>

#include "db/Database.h"
#include "db/DatabaseError.h"
#include "db/Transaction.h"

namespace ondi::server {
namespace {

constexpr std::array kSchemaMigrations{
    Migration{1, "create the meta table",
              "CREATE TABLE meta (key TEXT PRIMARY KEY NOT NULL, value TEXT NOT NULL);"
              "INSERT INTO meta (key, value) "
              "VALUES ('created_at', strftime('%Y-%m-%dT%H:%M:%fZ', 'now'));"},
    // Times from here on are whole seconds since the Unix epoch. Tokens, codes and request ids
    // are kept only as the SHA-256 hex of their text.
    Migration{2, "create accounts, sessions and sign-in records",
              "CREATE TABLE accounts ("
              " id TEXT PRIMARY KEY NOT NULL,"
              " name TEXT NOT NULL,"
              " email TEXT NOT NULL UNIQUE CHECK (email = lower(email)),"
              " password_hash TEXT,"
              " auth_provider TEXT NOT NULL CHECK (auth_provider IN ('email', 'google')),"
              " google_subject TEXT UNIQUE,"
              " plan TEXT NOT NULL,"
              " email_verified INTEGER NOT NULL DEFAULT 0,"
              " created_at INTEGER NOT NULL);"
              "CREATE TABLE sessions ("
              " token_hash TEXT PRIMARY KEY NOT NULL,"
              " account_id TEXT NOT NULL REFERENCES accounts (id) ON DELETE CASCADE,"
              " created_at INTEGER NOT NULL,"
              " expires_at INTEGER NOT NULL);"
              "CREATE INDEX sessions_by_account ON sessions (account_id);"
              "CREATE TABLE email_verifications ("
              " token_hash TEXT PRIMARY KEY NOT NULL,"
              " account_id TEXT NOT NULL REFERENCES accounts (id) ON DELETE CASCADE,"
              " expires_at INTEGER NOT NULL);"
              "CREATE TABLE google_auth_requests ("
              " request_hash TEXT PRIMARY KEY NOT NULL,"
              " intent TEXT NOT NULL CHECK (intent IN ('sign-in', 'sign-up')),"
              " challenge TEXT NOT NULL,"
              " expires_at INTEGER NOT NULL);"
              "CREATE TABLE google_codes ("
              " code_hash TEXT PRIMARY KEY NOT NULL,"
              " account_id TEXT NOT NULL REFERENCES accounts (id) ON DELETE CASCADE,"
              " challenge TEXT NOT NULL,"
              " intent TEXT NOT NULL,"
              " expires_at INTEGER NOT NULL,"
              " used INTEGER NOT NULL DEFAULT 0);"},
    Migration{3, "create account preferences and agent instructions",
              "CREATE TABLE account_preferences ("
              " account_id TEXT PRIMARY KEY NOT NULL REFERENCES accounts (id) ON DELETE CASCADE,"
              " preferences TEXT NOT NULL);"
              "CREATE TABLE agent_instructions ("
              " account_id TEXT NOT NULL REFERENCES accounts (id) ON DELETE CASCADE,"
              " agent_id TEXT NOT NULL,"
              " instructions TEXT NOT NULL,"
              " PRIMARY KEY (account_id, agent_id));"},
    // Thread ids are chosen by the client, so they are unique per account only. A thread's
    // activity rises with each change, ordering the list even within one second.
    Migration{
        4, "create agent threads, messages and events",
        "CREATE TABLE agent_threads ("
        " account_id TEXT NOT NULL REFERENCES accounts (id) ON DELETE CASCADE,"
        " id TEXT NOT NULL,"
        " title TEXT NOT NULL,"
        " created_at INTEGER NOT NULL,"
        " updated_at INTEGER NOT NULL,"
        " activity INTEGER NOT NULL,"
        " PRIMARY KEY (account_id, id));"
        "CREATE TABLE agent_messages ("
        " seq INTEGER PRIMARY KEY,"
        " id TEXT NOT NULL UNIQUE,"
        " account_id TEXT NOT NULL,"
        " thread_id TEXT NOT NULL,"
        " role TEXT NOT NULL CHECK (role IN ('user', 'assistant')),"
        " content TEXT NOT NULL,"
        " created_at INTEGER NOT NULL,"
        " FOREIGN KEY (account_id, thread_id) REFERENCES agent_threads (account_id, id)"
        "  ON DELETE CASCADE);"
        "CREATE INDEX agent_messages_by_thread ON agent_messages (account_id, thread_id, seq);"
        "CREATE INDEX agent_messages_by_time ON agent_messages (account_id, created_at);"
        "CREATE TABLE agent_events ("
        " seq INTEGER PRIMARY KEY,"
        " id TEXT NOT NULL UNIQUE,"
        " account_id TEXT NOT NULL REFERENCES accounts (id) ON DELETE CASCADE,"
        " type TEXT NOT NULL,"
        " title TEXT NOT NULL,"
        " detail TEXT NOT NULL,"
        " status TEXT NOT NULL,"
        " created_at INTEGER NOT NULL);"
        "CREATE INDEX agent_events_by_account ON agent_events (account_id, seq);"},
    // A link confirms the sign-up that asked for it: the name and password hash typed then are
    // what confirming makes the account's. Links issued before carry neither and are dropped;
    // logging in mails a fresh one.
    Migration{5, "bind e-mail verifications to their sign-up",
              "DROP TABLE email_verifications;"
              "CREATE TABLE email_verifications ("
              " token_hash TEXT PRIMARY KEY NOT NULL,"
              " account_id TEXT NOT NULL REFERENCES accounts (id) ON DELETE CASCADE,"
              " name TEXT NOT NULL,"
              " password_hash TEXT NOT NULL,"
              " expires_at INTEGER NOT NULL);"
              "CREATE INDEX email_verifications_by_account ON email_verifications (account_id);"},
    // An app is either waiting on its authorization link (initiated) or connected; apps the
    // account never connected have no row.
    Migration{6, "create connector connections",
              "CREATE TABLE connector_connections ("
              " account_id TEXT NOT NULL REFERENCES accounts (id) ON DELETE CASCADE,"
              " slug TEXT NOT NULL,"
              " status TEXT NOT NULL CHECK (status IN ('initiated', 'connected')),"
              " link_hash TEXT UNIQUE,"
              " link_expires_at INTEGER,"
              " updated_at INTEGER NOT NULL,"
              " PRIMARY KEY (account_id, slug));"},
    // A cloud-agent run and its simulated browser session. seq orders runs started within the
    // same second.
    Migration{
        7, "create browser runs",
        "CREATE TABLE browser_runs ("
        " seq INTEGER PRIMARY KEY,"
        " id TEXT NOT NULL UNIQUE,"
        " account_id TEXT NOT NULL REFERENCES accounts (id) ON DELETE CASCADE,"
        " objective TEXT NOT NULL,"
        " provider TEXT NOT NULL CHECK (provider IN ('browser-runner', 'daytona')),"
        " session_id TEXT NOT NULL UNIQUE,"
        " created_at INTEGER NOT NULL,"
        " session_started_at INTEGER NOT NULL);"
        "CREATE INDEX browser_runs_by_account ON browser_runs (account_id, session_started_at);"},
    // Each account's card-issuing setup and the spending policy of its one funded agent (the
    // categories as a comma-separated list). Balances are not stored: they follow from the
    // top-ups and the approved purchases. A top-up is funded once per idempotency key; every
    // purchase decision is kept, approved or not.
    Migration{
        8, "create agent payments",
        "CREATE TABLE agent_payment_accounts ("
        " account_id TEXT PRIMARY KEY NOT NULL REFERENCES accounts (id) ON DELETE CASCADE,"
        " setup_state TEXT NOT NULL"
        "  CHECK (setup_state IN ('setup_required', 'onboarding_required', 'ready')),"
        " onboarding_link_hash TEXT UNIQUE,"
        " onboarding_link_expires_at INTEGER,"
        " card_last4 TEXT,"
        " agent_id TEXT NOT NULL,"
        " monthly_limit_cents INTEGER NOT NULL,"
        " per_purchase_limit_cents INTEGER NOT NULL,"
        " approval_threshold_cents INTEGER NOT NULL,"
        " allowed_categories TEXT NOT NULL,"
        " automatic_purchases INTEGER NOT NULL,"
        " paused INTEGER NOT NULL,"
        " policy_version INTEGER NOT NULL);"
        "CREATE TABLE agent_payment_topups ("
        " seq INTEGER PRIMARY KEY,"
        " account_id TEXT NOT NULL REFERENCES accounts (id) ON DELETE CASCADE,"
        " idempotency_key TEXT NOT NULL,"
        " amount_cents INTEGER NOT NULL,"
        " status TEXT NOT NULL CHECK (status IN ('pending', 'succeeded')),"
        " created_at INTEGER NOT NULL,"
        " available_at INTEGER NOT NULL,"
        " UNIQUE (account_id, idempotency_key));"
        "CREATE TABLE agent_payment_purchases ("
        " seq INTEGER PRIMARY KEY,"
        " account_id TEXT NOT NULL REFERENCES accounts (id) ON DELETE CASCADE,"
        " agent_id TEXT NOT NULL,"
        " category TEXT NOT NULL,"
        " amount_cents INTEGER NOT NULL,"
        " decision TEXT NOT NULL CHECK (decision IN ('approved', 'needs_approval', 'declined')),"
        " reason TEXT NOT NULL,"
        " created_at INTEGER NOT NULL);"
        "CREATE INDEX agent_payment_purchases_by_time"
        " ON agent_payment_purchases (account_id, created_at);"},
    // The Twilio number an account has bound to one of its agents (at most one), with the auth
    // token sealed under the key file kept outside the database, and the calls its agent placed.
    // A call's status follows a fixed schedule from its start; each change is kept as an event.
    Migration{
        9, "create agent phone lines and calls",
        "CREATE TABLE agent_phone_lines ("
        " account_id TEXT PRIMARY KEY NOT NULL REFERENCES accounts (id) ON DELETE CASCADE,"
        " id TEXT NOT NULL UNIQUE,"
        " account_sid TEXT NOT NULL,"
        " sealed_auth_token TEXT NOT NULL,"
        " phone_number TEXT NOT NULL,"
        " label TEXT NOT NULL,"
        " agent_id TEXT NOT NULL,"
        " inbound_enabled INTEGER NOT NULL,"
        " outbound_enabled INTEGER NOT NULL,"
        " allowed_callers TEXT NOT NULL,"
        " status TEXT NOT NULL,"
        " sync_error TEXT NOT NULL,"
        " connected_at INTEGER NOT NULL,"
        " last_synced_at INTEGER NOT NULL);"
        "CREATE TABLE agent_phone_calls ("
        " seq INTEGER PRIMARY KEY,"
        " id TEXT NOT NULL UNIQUE,"
        " account_id TEXT NOT NULL REFERENCES accounts (id) ON DELETE CASCADE,"
        " line_id TEXT NOT NULL,"
        " remote_number TEXT NOT NULL,"
        " agent_id TEXT NOT NULL,"
        " agent_name TEXT NOT NULL,"
        " purpose TEXT NOT NULL,"
        " status TEXT NOT NULL,"
        " started_at INTEGER NOT NULL,"
        " updated_at INTEGER NOT NULL,"
        " completed_at INTEGER,"
        " duration_seconds INTEGER);"
        "CREATE INDEX agent_phone_calls_by_time ON agent_phone_calls (account_id, started_at);"
        "CREATE TABLE agent_phone_call_events ("
        " call_seq INTEGER NOT NULL REFERENCES agent_phone_calls (seq) ON DELETE CASCADE,"
        " status TEXT NOT NULL,"
        " changed_at INTEGER NOT NULL,"
        " PRIMARY KEY (call_seq, status));"},
    // Each account's private messaging route: the code a sender texts to the shared relay address.
    Migration{10, "create messaging routes",
              "CREATE TABLE messaging_routes ("
              " account_id TEXT PRIMARY KEY NOT NULL REFERENCES accounts (id) ON DELETE CASCADE,"
              " id TEXT NOT NULL UNIQUE,"
              " code TEXT NOT NULL UNIQUE,"
              " created_at INTEGER NOT NULL);"},
};

void ensureVersionTable(Database& database) {
  database.execute("CREATE TABLE IF NOT EXISTS schema_version (version INTEGER NOT NULL)");
  database.execute(
      "INSERT INTO schema_version (version) "
      "SELECT 0 WHERE NOT EXISTS (SELECT 1 FROM schema_version)");
}

int recordedVersion(Database& database) {
  Statement query = database.prepare("SELECT version FROM schema_version");
  return query.step() ? static_cast<int>(query.columnInt64(0)) : 0;
}

void checkOrder(std::span<const Migration> migrations) {
  int expected = 1;
  for (const Migration& migration : migrations) {
    if (migration.version != expected) {
      throw DatabaseError("The schema steps are out of order at version " +
                          std::to_string(migration.version) + ".");
    }
    ++expected;
  }
}

}  // namespace

std::span<const Migration> schemaMigrations() {
  return kSchemaMigrations;
}

int schemaVersion(Database& database) {
  Statement table = database.prepare(
      "SELECT 1 FROM sqlite_schema WHERE type = 'table' AND name = 'schema_version'");
  return table.step() ? recordedVersion(database) : 0;
}

int migrate(Database& database, std::span<const Migration> migrations) {
  checkOrder(migrations);
  Transaction transaction(database);
  ensureVersionTable(database);
  const int current = recordedVersion(database);
  const int latest = static_cast<int>(migrations.size());
  if (current > latest) {
    throw DatabaseError("The database has schema version " + std::to_string(current) +
                        ", newer than the " + std::to_string(latest) +
                        " this server knows; use a newer server or another data folder.");
  }
  for (const Migration& migration : migrations.subspan(static_cast<std::size_t>(current))) {
    try {
      database.execute(migration.sql);
    } catch (const DatabaseError& error) {
      throw DatabaseError("Schema step " + std::to_string(migration.version) + " (" +
                          std::string(migration.description) + ") failed. " + error.what());
    }
  }
  database.prepare("UPDATE schema_version SET version = ?").bind(1, latest).step();
  transaction.commit();
  return latest - current;
}

}  // namespace ondi::server
