#include "core/assist/OpenAIResponsesClient.h"

#include <glib.h>

#include <chrono>

#include "core/assist/OpenAIResponseText.h"
#include "core/ports/Environment.h"
#include "core/util/Text.h"
#include "core/util/Url.h"

namespace ondi {
namespace {

constexpr std::chrono::seconds kTimeout{180};
constexpr std::string_view kPath = "/v1/responses";

bool isLoopbackHost(const std::string& host) {
  return host == "localhost" || host == "::1" || host.starts_with("127.");
}

// The parser's message as a sentence: "Parse error at line 1, column 1: …".
std::string parseFailureSentence(const nlohmann::json::parse_error& error) {
  std::string text = error.what();
  if (const auto tag = text.find("] "); text.starts_with("[json.exception") && tag != text.npos) {
    text.erase(0, tag + 2);
  }
  if (!text.empty()) text[0] = g_ascii_toupper(text[0]);
  if (!text.empty() && text.back() != '.') text += '.';
  return text;
}

std::string withoutSecret(std::string text, const std::string& secret) {
  if (secret.empty()) return text;
  for (auto at = text.find(secret); at != text.npos; at = text.find(secret, at)) {
    text.replace(at, secret.size(), "[redacted]");
  }
  return text;
}

std::expected<std::string, LocalOpenAIError> answerOf(
    const std::expected<HttpResponse, TransportError>& result) {
  if (!result) return std::unexpected(LocalOpenAIError::requestFailed(result.error().message));
  nlohmann::json json;
  try {
    json = nlohmann::json::parse(result->body);
  } catch (const nlohmann::json::parse_error& error) {
    return std::unexpected(LocalOpenAIError::requestFailed(parseFailureSentence(error)));
  }
  const int status = result->statusCode;
  if (status < 200 || status > 299) {
    return std::unexpected(LocalOpenAIError::requestFailed(extractOpenAIErrorMessage(json).value_or(
        "OpenAI request failed with HTTP " + std::to_string(status) + ".")));
  }
  if (auto text = extractOpenAIText(json)) return *std::move(text);
  return std::unexpected(LocalOpenAIError::emptyResponse());
}

}  // namespace

std::optional<std::string> OpenAIResponsesClient::endpointURL() const {
  std::string base = trimmedWhitespace(environment_.value(kBaseURLVariable).value_or(""));
  if (base.empty()) base = kDefaultBaseURL;
  while (base.ends_with('/')) base.pop_back();
  const auto url = Url::parse(base + std::string(kPath));
  if (!url || url->host().empty() || url->hasUserOrPassword() || !url->query().empty() ||
      !url->path().ends_with(kPath)) {
    return std::nullopt;
  }
  const std::string scheme = url->lowercasedScheme();
  if (scheme != "https" && !(scheme == "http" && isLoopbackHost(url->lowercasedHost()))) {
    return std::nullopt;
  }
  return url->string();
}

void OpenAIResponsesClient::send(const OpenAIPrompt& prompt, const std::string& apiKey,
                                 Completion completion) {
  const auto url = endpointURL();
  if (!url) {
    completion(std::unexpected(LocalOpenAIError::invalidURL()));
    return;
  }
  HttpRequest request;
  request.url = *url;
  request.method = "POST";
  request.headers = {{"Authorization", "Bearer " + apiKey}, {"Content-Type", "application/json"}};
  request.body = openAIRequestBody(prompt).dump(-1, ' ', false,
                                                nlohmann::ordered_json::error_handler_t::replace);
  request.timeout = kTimeout;
  transport_.send(request, [apiKey, completion = std::move(completion)](
                               std::expected<HttpResponse, TransportError> result) {
    completion(openAIAnswer(result, apiKey));
  });
}

std::expected<std::string, LocalOpenAIError> openAIAnswer(
    const std::expected<HttpResponse, TransportError>& result, const std::string& apiKey) {
  auto answer = answerOf(result);
  if (!answer && answer.error().kind == LocalOpenAIError::Kind::requestFailed) {
    answer.error().message = withoutSecret(std::move(answer.error().message), apiKey);
  }
  return answer;
}

}  // namespace ondi
