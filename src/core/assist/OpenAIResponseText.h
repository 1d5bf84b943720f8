#pragma once

#include <nlohmann/json.hpp>

#include <optional>
#include <string>
#include <vector>

namespace ondi {

// The answer of a Responses API body: its trimmed `output_text`, else every output and
// content text part, trimmed, blank ones dropped, joined with blank lines. None when empty.
std::optional<std::string> extractOpenAIText(const nlohmann::json& json);

// Appends the text parts found under `value`, depth first, in document order.
void collectOpenAIText(const nlohmann::json& value, std::vector<std::string>& parts);

// The `error.message` of an OpenAI error body, when it says something.
std::optional<std::string> extractOpenAIErrorMessage(const nlohmann::json& json);

}  // namespace ondi
