#pragma once

#include <cstddef>
#include <expected>
#include <optional>
#include <string>

#include <nlohmann/json.hpp>

namespace ondi::server::openai {

// What the test endpoint reads from an OpenAI Responses request: {"model", "input": [{"role",
// "content"}...], "instructions"?, "reasoning"?: {"effort"?}}.
struct ResponsesRequest {
  std::string model;
  std::size_t inputCount = 0;
  // The content of the last input item whose role is "user".
  std::optional<std::string> lastUserText;
  // Whether "instructions" carried text.
  bool hasInstructions = false;
  std::optional<std::string> reasoningEffort;
};

// A refusal as OpenAI words it: the message and the parameter at fault.
struct ResponsesRequestError {
  std::string message;
  std::string param;
};

// Checks the body as OpenAI would: a non-empty model, a non-empty input array of items with a
// known role ("user", "assistant", "system", "developer") and text content, instructions as text,
// reasoning as an object with a known effort. Null counts as absent for the optional members.
std::expected<ResponsesRequest, ResponsesRequestError> readResponsesRequest(
    const nlohmann::json& body);

}  // namespace ondi::server::openai
