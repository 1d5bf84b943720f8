#pragma once

#include <filesystem>

#include <nlohmann/json.hpp>

#include "core/ports/SettingsStore.h"

namespace ondi {
class Logger;
}

namespace ondi::platform {

// User defaults kept as one JSON object in a file, rewritten atomically on every change.
class JsonSettingsStore final : public SettingsStore {
 public:
  // Reads `file`; an unreadable or malformed file is logged, kept aside and treated as empty.
  JsonSettingsStore(std::filesystem::path file, Logger& logger);

  std::optional<bool> boolValue(const std::string& key) const override;
  std::optional<std::string> stringValue(const std::string& key) const override;
  std::optional<std::int64_t> integerValue(const std::string& key) const override;
  std::optional<double> doubleValue(const std::string& key) const override;
  void setBool(const std::string& key, bool value) override;
  void setString(const std::string& key, const std::string& value) override;
  void setInteger(const std::string& key, std::int64_t value) override;
  void setDouble(const std::string& key, double value) override;
  void remove(const std::string& key) override;

  using SettingsStore::boolValue;
  using SettingsStore::stringValue;

 private:
  void store(const std::string& key, nlohmann::json value);
  void save() const;

  std::filesystem::path file_;
  Logger& logger_;
  nlohmann::json values_ = nlohmann::json::object();
};

}  // namespace ondi::platform
