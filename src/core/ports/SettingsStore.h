#pragma once

#include <cstdint>
#include <optional>
#include <string>

namespace ondi {

// The user defaults: typed values under string keys. A value stored with another type
// than the one asked for reads as absent.
class SettingsStore {
 public:
  virtual ~SettingsStore() = default;
  virtual std::optional<bool> boolValue(const std::string& key) const = 0;
  virtual std::optional<std::string> stringValue(const std::string& key) const = 0;
  virtual std::optional<std::int64_t> integerValue(const std::string& key) const = 0;
  virtual std::optional<double> doubleValue(const std::string& key) const = 0;
  virtual void setBool(const std::string& key, bool value) = 0;
  virtual void setString(const std::string& key, const std::string& value) = 0;
  virtual void setInteger(const std::string& key, std::int64_t value) = 0;
  virtual void setDouble(const std::string& key, double value) = 0;
  virtual void remove(const std::string& key) = 0;

  bool boolValue(const std::string& key, bool fallback) const {
    return boolValue(key).value_or(fallback);
  }
  std::string stringValue(const std::string& key, const std::string& fallback) const {
    return stringValue(key).value_or(fallback);
  }
};

}  // namespace ondi
