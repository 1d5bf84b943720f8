#include "accounts/PreferencesStore.h"

#include "db/Database.h"

namespace ondi::server {

PreferencesStore::PreferencesStore(Database& database) : database_(database) {}

std::optional<nlohmann::json> PreferencesStore::load(std::string_view accountId) {
  Statement query =
      database_.prepare("SELECT preferences FROM account_preferences WHERE account_id = ?");
  if (!query.bind(1, accountId).step()) return std::nullopt;
  return nlohmann::json::parse(query.columnText(0));
}

void PreferencesStore::save(std::string_view accountId, const nlohmann::json& preferences) {
  database_
      .prepare(
          "INSERT INTO account_preferences (account_id, preferences) VALUES (?, ?)"
          " ON CONFLICT (account_id) DO UPDATE SET preferences = excluded.preferences")
      .bind(1, accountId)
      .bind(2, preferences.dump())
      .step();
}

}  // namespace ondi::server
