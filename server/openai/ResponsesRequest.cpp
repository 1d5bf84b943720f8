#include "openai/ResponsesRequest.h"

#include <algorithm>
#include <array>
#include <string_view>

namespace ondi::server::openai {
namespace {

constexpr std::array<std::string_view, 4> kRoles{"user", "assistant", "system", "developer"};
constexpr std::array<std::string_view, 6> kEfforts{"none",   "minimal", "low",
                                                   "medium", "high",    "xhigh"};

std::unexpected<ResponsesRequestError> refusal(std::string message, std::string param) {
  return std::unexpected(
      ResponsesRequestError{.message = std::move(message), .param = std::move(param)});
}

const nlohmann::json* member(const nlohmann::json& object, std::string_view key) {
  const auto found = object.find(key);
  return found == object.end() || found->is_null() ? nullptr : &*found;
}

bool isInputItem(const nlohmann::json& item) {
  if (!item.is_object()) return false;
  const auto* role = member(item, "role");
  const auto* content = member(item, "content");
  return role != nullptr && role->is_string() &&
         std::ranges::find(kRoles, role->get<std::string>()) != kRoles.end() &&
         content != nullptr && content->is_string();
}

std::optional<ResponsesRequestError> checkReasoning(const nlohmann::json* reasoning) {
  if (reasoning == nullptr) return std::nullopt;
  if (!reasoning->is_object()) {
    return ResponsesRequestError{"Invalid type for 'reasoning': expected an object.", "reasoning"};
  }
  const auto* effort = member(*reasoning, "effort");
  if (effort != nullptr &&
      (!effort->is_string() ||
       std::ranges::find(kEfforts, effort->get<std::string>()) == kEfforts.end())) {
    return ResponsesRequestError{
        "Invalid value for 'reasoning.effort': expected one of none, minimal, low, medium, high "
        "or xhigh.",
        "reasoning.effort"};
  }
  return std::nullopt;
}

}  // namespace

std::expected<ResponsesRequest, ResponsesRequestError> readResponsesRequest(
    const nlohmann::json& body) {
  const auto* model = member(body, "model");
  if (model == nullptr) return refusal("Missing required parameter: 'model'.", "model");
  if (!model->is_string() || model->get<std::string>().empty()) {
    return refusal("Invalid value for 'model': expected a non-empty string.", "model");
  }
  const auto* input = member(body, "input");
  if (input == nullptr) return refusal("Missing required parameter: 'input'.", "input");
  if (!input->is_array() || input->empty()) {
    return refusal("Invalid value for 'input': expected a non-empty array of messages.", "input");
  }
  ResponsesRequest request{.model = model->get<std::string>(),
                           .inputCount = input->size(),
                           .lastUserText = std::nullopt,
                           .hasInstructions = false,
                           .reasoningEffort = std::nullopt};
  for (std::size_t i = 0; i < input->size(); ++i) {
    const nlohmann::json& item = input->at(i);
    const std::string param = "input[" + std::to_string(i) + "]";
    if (!isInputItem(item)) {
      return refusal("Invalid value for '" + param +
                         "': expected {\"role\", \"content\"} with a known role and text content.",
                     param);
    }
    if (item.at("role") == "user") request.lastUserText = item.at("content").get<std::string>();
  }
  const auto* instructions = member(body, "instructions");
  if (instructions != nullptr && !instructions->is_string()) {
    return refusal("Invalid type for 'instructions': expected a string.", "instructions");
  }
  request.hasInstructions = instructions != nullptr && !instructions->get<std::string>().empty();
  const auto* reasoning = member(body, "reasoning");
  if (auto problem = checkReasoning(reasoning)) return std::unexpected(*std::move(problem));
  if (reasoning != nullptr) {
    if (const auto* effort = member(*reasoning, "effort")) {
      request.reasoningEffort = effort->get<std::string>();
    }
  }
  return request;
}

}  // namespace ondi::server::openai
