#pragma once

#include <expected>
#include <functional>
#include <optional>
#include <string>

#include "core/assist/LocalOpenAIError.h"
#include "core/assist/OpenAIPrompt.h"
#include "core/ports/HttpTransport.h"

namespace ondi {

class Environment;

// One call to OpenAI's Responses API with the user's own key, straight through the transport:
// no cookies, no service headers. The endpoint is "https://api.openai.com/v1/responses";
// ONDI_OPENAI_BASE_URL replaces the part before "/v1/responses" for development and tests.
class OpenAIResponsesClient {
 public:
  using Completion = std::function<void(std::expected<std::string, LocalOpenAIError>)>;

  static constexpr const char* kBaseURLVariable = "ONDI_OPENAI_BASE_URL";
  static constexpr const char* kDefaultBaseURL = "https://api.openai.com";

  OpenAIResponsesClient(const Environment& environment, HttpTransport& transport)
      : environment_(environment), transport_(transport) {}

  // The endpoint address; none unless it is HTTPS, or plain HTTP to this machine.
  std::optional<std::string> endpointURL() const;

  // Sends the prompt; the completion gets the answer text or the failure, once, on the main
  // loop. It must not capture anything that may be gone by then.
  void send(const OpenAIPrompt& prompt, const std::string& apiKey, Completion completion);

 private:
  const Environment& environment_;
  HttpTransport& transport_;
};

// The answer text of a transport result, or the failure it stands for. Nothing of `apiKey`
// survives in a failure's sentence.
std::expected<std::string, LocalOpenAIError> openAIAnswer(
    const std::expected<HttpResponse, TransportError>& result, const std::string& apiKey);

}  // namespace ondi
