#pragma once

#include <string_view>

#include "http/Response.h"
#include "openai/ResponsesRequest.h"

namespace ondi::server::openai {

// The answers of the OpenAI-compatible test endpoint, in OpenAI's shapes.

// {"error": {"message", "type": "invalid_request_error", "param"?}}; param is left out when empty.
Response invalidRequest(unsigned status, std::string_view message, std::string_view param = {});

// The answer to a checked request. The last user text chooses a failure on purpose:
// "[[fail:502-html]]" gives a 502 HTML page, "[[fail:500-json]]" a 500 with OpenAI's error body,
// "[[empty]]" a 200 without text. Otherwise a 200 response whose one output text summarises the
// request: the number of input items, the last user text in quotes, whether instructions came,
// and the reasoning effort.
Response responsesAnswer(const ResponsesRequest& request);

}  // namespace ondi::server::openai
