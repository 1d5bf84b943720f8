#include "openai/ResponsesAnswers.h"

#include <string>

#include "crypto/SecureRandom.h"
#include "http/HtmlPage.h"

namespace ondi::server::openai {
namespace {

constexpr std::size_t kIdRandomBytes = 16;

bool asks(const ResponsesRequest& request, std::string_view marker) {
  return request.lastUserText && request.lastUserText->find(marker) != std::string::npos;
}

std::string summary(const ResponsesRequest& request) {
  return "Test reply: received " + std::to_string(request.inputCount) + " input item" +
         (request.inputCount == 1 ? "" : "s") + "; last user text: " +
         (request.lastUserText ? "\"" + *request.lastUserText + "\"" : std::string("none")) +
         "; instructions: " + (request.hasInstructions ? "present" : "absent") +
         "; reasoning effort: " + request.reasoningEffort.value_or("not set") + ".";
}

nlohmann::json responseJson(const ResponsesRequest& request, const std::string& text) {
  nlohmann::json content = nlohmann::json::array();
  if (!text.empty()) {
    content.push_back(
        {{"type", "output_text"}, {"text", text}, {"annotations", nlohmann::json::array()}});
  }
  return {{"id", "resp_" + randomHex(kIdRandomBytes)},
          {"object", "response"},
          {"status", "completed"},
          {"model", request.model},
          {"output",
           {{{"id", "msg_" + randomHex(kIdRandomBytes)},
             {"type", "message"},
             {"status", "completed"},
             {"role", "assistant"},
             {"content", std::move(content)}}}},
          {"output_text", text}};
}

}  // namespace

Response invalidRequest(unsigned status, std::string_view message, std::string_view param) {
  nlohmann::json error = {{"message", message}, {"type", "invalid_request_error"}};
  if (!param.empty()) error["param"] = param;
  return Response::json(status, {{"error", std::move(error)}});
}

Response responsesAnswer(const ResponsesRequest& request) {
  if (asks(request, "[[fail:502-html]]")) {
    return Response::page(502, htmlDocument("502 Bad Gateway", "<h1>502 Bad Gateway</h1>"));
  }
  if (asks(request, "[[fail:500-json]]")) {
    return Response::json(
        500, {{"error", {{"message", "The server had an error while processing your request."}}}});
  }
  if (asks(request, "[[empty]]")) return Response::json(200, responseJson(request, ""));
  return Response::json(200, responseJson(request, summary(request)));
}

}  // namespace ondi::server::openai
