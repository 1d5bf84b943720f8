#pragma once

#include <optional>
#include <string_view>

#include <nlohmann/json.hpp>

namespace ondi::server {

class Database;

// Each account's desktop preferences, kept as the JSON object the desktop sent (already checked).
class PreferencesStore {
 public:
  explicit PreferencesStore(Database& database);

  // Nothing until the account has saved preferences.
  std::optional<nlohmann::json> load(std::string_view accountId);
  void save(std::string_view accountId, const nlohmann::json& preferences);

 private:
  Database& database_;
};

}  // namespace ondi::server
