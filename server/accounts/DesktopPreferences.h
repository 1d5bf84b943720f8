#pragma once

#include <expected>
#include <string>

#include <nlohmann/json.hpp>

namespace ondi::server {

// Checks the desktop preferences an account wants to store: the eight keys "interfaceStyle",
// "showInspector", "dailyBriefEnabled", "useOpenAIFallback", "autoModelHandoffEnabled",
// "requireApprovalForSpend", "requireApprovalForCustomerMessages" and "modelProvider", each of its
// type, with a known theme and model provider. The unified workspace theme is never stored: the
// desktop keeps that choice to itself. Returns exactly those eight keys (other keys are dropped),
// or one finished sentence naming the first problem.
std::expected<nlohmann::json, std::string> checkedDesktopPreferences(const nlohmann::json& value);

}  // namespace ondi::server
