#include "core/desktop/DesktopActionRequest.h"

#include "core/util/Text.h"
#include "core/util/Url.h"
#include "core/util/Uuid.h"

namespace ondi {
namespace {

std::string stringField(const nlohmann::json& object, std::string_view key, std::string fallback) {
  const auto value = object.find(key);
  return value != object.end() && value->is_string() ? value->get<std::string>() : fallback;
}

}  // namespace

std::string DesktopActionRequest::id() const {
  const auto value = body_.find("id");
  return value != body_.end() && value->is_string() ? value->get<std::string>() : newUUID();
}

std::string DesktopActionRequest::text(std::string_view key) const {
  return trimmedWhitespace(stringField(body_, key, ""));
}

std::string DesktopActionRequest::label(std::string_view fallback) const {
  const std::string label = text("label");
  return label.empty() ? std::string(fallback) : label;
}

std::string DesktopActionRequest::direction() const {
  return asciiLowercased(stringField(body_, "direction", "next")) == "previous" ? "previous"
                                                                                : "next";
}

bool DesktopActionRequest::explicitExternal() const {
  const auto value = body_.find("explicitExternal");
  return value != body_.end() && value->is_boolean() && value->get<bool>();
}

std::vector<DesktopActionTab> desktopActionTabs(const nlohmann::json& value) {
  std::vector<DesktopActionTab> tabs;
  if (!value.is_array()) return tabs;
  for (const auto& entry : value) {
    if (!entry.is_object()) continue;
    tabs.push_back({stringField(entry, "url", ""), stringField(entry, "label", "page")});
  }
  return tabs;
}

}  // namespace ondi
