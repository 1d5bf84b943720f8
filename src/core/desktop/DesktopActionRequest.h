#pragma once

#include <nlohmann/json.hpp>

#include <string>
#include <string_view>
#include <vector>

namespace ondi {

// One destination of a request that opens several tabs.
struct DesktopActionTab {
  std::string url;
  std::string label;
  bool operator==(const DesktopActionTab&) const = default;
};

// Reads the fields of a desktop action request, each with its default when it is absent or of
// another type. Strings come back trimmed of surrounding whitespace and line breaks. It refers
// to the body, which must outlive it.
class DesktopActionRequest {
 public:
  explicit DesktopActionRequest(const nlohmann::json& body) : body_(body) {}

  // The request's id, or a new upper-case UUID.
  std::string id() const;
  // A trimmed string field, or the empty string.
  std::string text(std::string_view key) const;
  // The trimmed label, or `fallback` when it is missing or blank.
  std::string label(std::string_view fallback) const;
  // "previous" when the direction, lower-cased, is "previous"; otherwise "next".
  std::string direction() const;
  bool explicitExternal() const;
  const nlohmann::json& body() const { return body_; }

 private:
  const nlohmann::json& body_;
};

// The tab list of a request: object entries with their label ("page" when it is missing or not
// a string) and url (empty when missing); other entries are dropped. Not a list: no tabs.
// Values come back as they were sent, untrimmed.
std::vector<DesktopActionTab> desktopActionTabs(const nlohmann::json& value);

}  // namespace ondi
