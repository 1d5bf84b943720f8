#include "platform/linux/JsonSettingsStore.h"

#include <glib.h>
#include <glib/gstdio.h>

#include "core/ports/Logger.h"
#include "core/util/GlibHandles.h"

namespace ondi::platform {
namespace {
constexpr std::string_view kCategory = "settings";
}

JsonSettingsStore::JsonSettingsStore(std::filesystem::path file, Logger& logger)
    : file_(std::move(file)), logger_(logger) {
  glib::String contents;
  gsize length = 0;
  if (!g_file_get_contents(file_.c_str(), contents.out(), &length, nullptr)) return;
  auto parsed = nlohmann::json::parse(std::string_view(contents.get(), length), nullptr, false);
  if (parsed.is_object()) {
    values_ = std::move(parsed);
    return;
  }
  // Keep the unreadable file for the user instead of overwriting it on the next change.
  const auto aside = file_.string() + ".unreadable";
  g_rename(file_.c_str(), aside.c_str());
  logger_.log(LogLevel::warning, kCategory,
              "Settings file was not valid JSON; kept it as " + aside + " and started afresh");
}

std::optional<bool> JsonSettingsStore::boolValue(const std::string& key) const {
  const auto found = values_.find(key);
  if (found == values_.end() || !found->is_boolean()) return std::nullopt;
  return found->get<bool>();
}

std::optional<std::string> JsonSettingsStore::stringValue(const std::string& key) const {
  const auto found = values_.find(key);
  if (found == values_.end() || !found->is_string()) return std::nullopt;
  return found->get<std::string>();
}

std::optional<std::int64_t> JsonSettingsStore::integerValue(const std::string& key) const {
  const auto found = values_.find(key);
  if (found == values_.end() || !found->is_number_integer()) return std::nullopt;
  return found->get<std::int64_t>();
}

std::optional<double> JsonSettingsStore::doubleValue(const std::string& key) const {
  const auto found = values_.find(key);
  if (found == values_.end() || !found->is_number()) return std::nullopt;
  return found->get<double>();
}

void JsonSettingsStore::setBool(const std::string& key, bool value) {
  store(key, value);
}
void JsonSettingsStore::setString(const std::string& key, const std::string& value) {
  store(key, value);
}
void JsonSettingsStore::setInteger(const std::string& key, std::int64_t value) {
  store(key, value);
}
void JsonSettingsStore::setDouble(const std::string& key, double value) {
  store(key, value);
}

void JsonSettingsStore::remove(const std::string& key) {
  if (values_.erase(key) > 0) save();
}

void JsonSettingsStore::store(const std::string& key, nlohmann::json value) {
  if (values_.contains(key) && values_[key] == value) return;
  values_[key] = std::move(value);
  save();
}

void JsonSettingsStore::save() const {
  std::error_code ignored;
  std::filesystem::create_directories(file_.parent_path(), ignored);
  const std::string text =
      values_.dump(2, ' ', false, nlohmann::json::error_handler_t::replace) + "\n";
  glib::Error error;
  // g_file_set_contents writes a temporary file and renames it over the old one.
  if (!g_file_set_contents(file_.c_str(), text.data(), static_cast<gssize>(text.size()),
                           error.out())) {
    logger_.log(LogLevel::error, kCategory,
                std::string("Could not save settings: ") + error->message);
  }
}

}  // namespace ondi::platform
