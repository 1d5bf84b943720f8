#include "connectors/ConnectionStore.h"

#include "ServiceClock.h"
#include "crypto/Digest.h"
#include "crypto/SecureRandom.h"
#include "db/Database.h"

namespace ondi::server {
namespace {

constexpr std::size_t kLinkIdBytes = 32;

}  // namespace

ConnectionStore::ConnectionStore(Database& database, const ServiceClock& clock)
    : database_(database), clock_(clock) {}

ConnectionStore::States ConnectionStore::states(std::string_view accountId) {
  database_
      .prepare(
          "DELETE FROM connector_connections"
          " WHERE account_id = ? AND status = 'initiated' AND link_expires_at <= ?")
      .bind(1, accountId)
      .bind(2, clock_.now())
      .step();
  Statement query =
      database_.prepare("SELECT slug, status FROM connector_connections WHERE account_id = ?");
  query.bind(1, accountId);
  States states;
  while (query.step()) {
    states.emplace(query.columnText(0),
                   query.columnText(1) == "connected" ? State::connected : State::initiated);
  }
  return states;
}

std::string ConnectionStore::startAuthorization(std::string_view accountId, std::string_view slug) {
  const std::string linkId = randomBase64Url(kLinkIdBytes);
  const std::int64_t now = clock_.now();
  database_
      .prepare(
          "INSERT INTO connector_connections"
          " (account_id, slug, status, link_hash, link_expires_at, updated_at)"
          " VALUES (?, ?, 'initiated', ?, ?, ?)"
          " ON CONFLICT (account_id, slug) DO UPDATE SET status = 'initiated',"
          " link_hash = excluded.link_hash, link_expires_at = excluded.link_expires_at,"
          " updated_at = excluded.updated_at")
      .bind(1, accountId)
      .bind(2, slug)
      .bind(3, sha256Hex(linkId))
      .bind(4, now + kLinkLifetimeSeconds)
      .bind(5, now)
      .step();
  return linkId;
}

std::optional<ConnectionStore::Link> ConnectionStore::findLink(std::string_view linkId) {
  Statement query = database_.prepare(
      "SELECT account_id, slug FROM connector_connections"
      " WHERE link_hash = ? AND status = 'initiated' AND link_expires_at > ?");
  if (!query.bind(1, sha256Hex(linkId)).bind(2, clock_.now()).step()) return std::nullopt;
  return Link{query.columnText(0), query.columnText(1)};
}

std::optional<ConnectionStore::Link> ConnectionStore::finishAuthorization(std::string_view linkId,
                                                                          bool approved) {
  const auto link = findLink(linkId);
  if (!link) return std::nullopt;
  if (approved) {
    database_
        .prepare(
            "UPDATE connector_connections SET status = 'connected', link_hash = NULL,"
            " link_expires_at = NULL, updated_at = ? WHERE account_id = ? AND slug = ?")
        .bind(1, clock_.now())
        .bind(2, link->accountId)
        .bind(3, link->slug)
        .step();
  } else {
    disconnect(link->accountId, link->slug);
  }
  return link;
}

bool ConnectionStore::disconnect(std::string_view accountId, std::string_view slug) {
  database_.prepare("DELETE FROM connector_connections WHERE account_id = ? AND slug = ?")
      .bind(1, accountId)
      .bind(2, slug)
      .step();
  return database_.changes() > 0;
}

}  // namespace ondi::server
