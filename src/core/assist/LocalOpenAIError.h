#pragma once

#include <string>
#include <utility>

namespace ondi {

// Why a direct OpenAI answer could not be had; `description()` is the sentence the page shows.
struct LocalOpenAIError {
  enum class Kind { requestFailed, missingAPIKey, invalidURL, emptyResponse };

  Kind kind;
  std::string message;  // the finished sentence of `requestFailed`

  static LocalOpenAIError requestFailed(std::string message) {
    return {Kind::requestFailed, std::move(message)};
  }
  static LocalOpenAIError missingAPIKey() { return {Kind::missingAPIKey, {}}; }
  static LocalOpenAIError invalidURL() { return {Kind::invalidURL, {}}; }
  static LocalOpenAIError emptyResponse() { return {Kind::emptyResponse, {}}; }

  std::string description() const {
    switch (kind) {
      case Kind::requestFailed:
        return message;
      case Kind::missingAPIKey:
        return "Direct OpenAI is not connected.";
      case Kind::invalidURL:
        return "The OpenAI API URL is invalid.";
      case Kind::emptyResponse:
        return "OpenAI returned an empty response.";
    }
    return message;
  }
};

}  // namespace ondi
