#include "accounts/DesktopPreferences.h"

#include <algorithm>
#include <array>
#include <string_view>

namespace ondi::server {
namespace {

constexpr std::array<std::string_view, 6> kSwitches{
    "showInspector",           "dailyBriefEnabled",       "useOpenAIFallback",
    "autoModelHandoffEnabled", "requireApprovalForSpend", "requireApprovalForCustomerMessages",
};
constexpr std::array<std::string_view, 5> kInterfaceStyles{"studio", "washi-ember", "cinematic",
                                                           "tea-house-sand", "quiet-aperture"};
constexpr std::array<std::string_view, 4> kModelProviders{"auto", "openai", "anthropic", "cursor"};
constexpr std::string_view kLocalOnlyStyle = "unified-workspace";

std::string quoted(std::string_view text) {
  return "\"" + std::string(text) + "\"";
}

template <std::size_t N>
std::string listed(const std::array<std::string_view, N>& names) {
  std::string text;
  for (const std::string_view name : names) text += (text.empty() ? "" : ", ") + std::string(name);
  return text;
}

template <std::size_t N>
bool contains(const std::array<std::string_view, N>& names, const nlohmann::json& value) {
  return value.is_string() && std::ranges::find(names, value.get<std::string>()) != names.end();
}

std::expected<void, std::string> checkStyle(const nlohmann::json& style) {
  if (style == kLocalOnlyStyle) {
    return std::unexpected(
        "The interface style \"unified-workspace\" stays on the desktop and is not stored with "
        "the account.");
  }
  if (!contains(kInterfaceStyles, style)) {
    return std::unexpected("The interface style must be one of " + listed(kInterfaceStyles) + ".");
  }
  return {};
}

}  // namespace

std::expected<nlohmann::json, std::string> checkedDesktopPreferences(const nlohmann::json& value) {
  if (!value.is_object()) {
    return std::unexpected("The preferences must be an object with the eight desktop settings.");
  }
  if (!value.contains("interfaceStyle")) {
    return std::unexpected("The preference \"interfaceStyle\" is missing.");
  }
  if (auto style = checkStyle(value.at("interfaceStyle")); !style) {
    return std::unexpected(style.error());
  }
  nlohmann::json checked = {{"interfaceStyle", value.at("interfaceStyle")}};
  for (const std::string_view name : kSwitches) {
    const auto entry = value.find(name);
    if (entry == value.end() || !entry->is_boolean()) {
      return std::unexpected("The preference " + quoted(name) + " must be true or false.");
    }
    checked[std::string(name)] = *entry;
  }
  const auto provider = value.find("modelProvider");
  if (provider == value.end() || !contains(kModelProviders, *provider)) {
    return std::unexpected("The model provider must be one of " + listed(kModelProviders) + ".");
  }
  checked["modelProvider"] = *provider;
  return checked;
}

}  // namespace ondi::server
