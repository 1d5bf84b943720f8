#pragma once

#include <nlohmann/json.hpp>

#include <optional>
#include <string>

namespace ondi {

// Reads an optional key: absent or null gives none; a value of another type fails the whole
// decode, as a missing required key does.
template <typename T>
std::optional<T> optionalField(const nlohmann::json& object, const char* key) {
  const auto found = object.find(key);
  if (found == object.end() || found->is_null()) return std::nullopt;
  return found->template get<T>();
}

// Decodes a JSON body into T with T's from_json; any missing key, wrong type or malformed
// text gives none.
template <typename T>
std::optional<T> decodeJSON(const std::string& body) {
  try {
    return nlohmann::json::parse(body).template get<T>();
  } catch (const nlohmann::json::exception&) {
    return std::nullopt;
  }
}

// Serialises without throwing on invalid UTF-8 (replaced), as every body sent must be text.
inline std::string encodeJSON(const nlohmann::json& value) {
  return value.dump(-1, ' ', false, nlohmann::json::error_handler_t::replace);
}
// The same for a value whose keys keep the order they were added in.
inline std::string encodeJSON(const nlohmann::ordered_json& value) {
  return value.dump(-1, ' ', false, nlohmann::ordered_json::error_handler_t::replace);
}

}  // namespace ondi
