#pragma once

#include <map>
#include <variant>

#include "core/ports/SettingsStore.h"

namespace ondi::fakes {

// User defaults that live only as long as the test.
class InMemorySettingsStore final : public SettingsStore {
 public:
  std::optional<bool> boolValue(const std::string& key) const override { return get<bool>(key); }
  std::optional<std::string> stringValue(const std::string& key) const override {
    return get<std::string>(key);
  }
  std::optional<std::int64_t> integerValue(const std::string& key) const override {
    return get<std::int64_t>(key);
  }
  std::optional<double> doubleValue(const std::string& key) const override {
    return get<double>(key);
  }
  void setBool(const std::string& key, bool value) override { values_[key] = value; }
  void setString(const std::string& key, const std::string& value) override {
    values_[key] = value;
  }
  void setInteger(const std::string& key, std::int64_t value) override { values_[key] = value; }
  void setDouble(const std::string& key, double value) override { values_[key] = value; }
  void remove(const std::string& key) override { values_.erase(key); }

 private:
  using Value = std::variant<bool, std::string, std::int64_t, double>;

  template <typename T>
  std::optional<T> get(const std::string& key) const {
    const auto found = values_.find(key);
    if (found == values_.end()) return std::nullopt;
    const T* value = std::get_if<T>(&found->second);
    return value ? std::optional<T>(*value) : std::nullopt;
  }

  std::map<std::string, Value> values_;
};

}  // namespace ondi::fakes
